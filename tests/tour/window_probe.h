// Looking at another process's windows from outside, as a user sees them: find a window by title,
// wait until it has painted, capture its pixels from the screen, write them as a BMP. Used by the
// screenshot tour and the start-up benchmark; header-only so either can include it without a link
// dependency on the other.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace probe {

// Milliseconds since some fixed point; for deadlines.
inline uint64_t NowMs() {
  return GetTickCount64();
}

inline bool TitleIs(HWND hwnd, const std::string& title) {
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return title == text;
}

// The visible child windows of `parent` titled exactly `title`, topmost first.
inline std::vector<HWND> VisibleChildrenTitled(HWND parent, const std::string& title) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); parent && child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && TitleIs(child, title)) {
      children.push_back(child);
    }
  }
  return children;
}

// Top-level window of process `pid` titled exactly `title`, or one of its descendants (MDI
// children, for example) so titled; nullptr if there is none yet.
inline HWND FindProcessWindow(DWORD pid, const std::string& title) {
  struct Search {
    DWORD pid;
    const std::string* title;
    HWND found = nullptr;
  } search{pid, &title};
  struct Callbacks {
    static BOOL CALLBACK Child(HWND hwnd, LPARAM lp) {
      auto* s = reinterpret_cast<Search*>(lp);
      if (!TitleIs(hwnd, *s->title)) {
        return TRUE;
      }
      s->found = hwnd;
      return FALSE;
    }
    static BOOL CALLBACK TopLevel(HWND hwnd, LPARAM lp) {
      auto* s = reinterpret_cast<Search*>(lp);
      DWORD owner = 0;
      GetWindowThreadProcessId(hwnd, &owner);
      if (owner != s->pid) {
        return TRUE;
      }
      if (TitleIs(hwnd, *s->title)) {
        s->found = hwnd;
        return FALSE;
      }
      EnumChildWindows(hwnd, Child, lp);
      return s->found == nullptr;
    }
  };
  EnumWindows(Callbacks::TopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Waits until FindProcessWindow finds the window; nullptr after `timeoutMs` or once the process
// has ended.
inline HWND WaitForWindow(DWORD pid, const std::string& title, DWORD timeoutMs) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  const uint64_t deadline = NowMs() + timeoutMs;
  HWND hwnd = nullptr;
  while (!(hwnd = FindProcessWindow(pid, title)) && NowMs() <= deadline &&
         !(process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0)) {
    Sleep(5);
  }
  if (process) {
    CloseHandle(process);
  }
  return hwnd;
}

// True when neither the window nor any visible descendant has a pending update region.
inline bool NoPendingPaint(HWND hwnd) {
  if (GetUpdateRect(hwnd, nullptr, FALSE)) {
    return false;
  }
  bool clean = true;
  struct Callbacks {
    static BOOL CALLBACK Child(HWND child, LPARAM lp) {
      if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lp) = false;
        return FALSE;
      }
      return TRUE;
    }
  };
  EnumChildWindows(hwnd, Callbacks::Child, reinterpret_cast<LPARAM>(&clean));
  return clean;
}

// Sends WM_NULL to one window of each thread that owns the window or a visible descendant, and
// returns once every one of them has answered (false if one did not within `timeoutMs`).
inline bool RoundTripAllThreads(HWND hwnd, UINT timeoutMs) {
  struct Threads {
    std::vector<DWORD> ids;
    std::vector<HWND> windows;
    void Add(HWND w) {
      const DWORD id = GetWindowThreadProcessId(w, nullptr);
      for (DWORD known : ids) {
        if (known == id) {
          return;
        }
      }
      ids.push_back(id);
      windows.push_back(w);
    }
  } threads;
  threads.Add(hwnd);
  struct Callbacks {
    static BOOL CALLBACK Child(HWND child, LPARAM lp) {
      if (IsWindowVisible(child)) {
        reinterpret_cast<Threads*>(lp)->Add(child);
      }
      return TRUE;
    }
  };
  EnumChildWindows(hwnd, Callbacks::Child, reinterpret_cast<LPARAM>(&threads));
  for (HWND w : threads.windows) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result)) {
      return false;
    }
  }
  return true;
}

// What "has painted" means for a window of another process, under Wine as on Windows: the window
// is visible, and neither it nor any visible descendant has an update region left, both before and
// after a WM_NULL round trip to every thread owning one of them. Showing a window gives it an
// update region in the same step that makes it visible, and only BeginPaint (or a validation)
// empties it, so "visible and empty" means its WM_PAINT has been handled. The round trip then
// proves each thread went back to its message queue after painting, which is when Wine copies the
// window surface to the X display, so a screen capture taken now shows the painted pixels; the
// second look catches anything invalidated meanwhile. A program that draws outside WM_PAINT (an
// animation) is not covered: what it shows then is whatever it has drawn so far.
inline bool HasPainted(HWND hwnd) {
  return IsWindowVisible(hwnd) && NoPendingPaint(hwnd) && RoundTripAllThreads(hwnd, 1000) &&
         NoPendingPaint(hwnd);
}

inline bool WaitUntilPainted(HWND hwnd, DWORD timeoutMs) {
  const uint64_t deadline = NowMs() + timeoutMs;
  while (!HasPainted(hwnd)) {
    if (!IsWindow(hwnd) || NowMs() > deadline) {
      return false;
    }
    Sleep(1);
  }
  return true;
}

inline bool WaitUntilGone(HWND hwnd, DWORD timeoutMs) {
  const uint64_t deadline = NowMs() + timeoutMs;
  while (IsWindow(hwnd)) {
    if (NowMs() > deadline) {
      return false;
    }
    Sleep(5);
  }
  return true;
}

// A 24-bit image, rows bottom-up and each padded to 4 bytes: the BMP layout as it is on disk.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bits;

  static int Stride(int width) { return (width * 3 + 3) & ~3; }
};

// Reads the pixels of `rect` (screen coordinates) off the screen. Under Wine the screen DC shows
// what the X server shows; PrintWindow cannot serve here, since it hands a DC of this process to a
// window of another one.
inline bool CaptureScreen(RECT rect, Image& out) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) {
    return false;
  }
  HDC screen = GetDC(nullptr);
  if (!screen) {
    return false;
  }
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  bool ok = memory && bitmap;
  if (ok) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory, old);
  }
  if (ok) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    out.width = width;
    out.height = height;
    out.bits.assign(static_cast<size_t>(Image::Stride(width)) * height, 0);
    ok = GetDIBits(memory, bitmap, 0, height, out.bits.data(), &info, DIB_RGB_COLORS) == height;
  }
  if (bitmap) {
    DeleteObject(bitmap);
  }
  if (memory) {
    DeleteDC(memory);
  }
  ReleaseDC(nullptr, screen);
  return ok;
}

inline bool CaptureWindow(HWND hwnd, Image& out) {
  RECT rect;
  return GetWindowRect(hwnd, &rect) && CaptureScreen(rect, out);
}

inline bool WriteBmp(const std::string& path, const Image& image) {
  const DWORD header = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = header;
  file.bfSize = header + static_cast<DWORD>(image.bits.size());
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = image.width;
  info.biHeight = image.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(image.bits.size());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    return false;
  }
  bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
            std::fwrite(&info, sizeof info, 1, f) == 1 &&
            std::fwrite(image.bits.data(), 1, image.bits.size(), f) == image.bits.size();
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

}  // namespace probe
