#pragma once

#include <windows.h>

// The size grip on any window: usable from a plain Win32 program.
namespace fx {

// Paints a size grip, a title-bar button's size (SM_CXSIZE by SM_CYSIZE), into the lower-right
// corner of `window`'s client area, cut to the client area. It is painted once: the next repaint
// of that corner removes it. False when `window` is not a window.
bool DrawSizeGrip(HWND window);

}  // namespace fx
