#include "runtime/runtime.h"

#include <commctrl.h>

#include "runtime/window.h"

namespace rt {
namespace {

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    // An MDI child's own creation value comes wrapped in the MDI creation record.
    window = static_cast<Window*>(
        create->dwExStyle & WS_EX_MDICHILD
            ? reinterpret_cast<void*>(
                  static_cast<MDICREATESTRUCTA*>(create->lpCreateParams)->lParam)
            : create->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  if (!window) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // No exception may cross into Windows: a failed handler falls back to default processing.
  try {
    LRESULT result = 0;
    if (window->handleMessage(hwnd, message, wParam, lParam, result)) {
      return result;
    }
  } catch (...) {
  }
  return window->defaultProcedure(hwnd, message, wParam, lParam);
}

void RegisterClass(const char* name) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

}  // namespace

void Start() {
  static const bool started = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegisterClass(kWindowClass);
    RegisterClass(kFrameClass);
    return true;
  }();
  (void)started;
}

}  // namespace rt
