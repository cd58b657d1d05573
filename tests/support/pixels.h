#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace test {

// The pixels of a bitmap as 0x00RRGGBB values, rows top-down.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> values;
  std::uint32_t at(int x, int y) const { return values[y * width + x]; }
};

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

// Reads a bitmap's pixels (any depth) through GetDIBits.
Pixels PixelsOf(HGDIOBJ bitmap);

// What a window of this process paints as its background (WM_ERASEBKGND) into a bitmap of
// `width` x `height`.
Pixels Erased(HWND window, int width, int height);
// The client area of a window of this process as it shows now, read through its own DC.
Pixels ClientPixels(HWND window);
// The client area of any process's window as the screen shows it now, whatever overlaps it.
Pixels ScreenPixels(HWND window);

// The average red, green and blue of all pixels.
struct Average {
  double red = 0;
  double green = 0;
  double blue = 0;
};
Average AverageOf(const Pixels& pixels);

}  // namespace test
