#include "effects/window_animation.h"

#include <mutex>
#include <optional>
#include <unordered_map>

#include "runtime/child_window_turn.h"

namespace fx {
namespace {

// What PrintClientProc needs of the window it sits in front of.
struct Subclass {
  WNDPROC replaced;
  const rt::Window* window;
};

// The subclassed windows of the process, whichever threads they belong to. Looked up on every
// message of a subclassed window, so kept in memory: a window property costs a trip to the
// window server each time under Wine.
class Subclasses {
 public:
  std::optional<Subclass> find(HWND hwnd) {
    const std::lock_guard lock(mutex_);
    const auto found = records_.find(hwnd);
    return found == records_.end() ? std::nullopt : std::optional(found->second);
  }
  // False when the window is subclassed already.
  bool add(HWND hwnd, const Subclass& subclass) {
    const std::lock_guard lock(mutex_);
    return records_.emplace(hwnd, subclass).second;
  }
  std::optional<Subclass> remove(HWND hwnd) {
    const std::lock_guard lock(mutex_);
    const auto found = records_.find(hwnd);
    if (found == records_.end()) {
      return std::nullopt;
    }
    const Subclass subclass = found->second;
    records_.erase(found);
    return subclass;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<HWND, Subclass> records_;
};

Subclasses& AllSubclasses() {
  static Subclasses subclasses;
  return subclasses;
}

using AnimateWindowFunction = BOOL(WINAPI*)(HWND, DWORD, DWORD);

void FillClient(const rt::Window& window, HDC dc) {
  RECT area{};
  GetClientRect(window.clientHandle(), &area);
  const std::int32_t color = window.color();
  // System colours are negative too: like "no colour", they animate in the button face.
  rt::GdiObject brush(
      CreateSolidBrush(color < 0 ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(color)));
  FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
}

FARPROC LookUp(const rt::Module& library, const AnimationFunction& function) {
  return library ? GetProcAddress(library.get(), function.name) : nullptr;
}

void Animate(FARPROC animate, HWND window, DWORD durationMs, DWORD flags) {
  if (animate) {
    // The result is not looked at: a failed animation leaves the window to appear or vanish in
    // the ordinary way.
    reinterpret_cast<AnimateWindowFunction>(reinterpret_cast<void (*)()>(animate))(
        window, durationMs, flags);
  }
}

void AnimateOnce(rt::Window& window, DWORD durationMs, DWORD flags,
                 const AnimationFunction& function) {
  // Showing and hiding a child window of the frame waits for its turn among the threads.
  std::optional<rt::ChildWindowTurn> turn;
  if (window.definition().mdiChild) {
    turn.emplace();
  }
  SubclassWithPrintClient(window);
  const rt::Module library(LoadLibraryA(function.library));
  Animate(LookUp(library, function), window.handle(), durationMs, flags);
}

}  // namespace

LRESULT CALLBACK PrintClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The window's last message takes its record with it.
  const std::optional<Subclass> subclass =
      message == WM_NCDESTROY ? AllSubclasses().remove(hwnd) : AllSubclasses().find(hwnd);
  if (!subclass) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  if (message == WM_PRINTCLIENT) {
    FillClient(*subclass->window, reinterpret_cast<HDC>(wParam));
  }
  return CallWindowProcA(subclass->replaced, hwnd, message, wParam, lParam);
}

void SubclassWithPrintClient(rt::Window& window) {
  if (AllSubclasses().add(window.handle(), {window.procedure(), &window})) {
    window.setProcedure(PrintClientProc);
  }
}

void RestoreProcedure(rt::Window& window) {
  if (const std::optional<Subclass> subclass = AllSubclasses().remove(window.handle())) {
    window.setProcedure(subclass->replaced);
  }
}

bool KeptAnimation::open(rt::Window& window) {
  window_ = window.handle();
  SubclassWithPrintClient(window);
  library_.reset(LoadLibraryA(function_.library));
  animate_ = LookUp(library_, function_);
  return animate_ != nullptr;
}

void KeptAnimation::play(DWORD durationMs, DWORD flags) const {
  Animate(animate_, window_, durationMs, flags);
}

void KeptAnimation::close(DWORD durationMs, DWORD flags) {
  animate_ = LookUp(library_, function_);
  Animate(animate_, window_, durationMs, flags);
  library_.reset();
  animate_ = nullptr;
}

void AnimateOpening(rt::Window& window, DWORD durationMs, DWORD flags, AnimationFunction function) {
  AnimateOnce(window, durationMs, flags, function);
  RestoreProcedure(window);
}

void AnimateClosing(rt::Window& window, DWORD durationMs, DWORD flags, AnimationFunction function) {
  AnimateOnce(window, durationMs, flags, function);
}

}  // namespace fx
