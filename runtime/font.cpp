#include "runtime/font.h"

#include <string>

namespace rt {

GdiObject CreateDefinedFont(const FontDefinition& font) {
  const FontDefinition& used = font.name.empty() ? kDefaultFont : font;
  WindowDc screen(nullptr);
  LOGFONTA logFont{};
  logFont.lfHeight = -MulDiv(used.points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  logFont.lfWeight = used.style & 0xFFF;
  logFont.lfItalic = (used.style & kFontItalic) != 0;
  logFont.lfUnderline = (used.style & kFontUnderline) != 0;
  logFont.lfStrikeOut = (used.style & kFontStrikeOut) != 0;
  logFont.lfCharSet = static_cast<BYTE>(used.charSet);
  const std::string name(used.name.substr(0, LF_FACESIZE - 1));
  lstrcpynA(logFont.lfFaceName, name.c_str(), LF_FACESIZE);
  return GdiObject(CreateFontIndirectA(&logFont));
}

DialogBaseUnits MeasureBaseUnits(HFONT font) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  WindowDc screen(nullptr);
  SelectedObject selected(screen.get(), font);
  SIZE extent{};
  GetTextExtentPoint32A(screen.get(), kAlphabet, 52, &extent);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.get(), &metrics);
  return BaseUnitsFromFont(extent.cx, metrics.tmHeight);
}

}  // namespace rt
