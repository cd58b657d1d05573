#pragma once

#include <string_view>

namespace fw {

// A program's life around its application frame: starts the runtime and the framework
// (the error manager first), opens the INI file, switches the drag-full-windows setting off
// while `frame` runs if it was on, switches it back on afterwards, and shuts down in reverse
// order (the error manager last).
void RunProgram(std::string_view iniFileName, void (*frame)());

// Switches drag-full-windows back on when it was on at start. RunProgram does it at the end; a
// process that ends another way (a restart) calls it first, so the user's setting is not lost.
void RestoreDragFullWindows();
// Switches it off again when it was on at start: a restart that failed goes on running.
void SuppressDragFullWindows();

}  // namespace fw
