#include "tests/support/pixels.h"

namespace test {

Pixels PixelsOf(HGDIOBJ bitmap) {
  BITMAP size{};
  GetObjectA(bitmap, sizeof size, &size);
  Pixels pixels{size.bmWidth, size.bmHeight, {}};
  pixels.values.resize(static_cast<std::size_t>(pixels.width) * pixels.height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, static_cast<HBITMAP>(bitmap), 0, pixels.height, pixels.values.data(), &info,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (auto& value : pixels.values) {
    value &= 0xFFFFFF;
  }
  return pixels;
}

namespace {

// Copies `width` x `height` pixels from (x, y) of `dc`.
Pixels Copy(HDC dc, int x, int y, int width, int height) {
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  Pixels pixels = PixelsOf(bitmap);
  DeleteObject(bitmap);
  return pixels;
}

}  // namespace

Pixels Erased(HWND window, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SelectObject(dc, previous);
  DeleteDC(dc);
  Pixels pixels = PixelsOf(bitmap);
  DeleteObject(bitmap);
  return pixels;
}

Pixels ClientPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  Pixels pixels = Copy(dc, 0, 0, client.right, client.bottom);
  ReleaseDC(window, dc);
  return pixels;
}

Pixels ScreenPixels(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  HDC screen = GetDC(nullptr);
  Pixels pixels =
      Copy(screen, client.left, client.top, client.right - client.left, client.bottom - client.top);
  ReleaseDC(nullptr, screen);
  return pixels;
}

Average AverageOf(const Pixels& pixels) {
  Average sum;
  for (std::uint32_t value : pixels.values) {
    sum.red += value >> 16 & 0xFF;
    sum.green += value >> 8 & 0xFF;
    sum.blue += value & 0xFF;
  }
  const double count = pixels.values.empty() ? 1.0 : static_cast<double>(pixels.values.size());
  return {sum.red / count, sum.green / count, sum.blue / count};
}

}  // namespace test
