#include "tirval/main_frame.h"

#include <array>

#include "framework/error_manager.h"
#include "framework/window_manager.h"
#include "tirval/animated_text_demo.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

// A Demo menu entry and the demo window procedure it runs.
struct DemoEntry {
  int field;
  void (*run)();
};

// The demo windows, each added here as it is built.
constexpr std::array kDemoEntries{
    DemoEntry{-15, AnimatedTextDemo},
};

class MainFrameManager : public fw::WindowManager {
 public:
  using WindowManager::WindowManager;

 protected:
  fw::Level initialise() override {
    fw::Errors().setProcedureName("MainFrame");
    if (const fw::Level level = WindowManager::initialise(); level != fw::Level::Benign) {
      return level;
    }
    open();
    return fw::Level::Benign;
  }

  fw::Level accepted() override {
    const int field = window()->acceptedField();
    for (const DemoEntry& entry : kDemoEntries) {
      if (entry.field == field) {
        // The demo runs its own window here and returns when that window has closed.
        entry.run();
      }
    }
    return WindowManager::accepted();
  }

  fw::Level terminate() override {
    const fw::Level level = WindowManager::terminate();
    if (level == fw::Level::Benign) {
      fw::Errors().forgetProcedureName("MainFrame");
    }
    return level;
  }
};

}  // namespace

void MainFrame() {
  MainFrameManager frame(kMainFrameWindow);
  frame.run();
  frame.closeWindow();
}

}  // namespace tirval
