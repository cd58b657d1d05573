#pragma once

#include <windows.h>

#include "runtime/handles.h"
#include "runtime/window.h"

// Windows that open and close with the system's window animation. The animation function is
// looked up by name each time, never imported, so that a program also runs where it is missing;
// there the windows simply open and close without animation.
//
// While the animation renders its frames it asks the window for its client area with
// WM_PRINTCLIENT; PrintClientProc, put in front of the window's own procedure, answers with the
// window's background colour. The procedure it replaced is kept with each window, so any number
// of windows on any threads can animate at once.
namespace fx {

// Where the animation function is found; tests point it elsewhere.
struct AnimationFunction {
  const char* library = "user32.dll";
  const char* name = "AnimateWindow";
};

// A window procedure: on WM_PRINTCLIENT fills the window's client area on the given DC with the
// window's Color (button face when it has none or a system colour); then passes every message,
// that one included, to the procedure it replaced and returns its result.
LRESULT CALLBACK PrintClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Puts PrintClientProc in front of the window's procedure; a window already behind it is left
// as it is. The window keeps it until RestoreProcedure() or until it is destroyed.
void SubclassWithPrintClient(rt::Window& window);
// Gives a window subclassed with SubclassWithPrintClient() its own procedure back.
void RestoreProcedure(rt::Window& window);

// Animation kept from a window's opening to its closing: the window stays subclassed and the
// library loaded in between. Used by windows that animate on both ends of their life.
class KeptAnimation {
 public:
  explicit KeptAnimation(AnimationFunction function = {}) : function_(function) {}

  // Subclasses the window, loads the library and looks the function up; false when it is
  // missing (the window will then open and close without animation). Run once the window has
  // been created, before it is first shown.
  bool open(rt::Window& window);
  // Plays an animation with the function that open() found; nothing when it was missing.
  void play(DWORD durationMs, DWORD flags) const;
  // Looks the function up again, plays the closing animation when found, and frees the library.
  // Run while the window is still visible, before it is destroyed.
  void close(DWORD durationMs, DWORD flags);

 private:
  AnimationFunction function_;
  HWND window_ = nullptr;
  rt::Module library_;
  FARPROC animate_ = nullptr;
};

// One animation with the window subclassed and the library loaded around it alone; afterwards
// the window has its own procedure again. Plays nothing when the function is missing.
void AnimateOpening(rt::Window& window, DWORD durationMs, DWORD flags,
                    AnimationFunction function = {});
// The closing animation of a window that is destroyed next: like AnimateOpening(), except that
// the window keeps PrintClientProc until it is destroyed.
void AnimateClosing(rt::Window& window, DWORD durationMs, DWORD flags,
                    AnimationFunction function = {});

}  // namespace fx
