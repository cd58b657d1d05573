#pragma once

#include <windows.h>

#include <cstdint>

// Gradient fills on any window: usable from a plain Win32 program. Each of the two kinds keeps
// one step count per process, taken from the screen's colour depth on its first call.
namespace fx {

// A two-colour gradient: its layout, its colours and the extent it covers from the client area's
// origin, in pixels.
struct GradientArgs {
  std::int16_t style = 1;      // 0 diagonal, 1 horizontal, 2 (and anything else) vertical
  std::int32_t fromColor = 0;  // red + green * 256 + blue * 65536
  std::int32_t toColor = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Paints the gradient in solid bands straight onto `window`'s client area: the from colour along
// the bottom (style 1), the right (vertical) or both (diagonal), moving to the to colour towards
// the top-left. Returns the number of bands, or -1 when `window` is not a window.
int PaintGradient(HWND window, const GradientArgs& args);

// Paints the black-to-blue ramp the same way over `width` x `height` pixels of `window`'s client
// area. Returns the number of bands, or -1 when `window` is not a window.
int PaintBlueGradient(HWND window, std::int16_t style, std::int32_t width, std::int32_t height);

}  // namespace fx
