#pragma once

#include <vector>

#include "framework/proportional_layout.h"
#include "runtime/window.h"

namespace fw {

// Makes a window's controls follow the window proportionally when the user resizes it: each
// control keeps its share of the client area, or of the control that encloses it (a panel, a
// group box), so it stays inside that one; single-line controls keep their height. Registered
// with the window's WindowManager, which calls resize() on each Sized event.
class WindowResizer {
 public:
  // Takes the window's controls as they are placed now as the layout to follow and works out
  // which control encloses which. Called once the window has opened.
  void attach(const rt::Window& window);
  // Moves and sizes the controls for the window's current client area.
  void resize() const;

 private:
  const rt::Window* window_ = nullptr;
  Box laidOutIn_;
  std::vector<LaidOutControl> controls_;
  std::vector<int> enclosers_;
};

}  // namespace fw
