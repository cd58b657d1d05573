#include "effects/style_font.h"

namespace fx {
namespace {

constexpr std::int32_t kItalic = 0x1000;
constexpr std::int32_t kUnderline = 0x2000;
constexpr std::int32_t kStrikeOut = 0x4000;

}  // namespace

StyleFont FontOfStyle(std::int32_t fontStyle) {
  StyleFont font;
  const std::int32_t weight = fontStyle & ~(kItalic | kUnderline | kStrikeOut);
  if (weight == 100 || weight == 400 || weight == 700) {
    font.weight = weight;
  }
  font.italic = (fontStyle & kItalic) != 0;
  font.underline = (fontStyle & kUnderline) != 0;
  font.strikeOut = (fontStyle & kStrikeOut) != 0;
  return font;
}

}  // namespace fx
