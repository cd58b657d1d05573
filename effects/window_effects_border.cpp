#include "effects/flat_border_control.h"
#include "effects/size_grip.h"
#include "effects/window_effects.h"
#include "runtime/window.h"

namespace fx {

void WindowEffects::ApplyFlatBorder(int field) const {
  if (const rt::Window* window = rt::CurrentWindow()) {
    fx::ApplyFlatBorder(window->handle(field), window->type(field));
  }
}

void WindowEffects::DrawSizeGrip() {
  if (const rt::Window* window = rt::CurrentWindow()) {
    fx::DrawSizeGrip(window->handle());
  }
}

}  // namespace fx
