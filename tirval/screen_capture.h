#pragma once

namespace tirval {

// The Capture Options window: captures itself, its client area or the desktop into the BMP file
// its entry names and hands the file to the shell. Returns when the window has closed.
void ScreenCapture();

}  // namespace tirval
