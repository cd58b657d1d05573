#include "tirval/of2000_border.h"

#include <cstdint>
#include <string>

#include "effects/window_effects.h"
#include "framework/procedure_window.h"
#include "framework/window_resizer.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kApply = 3, kClose = 4 };

class Of2000BorderManager : public fw::ProcedureWindow {
 public:
  Of2000BorderManager(std::span<const rt::Use> uses, const fx::WindowEffects& effects)
      : ProcedureWindow("Of2000Border", kOf2000BorderWindow, uses), effects_(effects) {}

 protected:
  // The controls follow the window when the user resizes it.
  void setUp() override {
    resizer_.attach(*window());
    registerResizer(resizer_);
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
    return ProcedureWindow::accepted();
  }

 private:
  const fx::WindowEffects& effects_;
  fw::WindowResizer resizer_;
};

}  // namespace

void Of2000Border() {
  std::string sample = "Try that Office 2000 feel. Press the button.";
  std::string entry;
  std::uint8_t checked = 0;
  const rt::Use uses[] = {{"?STRTEXT", &sample}, {"?ENTRYFIELD", &entry}, {"?CHECKBOX", &checked}};
  // Its temporary file lives from before the window opens until after it has closed.
  const fx::WindowEffects effects;
  Of2000BorderManager manager(uses, effects);
  manager.run();
  manager.closeWindow();
}

}  // namespace tirval
