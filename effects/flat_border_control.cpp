#include "effects/flat_border_control.h"

#include <cstdint>

#include "effects/flat_border.h"

namespace fx {

bool ApplyFlatBorder(HWND control, rt::ControlType type) {
  if (!IsWindow(control)) {
    return false;
  }
  const auto current = static_cast<std::uint32_t>(GetWindowLongA(control, GWL_EXSTYLE));
  SetWindowLongA(control, GWL_EXSTYLE, static_cast<LONG>(FlatBorderStyle(type, current)));
  // Windows caches the frame's size: only SWP_FRAMECHANGED makes it take the new edges.
  return SetWindowPos(control, nullptr, 0, 0, 0, 0,
                      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED |
                          SWP_NOOWNERZORDER) != FALSE;
}

}  // namespace fx
