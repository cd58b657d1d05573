#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

// The letter-spacing animation on any window: usable from a plain Win32 program.
namespace fx {

// One run of the animation.
struct TextAnimation {
  std::string_view text;  // cut to 1023 characters; line breaks start new lines
  int x = 0;              // top-left corner of the text in client-area pixels
  int y = 0;
  std::int32_t startSpacing = 128;  // extra pixels between characters in the first frame
  std::int32_t stopSpacing = -1;    // where the letters settle; clamped to what a run reaches
  COLORREF textColor = 0;
  std::int32_t delay = 5;                   // milliseconds after each frame; below 0 counts as 0
  const std::int32_t* keepGoing = nullptr;  // when set, the run ends before a frame once it is 0
};

// Plays the animation on `window`'s client area in `font` and returns when it has ended. Each
// frame erases the previous one in the button-face colour, is cut at the client area's right
// edge and reaches the screen before the pause. Meanwhile the thread paints but takes no input:
// input waits in the queue until the run is over. False when `window` is not a window.
bool AnimateText(HWND window, const LOGFONTA& font, const TextAnimation& animation);

}  // namespace fx
