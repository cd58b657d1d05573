#include "tests/support/wait.h"

namespace test {
namespace {

void DispatchPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    DispatchPending();
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
  DispatchPending();
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    DispatchPending();
    if (done()) {
      return true;
    }
    if (GetTickCount() - start >= timeoutMs) {
      return false;
    }
    Sleep(10);
  }
}

}  // namespace test
