#pragma once

#include <cstdint>
#include <string_view>

#include "effects/font_fields.h"
#include "effects/text_animation.h"
#include "runtime/window.h"

namespace fx {

// AnimateText of either effect class: the animation on the current window's client area, in the
// object's font, for as long as its BDOEFFECT stays non-zero. Positions are in pixels, so the
// window's Pixels property is switched on and left on.
template <typename Effect>
void AnimateOnCurrentWindow(const Effect& effect, std::string_view text, std::int32_t x,
                            std::int32_t y, std::int32_t startSpacing, std::int32_t stopSpacing,
                            std::int32_t textColor, std::int32_t delay) {
  rt::Window* window = rt::CurrentWindow();
  if (effect.BDOEFFECT == 0 || !window) {
    return;
  }
  window->setPixels(true);
  AnimateText(window->clientHandle(), LogFontOf(effect),
              {.text = text,
               .x = x,
               .y = y,
               .startSpacing = startSpacing,
               .stopSpacing = stopSpacing,
               .textColor = static_cast<COLORREF>(textColor),
               .delay = delay,
               .keepGoing = &effect.BDOEFFECT});
}

}  // namespace fx
