#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "runtime/handles.h"

// The font setting both effect classes repeat in their own fields (FONTNAME … STRIKEOUTFONT).
namespace fx {

// Stores a font setting into an effect object's fields; a longer typeface name is cut to fit.
template <typename Effect>
void StoreFontSetting(Effect& effect, std::string_view name, std::int32_t size, std::int32_t weight,
                      std::uint8_t italic, std::uint8_t underline, std::uint8_t strikeOut) {
  const std::size_t length = std::min(name.size(), sizeof(effect.FONTNAME) - 1);
  std::copy_n(name.data(), length, effect.FONTNAME);
  effect.FONTNAME[length] = '\0';
  effect.FONTSIZE = size;
  effect.FONTWEIGHT = weight;
  effect.ITALICFONT = italic;
  effect.UNDERLINEFONT = underline;
  effect.STRIKEOUTFONT = strikeOut;
}

// The font an effect object's fields describe; every other LOGFONT member stays 0.
template <typename Effect>
LOGFONTA LogFontOf(const Effect& effect) {
  LOGFONTA font{};
  std::copy_n(effect.FONTNAME, sizeof(effect.FONTNAME), font.lfFaceName);
  font.lfHeight = effect.FONTSIZE;
  font.lfWeight = effect.FONTWEIGHT;
  font.lfItalic = effect.ITALICFONT;
  font.lfUnderline = effect.UNDERLINEFONT;
  font.lfStrikeOut = effect.STRIKEOUTFONT;
  return font;
}

// Makes the font an effect object's fields describe.
template <typename Effect>
rt::GdiObject CreateEffectFont(const Effect& effect) {
  const LOGFONTA font = LogFontOf(effect);
  return rt::GdiObject(CreateFontIndirectA(&font));
}

}  // namespace fx
