#pragma once

#include <cstdint>

namespace fx {

// The font weight and style flags that a control's FontStyle asks for.
struct StyleFont {
  std::int32_t weight = 0;  // 100, 400 or 700; 0 (the default) for any other weight
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
};

// Splits a FontStyle (a weight plus italic 0x1000, underline 0x2000, strike-out 0x4000).
StyleFont FontOfStyle(std::int32_t fontStyle);

}  // namespace fx
