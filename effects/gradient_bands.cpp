#include "effects/gradient_bands.h"

#include "effects/color.h"

namespace fx {
namespace {

constexpr std::int16_t kDiagonal = 0;
constexpr std::int16_t kHorizontal = 1;
constexpr std::int16_t kVertical = 2;

std::int32_t TruncatedColor(double red, double green, double blue) {
  return PackColor(static_cast<std::int32_t>(red), static_cast<std::int32_t>(green),
                   static_cast<std::int32_t>(blue));
}

// Integer division truncating toward zero, 0 for no steps.
std::int32_t BandSize(std::int32_t extent, std::int16_t steps) {
  return steps == 0 ? 0 : extent / steps;
}

}  // namespace

double SafeQuotient(double dividend, double divisor) {
  return divisor == 0 ? 0.0 : dividend / divisor;
}

StepState StepStateForDepth(std::int32_t depth) {
  switch (depth) {
    case 32:
    case 24:
    case 16:
      return {depth, 256};
    case 15:
      return {depth, 32};
    case 8:
    case 4:
      return {depth, 64};
    default:
      // Monochrome and whatever else: as a 16-colour screen, and never 0, which means "not asked".
      return {4, 64};
  }
}

std::int16_t CutSteps(std::int16_t steps, std::int16_t style, std::int32_t width,
                      std::int32_t height) {
  const auto cut = [&steps](std::int32_t extent) {
    if (steps > extent) {
      steps = static_cast<std::int16_t>(extent);
    }
  };
  if (style == kDiagonal || style == kHorizontal) {
    cut(height);
  }
  if (style == kDiagonal || style == kVertical) {
    cut(width);
  }
  return steps;
}

ColorRamp TwoColorRamp(std::int32_t fromColor, std::int32_t toColor, std::int16_t steps) {
  const auto red = [](std::int32_t color) { return static_cast<double>(color & 0xFF); };
  const auto green = [](std::int32_t color) { return (color & 0xFF00) / 256.0; };
  const auto blue = [](std::int32_t color) { return (color & 0xFF0000) / 65536.0; };
  return {red(fromColor),
          green(fromColor),
          blue(fromColor),
          SafeQuotient(red(toColor) - red(fromColor), steps),
          SafeQuotient(green(toColor) - green(fromColor), steps),
          SafeQuotient(blue(toColor) - blue(fromColor), steps)};
}

std::vector<Band> LayBands(std::int16_t style, std::int32_t width, std::int32_t height,
                           std::int16_t steps, const ColorRamp& ramp) {
  const std::int32_t bandHeight = BandSize(height, steps);
  const std::int32_t bandWidth = BandSize(width, steps);
  double red = ramp.red, green = ramp.green, blue = ramp.blue;
  std::int32_t right = width, bottom = height;
  std::vector<Band> bands;
  bands.reserve(steps > 0 ? steps + 1 : 1);
  for (std::int16_t band = 0; band < steps; ++band) {
    Band next{.color = TruncatedColor(red, green, blue)};
    if (style == kDiagonal) {
      next.strips = {Rect{0, bottom - bandHeight, right, bottom},
                     Rect{right - bandWidth, 0, right, bottom}};
      next.stripCount = 2;
      bottom -= bandHeight;
      right -= bandWidth;
    } else if (style == kHorizontal) {
      next.strips[0] = {0, bottom - bandHeight, width, bottom};
      bottom -= bandHeight;
    } else {
      next.strips[0] = {right - bandWidth, 0, right, height};
      right -= bandWidth;
    }
    bands.push_back(next);
    red += ramp.redStep;
    green += ramp.greenStep;
    blue += ramp.blueStep;
  }
  bands.push_back(
      {.color = TruncatedColor(red, green, blue), .strips = {Rect{0, 0, right, bottom}}});
  return bands;
}

std::vector<Band> LayBlueBands(std::int16_t style, std::int32_t width, std::int32_t height,
                               std::int16_t steps) {
  const ColorRamp blueRamp{.blueStep = SafeQuotient(256, steps)};
  std::vector<Band> bands = LayBands(style, width, height, steps, blueRamp);
  // The levels end at 256, one past pure blue: the rest is painted in pure blue instead.
  bands.back().color = PackColor(0, 0, 255);
  return bands;
}

}  // namespace fx
