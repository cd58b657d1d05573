#pragma once

#include <windows.h>

#include <utility>

// Move-only owners of Windows handles: each releases its handle exactly once, on the one path
// out of the scope that holds it.
namespace rt {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(std::exchange(other.handle_, Handle{}));
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{} && handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (*this) {
      Traits::Close(handle_);
    }
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteObject(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DeleteDC(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { FreeLibrary(h); }
};
struct GlobalMemoryTraits {
  using Handle = HGLOBAL;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { GlobalFree(h); }
};
struct KernelObjectTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { CloseHandle(h); }
};
struct FileTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};

using GdiObject = UniqueHandle<GdiObjectTraits>;  // brush, pen, font, bitmap, palette
using MemoryDc = UniqueHandle<MemoryDcTraits>;    // from CreateCompatibleDC
using Module = UniqueHandle<ModuleTraits>;        // from LoadLibrary
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;
using File = UniqueHandle<FileTraits>;                  // from CreateFile
using KernelObject = UniqueHandle<KernelObjectTraits>;  // thread, event, process

// A window's device context (GetDC or GetWindowDC), released with ReleaseDC.
class WindowDc {
 public:
  enum class Area { Client, Whole };
  explicit WindowDc(HWND window, Area area = Area::Client)
      : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&&) = delete;
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) {
      ReleaseDC(window_, dc_);
    }
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context and selects the previous one back on destruction.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(SelectedObject&& other) noexcept
      : dc_(other.dc_), previous_(std::exchange(other.previous_, nullptr)) {}
  SelectedObject& operator=(SelectedObject&&) = delete;
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) {
      SelectObject(dc_, previous_);
    }
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Locks a global memory block for the lifetime of the guard.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  ~GlobalLockGuard() {
    if (data_) {
      GlobalUnlock(block_);
    }
  }
  void* data() const { return data_; }

 private:
  HGLOBAL block_;
  void* data_;
};

}  // namespace rt
