#pragma once

#include <windows.h>

#include "runtime/window_definition.h"

// Flat control borders on any window: usable from a plain Win32 program.
namespace fx {

// Replaces the extended style of `control`, a control of kind `type`, with the flat border of
// its kind and has Windows recalculate and redraw its frame at once, without moving, sizing or
// reordering it. False when `control` is not a window; it is then left alone.
bool ApplyFlatBorder(HWND control, rt::ControlType type);

}  // namespace fx
