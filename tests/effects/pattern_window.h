// A test window that paints a known pattern, so that a capture of it can be checked pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>

namespace test {

// The colour (0xRRGGBB) of pixel (x, y) of the pattern on a `width` x `height` area: bands of
// uneven width and height in the eight pure colours, which every screen depth shows exactly, and
// a one-pixel border whose four sides differ, so that a flip, a shift or a lost row or column
// shows.
std::uint32_t PatternColor(int x, int y, int width, int height);

// A top-level window of this thread whose client area shows the pattern, shown without being
// activated and painted before the constructor returns.
class PatternWindow {
 public:
  // `clientWidth` x `clientHeight` is the client area; `style` WS_POPUP has no frame.
  PatternWindow(int x, int y, int clientWidth, int clientHeight, DWORD style = WS_POPUP);
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;
  ~PatternWindow();

  HWND handle() const { return hwnd_; }
  // Gives the whole window, frame included, this width; the height stays.
  void setOuterWidth(int width) const;

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace test
