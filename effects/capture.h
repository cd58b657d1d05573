#pragma once

#include <windows.h>

#include <string_view>

// Captures of what the screen shows of a window into uncompressed BMP files (effects/bmp_layout.h),
// for any Win32 window. The file name loses its trailing blanks and is cut to 255 characters; an
// existing file of that name is replaced. A capture that returns false has written nothing: a file
// it could not finish is deleted, and every handle and memory block it took is released.
namespace fx {

enum class CaptureArea {
  Client,  // the client area
  Whole,   // the whole window, frame included
};

// Captures `window`'s client area or the whole window into the BMP file `fileName`; true when the
// file was written. A whole-window capture of a width three more than a multiple of four takes one
// column more.
bool CaptureToBmp(HWND window, CaptureArea area, std::string_view fileName);

// Captures the `width` x `height` pixels at the top left of `window`'s client area into the BMP
// file `fileName`; true when the file was written.
bool CaptureClientPixelsToBmp(HWND window, int width, int height, std::string_view fileName);

}  // namespace fx
