#pragma once

#include <cstddef>

namespace rt {

// Runs `procedure` on a new thread whose stack starts with `stackBytes` committed (it grows as
// the program's default allows) and returns at once; the thread ends when the procedure
// returns, and nobody waits for it. Returns whether the thread started.
bool StartThread(void (*procedure)(), std::size_t stackBytes);

}  // namespace rt
