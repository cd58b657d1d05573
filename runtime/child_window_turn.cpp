#include "runtime/child_window_turn.h"

#include <windows.h>

#include "runtime/handles.h"

namespace rt {
namespace {

// A mutex object rather than a critical section: it can be waited for together with the
// thread's sent messages, and a thread may hold it more than once.
HANDLE Turn() {
  static const KernelObject turn(CreateMutexA(nullptr, FALSE, nullptr));
  return turn.get();
}

}  // namespace

ChildWindowTurn::ChildWindowTurn() {
  HANDLE turn = Turn();
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjectsEx(1, &turn, INFINITE, QS_SENDMESSAGE, 0);
    // An abandoned turn (its thread ended holding it) is taken all the same.
    if (woken == WAIT_OBJECT_0 || woken == WAIT_ABANDONED_0 || woken == WAIT_FAILED) {
      return;
    }
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

ChildWindowTurn::~ChildWindowTurn() {
  ReleaseMutex(Turn());
}

std::optional<ChildWindowTurn> TurnUnlessAnswering() {
  if (InSendMessageEx(nullptr) & ISMEX_SEND) {
    return std::nullopt;
  }
  return std::optional<ChildWindowTurn>(std::in_place);
}

}  // namespace rt
