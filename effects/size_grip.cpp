#include "effects/size_grip.h"

#include "runtime/handles.h"

namespace fx {

bool DrawSizeGrip(HWND window) {
  RECT grip{};
  if (!IsWindow(window) || !GetClientRect(window, &grip)) {
    return false;
  }
  grip.left = grip.right - GetSystemMetrics(SM_CXSIZE);
  grip.top = grip.bottom - GetSystemMetrics(SM_CYSIZE);
  const rt::WindowDc dc(window);
  return DrawFrameControl(dc.get(), &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP) != FALSE;
}

}  // namespace fx
