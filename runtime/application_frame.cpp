#include "runtime/application_frame.h"

#include <mutex>

#include "runtime/thread.h"

namespace rt {
namespace {

std::mutex registrationMutex;
HWND registeredClient = nullptr;

void AskChildrenOfOtherThreadsToClose(HWND mdiClient) {
  for (HWND child = GetWindow(mdiClient, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool mdiChild = (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if (mdiChild && GetWindowThreadProcessId(child, nullptr) != GetCurrentThreadId()) {
      PostMessageA(child, WM_CLOSE, 0, 0);
    }
  }
}

}  // namespace

bool RegisterApplicationFrame(HWND mdiClient) {
  const std::lock_guard lock(registrationMutex);
  if (registeredClient || !mdiClient) {
    return false;
  }
  registeredClient = mdiClient;
  return true;
}

HWND ApplicationFrameClient() {
  const std::lock_guard lock(registrationMutex);
  return registeredClient;
}

bool CloseApplicationFrame(HWND mdiClient, DWORD timeoutMs) {
  {
    const std::lock_guard lock(registrationMutex);
    if (!mdiClient || registeredClient != mdiClient) {
      return true;
    }
    registeredClient = nullptr;
  }
  // A child still being created now finds the registration gone and closes by itself (see
  // Window::create), so this one look finds every other child.
  AskChildrenOfOtherThreadsToClose(mdiClient);
  return WaitForStartedThreads(timeoutMs);
}

}  // namespace rt
