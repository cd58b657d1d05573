#include "tirval/gradient_demo.h"

#include <cstdint>

#include "effects/window_effects.h"
#include "framework/procedure_window.h"
#include "runtime/color_dialog.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kStyle = 2, kFromSwatch = 6, kSelectFrom = 7, kToSwatch = 8, kSelectTo = 9, kClose };

constexpr char kDialogTitle[] = "Choose From Color";

class GradientDemoManager : public fw::ProcedureWindow {
 public:
  GradientDemoManager(std::span<const rt::Use> uses, fx::WindowEffects& effects,
                      const std::int32_t& style)
      : ProcedureWindow("GradientDemo", kGradientDemoWindow, uses),
        effects_(effects),
        style_(style) {}

 protected:
  fw::Level windowEvent() override {
    const fw::Level level = ProcedureWindow::windowEvent();
    if (event().kind == rt::EventKind::OpenWindow) {
      repaint();
    }
    return level;
  }

  fw::Level accepted() override {
    switch (window()->acceptedField()) {
      case kStyle:  // its variable already holds the new style
        repaint();
        break;
      case kSelectFrom:
        choose(fromColor_, kFromSwatch, false);
        break;
      case kSelectTo:
        choose(toColor_, kToSwatch, true);
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
  void repaint() { effects_.GradientFill(static_cast<std::int16_t>(style_), fromColor_, toColor_); }

  // A confirmed colour shows in its swatch, then in the gradient; a cancelled one changes nothing.
  void choose(std::int32_t& color, int swatch, bool standardColors) {
    const auto chosen = rt::ColorDialog(
        {.title = kDialogTitle, .initial = color, .standardColors = standardColors});
    if (!chosen) {
      return;
    }
    color = *chosen;
    window()->control(swatch)->setFill(color);
    repaint();
  }

  fx::WindowEffects& effects_;
  const std::int32_t& style_;
  std::int32_t fromColor_ = 0xFFFFFF;  // white
  std::int32_t toColor_ = 0x0000FF;    // red
};

}  // namespace

void GradientDemo() {
  std::int32_t style = 1;  // horizontal
  const rt::Use uses[] = {{"?GRADIENTSTYLE", &style}};
  // Its temporary file, the gradient's wallpaper, lives until after the window has closed.
  fx::WindowEffects effects;
  GradientDemoManager manager(uses, effects, style);
  manager.run();
  manager.closeWindow();
}

}  // namespace tirval
