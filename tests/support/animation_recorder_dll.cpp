// A stand-in for user32's AnimateWindow, looked up under that name in this library by tests: it
// tells the test about each call, then lets the real function show or hide the window.
#include <windows.h>

namespace {

using Hook = void (*)(void* context, HWND window, DWORD durationMs, DWORD flags);

Hook hook = nullptr;
void* hookContext = nullptr;

}  // namespace

extern "C" void SetAnimationHook(Hook newHook, void* context) {
  hook = newHook;
  hookContext = context;
}

extern "C" BOOL WINAPI RecordingAnimateWindow(HWND window, DWORD durationMs, DWORD flags) {
  if (hook) {
    hook(hookContext, window, durationMs, flags);
  }
  return AnimateWindow(window, durationMs, flags);
}
