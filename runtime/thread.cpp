#include "runtime/thread.h"

#include <process.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "runtime/handles.h"

namespace rt {
namespace {

unsigned __stdcall RunProcedure(void* procedure) {
  // No exception may end the process from a thread nobody waits for.
  try {
    reinterpret_cast<void (*)()>(procedure)();
  } catch (...) {
  }
  return 0;
}

bool HasEnded(const KernelObject& thread) {
  return WaitForSingleObject(thread.get(), 0) == WAIT_OBJECT_0;
}

// The threads started and not yet seen to end, for the program's end to wait for.
class StartedThreads {
 public:
  void add(KernelObject thread) {
    const std::lock_guard lock(mutex_);
    std::erase_if(threads_, HasEnded);
    threads_.push_back(std::move(thread));
  }
  // Copies of the handles of those still running, but the calling thread's; the caller owns them.
  std::vector<KernelObject> running() {
    const std::lock_guard lock(mutex_);
    std::erase_if(threads_, HasEnded);
    std::vector<KernelObject> copies;
    for (const KernelObject& thread : threads_) {
      if (GetThreadId(thread.get()) == GetCurrentThreadId()) {
        continue;
      }
      HANDLE copy = nullptr;
      if (DuplicateHandle(GetCurrentProcess(), thread.get(), GetCurrentProcess(), &copy,
                          SYNCHRONIZE, FALSE, 0)) {
        copies.emplace_back(copy);
      }
    }
    return copies;
  }

 private:
  std::mutex mutex_;
  std::vector<KernelObject> threads_;
};

StartedThreads& AllStartedThreads() {
  static StartedThreads threads;
  return threads;
}

// Dispatches the messages waiting for the calling thread; returns a WM_QUIT's code if one came.
std::optional<int> DispatchWaitingMessages() {
  std::optional<int> quit;
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = static_cast<int>(message.wParam);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return quit;
}

}  // namespace

bool StartThread(void (*procedure)(), std::size_t stackBytes) {
  // _beginthreadex rather than CreateThread: the C runtime sets itself up for the thread.
  const std::uintptr_t thread =
      _beginthreadex(nullptr, static_cast<unsigned>(stackBytes), RunProcedure,
                     reinterpret_cast<void*>(procedure), 0, nullptr);
  if (thread == 0) {
    return false;
  }
  AllStartedThreads().add(KernelObject(reinterpret_cast<HANDLE>(thread)));
  return true;
}

bool WaitForStartedThreads(DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  std::optional<int> quit;
  bool allEnded = false;
  for (;;) {
    const std::vector<KernelObject> running = AllStartedThreads().running();
    const ULONGLONG now = GetTickCount64();
    if (running.empty() || now >= deadline) {
      allEnded = running.empty();
      break;
    }
    // One wait takes a limited number of handles; the others are waited for in later rounds.
    std::vector<HANDLE> handles;
    for (const KernelObject& thread : running) {
      if (handles.size() + 1 == MAXIMUM_WAIT_OBJECTS) {
        break;
      }
      handles.push_back(thread.get());
    }
    MsgWaitForMultipleObjectsEx(static_cast<DWORD>(handles.size()), handles.data(),
                                static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    if (const std::optional<int> code = DispatchWaitingMessages()) {
      quit = code;
    }
  }
  // A quit that came meanwhile is for the loops further out.
  if (quit) {
    PostQuitMessage(*quit);
  }
  return allEnded;
}

}  // namespace rt
