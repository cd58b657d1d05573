#include "tests/effects/pattern_window.h"

#include <vector>

#include "tests/support/wait.h"

namespace test {
namespace {

constexpr char kClassName[] = "CapturePatternWindow";
constexpr std::uint32_t kPureColors[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                         0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};

void PaintPattern(HWND hwnd) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client{};
  GetClientRect(hwnd, &client);
  const int width = client.right;
  const int height = client.bottom;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels[static_cast<std::size_t>(y) * width + x] = PatternColor(x, y, width, height);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(hwnd, &paint);
}

LRESULT CALLBACK PatternProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintPattern(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

void RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;  // the pattern depends on the size
    windowClass.lpfnWndProc = PatternProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

std::uint32_t PatternColor(int x, int y, int width, int height) {
  if (x == 0) {
    return 0xFF0000;
  }
  if (x == width - 1) {
    return 0x0000FF;
  }
  if (y == 0) {
    return 0x00FF00;
  }
  if (y == height - 1) {
    return 0xFFFF00;
  }
  return kPureColors[(x / 13 + 3 * (y / 7)) % 8];
}

PatternWindow::PatternWindow(int x, int y, int clientWidth, int clientHeight, DWORD style) {
  RegisterOnce();
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST);
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Pattern", style, x, y,
                          frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
  // Wine copies what was painted to the screen once the thread looks at its messages.
  PumpMessages(50);
}

PatternWindow::~PatternWindow() {
  DestroyWindow(hwnd_);
}

void PatternWindow::setOuterWidth(int width) const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  SetWindowPos(hwnd_, nullptr, 0, 0, width, rect.bottom - rect.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(hwnd_);
  PumpMessages(20);
}

}  // namespace test
