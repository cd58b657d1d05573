#include "effects/animate_control_text.h"

#include <windows.h>

#include <string>

#include "effects/style_font.h"
#include "effects/text_effect.h"
#include "effects/window_effects.h"
#include "runtime/window.h"

namespace fx {
namespace {

// Pixels per logical inch of the window's client area, to turn points into pixels.
int VerticalDpi(const rt::Window& window) {
  const rt::WindowDc dc(window.clientHandle());
  return GetDeviceCaps(dc.get(), LOGPIXELSY);
}

template <typename Effect>
void AnimateControl(Effect& effect, int field, std::int32_t startSpacing, std::int32_t stopSpacing,
                    std::int32_t delay) {
  rt::Window* window = rt::CurrentWindow();
  const rt::Control* control = window ? window->control(field) : nullptr;
  if (!control) {
    return;
  }
  const StyleFont style = FontOfStyle(control->fontStyle());
  const std::int32_t height = -MulDiv(control->fontSize(), VerticalDpi(*window), 72);
  effect.SetFont(control->fontName(), height, style.weight, style.italic, style.underline,
                 style.strikeOut);
  effect.BDOEFFECT = 1;
  window->setPixels(true);
  window->hide(field);
  const std::string text = control->screenText();
  const std::int32_t color = control->fontColor() == rt::kNoColor
                                 ? static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT))
                                 : control->fontColor();
  effect.AnimateText(text, window->xpos(field), window->ypos(field), startSpacing, stopSpacing,
                     color, delay);
  window->unhide(field);
  effect.BDOEFFECT = 0;
  window->setPixels(false);
}

}  // namespace

void AnimateControlText(TextEffect& effect, int control, std::int32_t startSpacing,
                        std::int32_t stopSpacing, std::int32_t delay) {
  AnimateControl(effect, control, startSpacing, stopSpacing, delay);
}

void AnimateControlText(WindowEffects& effect, int control, std::int32_t startSpacing,
                        std::int32_t stopSpacing, std::int32_t delay) {
  AnimateControl(effect, control, startSpacing, stopSpacing, delay);
}

}  // namespace fx
