#include "tirval/of2000_border.h"

#include <cstdint>
#include <string>

#include "effects/window_effects.h"
#include "framework/error_manager.h"
#include "framework/window_manager.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kApply = 3, kClose = 4 };

class Of2000BorderManager : public fw::WindowManager {
 public:
  Of2000BorderManager(std::span<const rt::Use> uses, const fx::WindowEffects& effects)
      : WindowManager(kOf2000BorderWindow, uses), effects_(effects) {}

 protected:
  fw::Level initialise() override {
    fw::Errors().setProcedureName("Of2000Border");
    if (const fw::Level level = WindowManager::initialise(); level != fw::Level::Benign) {
      return level;
    }
    open();
    return fw::Level::Benign;
  }

  fw::Level accepted() override {
    switch (window()->acceptedField()) {
      case kApply:
        // Every control, the pressed button included.
        for (int field = window()->firstField(); field <= window()->lastField(); ++field) {
          effects_.ApplyFlatBorder(field);
        }
        break;
      case kClose:
        postCloseWindow();
        break;
      default:
        break;
    }
    return WindowManager::accepted();
  }

  fw::Level terminate() override {
    const fw::Level level = WindowManager::terminate();
    if (level == fw::Level::Benign) {
      fw::Errors().forgetProcedureName("Of2000Border");
    }
    return level;
  }

 private:
  const fx::WindowEffects& effects_;
};

}  // namespace

void Of2000Border() {
  std::string sample = "Try that Office 2000 feel. Press the button.";
  std::string entry;
  std::uint8_t checked = 0;
  const rt::Use uses[] = {{"?STRTEXT", &sample}, {"?ENTRYFIELD", &entry}, {"?CHECKBOX", &checked}};
  // Its temporary file exists exactly while the window is open.
  const fx::WindowEffects effects;
  Of2000BorderManager manager(uses, effects);
  manager.run();
  manager.closeWindow();
}

}  // namespace tirval
