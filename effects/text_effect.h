#pragma once

#include <cstdint>
#include <string_view>

namespace fx {

// Text animation with a font setting of its own. The fields follow the table pointer in this
// order and with these sizes; the virtual operations keep their slot order.
class TextEffect {
 public:
  // All fields cleared.
  TextEffect();

  // Stores the font the next animation draws with; a name is cut to 31 characters.
  virtual void SetFont(std::string_view fontName, std::int32_t fontSize, std::int32_t fontWeight,
                       std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut);

  std::int32_t BDOEFFECT;  // the animation runs only while non-zero
  char FONTNAME[32];       // typeface, NUL-terminated
  std::int32_t FONTSIZE;   // as LOGFONT.lfHeight
  std::int32_t FONTWEIGHT;
  std::uint8_t ITALICFONT;
  std::uint8_t UNDERLINEFONT;
  std::uint8_t STRIKEOUTFONT;
};

}  // namespace fx
