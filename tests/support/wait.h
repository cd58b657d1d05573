#pragma once

#include <windows.h>

#include <functional>

namespace test {

// Dispatches the calling thread's messages for `milliseconds`.
void PumpMessages(DWORD milliseconds);
// Pumps messages until `done` holds or `timeoutMs` passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

}  // namespace test
