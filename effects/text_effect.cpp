#include "effects/text_effect.h"

#include "effects/current_window_text.h"
#include "effects/font_fields.h"

namespace fx {

TextEffect::TextEffect()
    : BDOEFFECT(0),
      FONTNAME{},
      FONTSIZE(0),
      FONTWEIGHT(0),
      ITALICFONT(0),
      UNDERLINEFONT(0),
      STRIKEOUTFONT(0) {}

void TextEffect::AnimateText(std::string_view text, std::int32_t x, std::int32_t y,
                             std::int32_t startSpacing, std::int32_t stopSpacing,
                             std::int32_t textColor, std::int32_t delay) {
  AnimateOnCurrentWindow(*this, text, x, y, startSpacing, stopSpacing, textColor, delay);
}

void TextEffect::SetFont(std::string_view fontName, std::int32_t fontSize, std::int32_t fontWeight,
                         std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut) {
  StoreFontSetting(*this, fontName, fontSize, fontWeight, italic, underline, strikeOut);
}

}  // namespace fx
