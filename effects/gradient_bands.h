#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The arithmetic of the gradient fills: how many bands, where each lies and which colour it
// has. The drawing code fills what these functions lay out.
namespace fx {

// What a gradient method records on its first call in a process.
struct StepState {
  std::int32_t depth = 0;  // the colour depth asked of the screen; never 0 once recorded
  std::int16_t steps = 0;  // the most bands a gradient has
  bool operator==(const StepState&) const = default;
};

// The state recorded for a screen of `depth` bits per pixel (bits per pixel times planes).
StepState StepStateForDepth(std::int32_t depth);

// The step count of one call: `steps` lowered to the extent along which the colour changes
// (style 0 both, 1 the height, 2 the width; other styles are not cut), so that no band is thinner
// than a pixel. The recorded count itself stays as it is.
std::int16_t CutSteps(std::int16_t steps, std::int16_t style, std::int32_t width,
                      std::int32_t height);

// dividend / divisor, or 0 when the divisor is 0.
double SafeQuotient(double dividend, double divisor);

// Colour levels as reals: where a ramp starts and what each band adds to them.
struct ColorRamp {
  double red = 0;
  double green = 0;
  double blue = 0;
  double redStep = 0;
  double greenStep = 0;
  double blueStep = 0;
};

// From one colour to another (red + green * 256 + blue * 65536) in `steps` bands.
ColorRamp TwoColorRamp(std::int32_t fromColor, std::int32_t toColor, std::int16_t steps);

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const Rect&) const = default;
};

// One solid colour and what it fills: a diagonal band is an L of two strips.
struct Band {
  std::int32_t color = 0;
  std::array<Rect, 2> strips{};
  int stripCount = 1;
  std::span<const Rect> filled() const {
    return {strips.data(), static_cast<std::size_t>(stripCount)};
  }
  bool operator==(const Band&) const = default;
};

// The bands of a gradient over (0, 0, width, height), in painting order: `steps` bands from the
// bottom (style 1), the right (styles other than 0 and 1) or both (style 0), each band's colour
// the ramp's levels truncated, then the rest at the top-left, possibly empty, in the levels
// after the last band. Band sizes are the integer quotients of the extents by `steps`.
std::vector<Band> LayBands(std::int16_t style, std::int32_t width, std::int32_t height,
                           std::int16_t steps, const ColorRamp& ramp);
// The bands of the black-to-blue ramp: blue rising by 256 / `steps` per band from 0, the rest
// in pure blue.
std::vector<Band> LayBlueBands(std::int16_t style, std::int32_t width, std::int32_t height,
                               std::int16_t steps);

}  // namespace fx
