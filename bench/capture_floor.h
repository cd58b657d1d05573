// The floor of a capture to BMP, shared by the benchmarks that capture: what any capture of a
// client area into a file of a given size has to do.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// One BitBlt of `width` x `height` pixels of `hwnd`'s client area into a freshly created 32-bit
// DIB section, plus one write of `fileSize` bytes to `path`; false when any of it failed.
inline bool CaptureFloor(HWND hwnd, int width, int height, const std::string& path,
                         DWORD fileSize) {
  HDC window = GetDC(hwnd);
  HDC memory = CreateCompatibleDC(window);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height + 1;  // a spare row: room for the bytes of the headers
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, section);
  bool ok = BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  ok = ok && file != INVALID_HANDLE_VALUE && WriteFile(file, bits, fileSize, &written, nullptr) &&
       written == fileSize;
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
  }
  SelectObject(memory, previous);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(hwnd, window);
  return ok;
}

}  // namespace bench
