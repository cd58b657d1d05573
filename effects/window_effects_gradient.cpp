#include "effects/gradient.h"
#include "effects/window_effects.h"
#include "runtime/window.h"

namespace fx {
namespace {

constexpr std::int16_t kBackgroundOnly = 3;
constexpr std::int32_t kDarkBlue = 0x7F0000;

}  // namespace

void WindowEffects::BlueGradient(std::int16_t style) {
  rt::Window* window = rt::CurrentWindow();
  if (!window) {
    return;
  }
  for (int field = window->firstField(); field <= window->lastField(); ++field) {
    window->hide(field);
  }
  if (style == kBackgroundOnly) {
    window->setColor(kDarkBlue);
  } else {
    window->setPixels(true);
    fx::PaintBlueGradient(window->clientHandle(), style, window->width(), window->height());
  }
  for (int field = window->firstField(); field <= window->lastField(); ++field) {
    window->unhide(field);
  }
}

void WindowEffects::GradientFill(std::int16_t style, std::int32_t fromColor, std::int32_t toColor) {
  rt::Window* window = rt::CurrentWindow();
  if (!window) {
    return;
  }
  window->setPixels(true);
  fx::PaintGradient(window->clientHandle(), {.style = style,
                                             .fromColor = fromColor,
                                             .toColor = toColor,
                                             .width = window->width(),
                                             .height = window->height()});
  SaveClientImage();
  window->setWallPaper(GRADIENTFILE);
  window->display();
}

}  // namespace fx
