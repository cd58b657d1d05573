#pragma once

#include <windows.h>

#include <cstddef>

namespace rt {

// Runs `procedure` on a new thread whose stack starts with `stackBytes` committed (it grows as
// the program's default allows) and returns at once; the thread ends when the procedure
// returns, and nobody waits for it. Returns whether the thread started.
bool StartThread(void (*procedure)(), std::size_t stackBytes);

// Waits until every thread started with StartThread, but the calling one, has ended, or until
// `timeoutMs` has passed; returns whether they all ended. The calling thread's messages are
// dispatched meanwhile, since those threads' windows send it messages as they close. Used when
// the program ends, so that no thread is cut off halfway.
bool WaitForStartedThreads(DWORD timeoutMs);

}  // namespace rt
