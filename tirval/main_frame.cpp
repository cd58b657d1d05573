#include "tirval/main_frame.h"

#include <array>

#include "framework/procedure_window.h"
#include "tirval/animated_text_demo.h"
#include "tirval/animated_window.h"
#include "tirval/copy_window.h"
#include "tirval/definitions.h"
#include "tirval/gradient_demo.h"
#include "tirval/of2000_border.h"
#include "tirval/screen_capture.h"

namespace tirval {
namespace {

// A Demo menu entry and the demo window procedure it runs.
struct DemoEntry {
  int field;
  void (*run)();
};

// The demo windows, each added here as it is built.
constexpr std::array kDemoEntries{
    DemoEntry{-10, [] { AnimatedWindow(2); }},  // Expand
    DemoEntry{-11, [] { AnimatedWindow(1); }},  // Slide
    DemoEntry{-12, [] { AnimatedWindow(4); }},  // Left to right
    DemoEntry{-13, [] { AnimatedWindow(3); }},  // Top to bottom
    DemoEntry{-14, CopyWindow},
    DemoEntry{-15, AnimatedTextDemo},
    DemoEntry{-17, GradientDemo},
    DemoEntry{-18, Of2000Border},
    DemoEntry{-16, ScreenCapture},
};

class MainFrameManager : public fw::ProcedureWindow {
 public:
  MainFrameManager() : ProcedureWindow("MainFrame", kMainFrameWindow) {}

 protected:
  fw::Level accepted() override {
    const int field = window()->acceptedField();
    for (const DemoEntry& entry : kDemoEntries) {
      if (entry.field == field) {
        // The demo runs its own window here and returns when that window has closed.
        entry.run();
      }
    }
    return ProcedureWindow::accepted();
  }
};

}  // namespace

void MainFrame() {
  MainFrameManager frame;
  frame.run();
  frame.closeWindow();
}

}  // namespace tirval
