#include "runtime/dialog_units.h"

#include <cstdint>

namespace rt {

DialogBaseUnits BaseUnitsFromFont(int alphabetExtent, int textHeight) {
  return {(alphabetExtent / 26 + 1) / 2, textHeight};
}

int MulDivRounded(int a, int b, int c) {
  if (c == 0) {
    return -1;
  }
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = product < 0 ? -product : product;
  const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
  const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
  return static_cast<int>(negative ? -rounded : rounded);
}

int DialogToPixelsX(int dialogUnits, DialogBaseUnits base) {
  return MulDivRounded(dialogUnits, base.x, 4);
}

int DialogToPixelsY(int dialogUnits, DialogBaseUnits base) {
  return MulDivRounded(dialogUnits, base.y, 8);
}

int PixelsToDialogX(int pixels, DialogBaseUnits base) {
  return MulDivRounded(pixels, 4, base.x);
}

int PixelsToDialogY(int pixels, DialogBaseUnits base) {
  return MulDivRounded(pixels, 8, base.y);
}

}  // namespace rt
