#include "runtime/thread.h"

#include <windows.h>
#include <process.h>

#include <cstdint>

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

}  // namespace

bool StartThread(void (*procedure)(), std::size_t stackBytes) {
  // _beginthreadex rather than CreateThread: the C runtime sets itself up for the thread.
  const std::uintptr_t thread =
      _beginthreadex(nullptr, static_cast<unsigned>(stackBytes), RunProcedure,
                     reinterpret_cast<void*>(procedure), 0, nullptr);
  if (thread == 0) {
    return false;
  }
  CloseHandle(reinterpret_cast<HANDLE>(thread));
  return true;
}

}  // namespace rt
