#include "tirval/animated_text_demo.h"

#include <cstdint>
#include <optional>

#include "effects/animate_control_text.h"
#include "effects/text_effect.h"
#include "effects/window_effects.h"
#include "framework/procedure_window.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kSampleLine = 1, kHeading = 2, kAnimate = 6, kClose = 7 };

constexpr std::int32_t kStopSpacing = -1;

class AnimatedTextManager : public fw::ProcedureWindow {
 public:
  AnimatedTextManager(std::span<const rt::Use> uses, fx::TextEffect& effect,
                      const std::int32_t& initialSpacing, const std::int32_t& delay)
      : ProcedureWindow("AnimatedTextDemo", kAnimatedTextWindow, uses),
        effect_(effect),
        initialSpacing_(initialSpacing),
        delay_(delay) {}

 protected:
  fw::Level windowEvent() override {
    const fw::Level level = ProcedureWindow::windowEvent();
    if (event().kind == rt::EventKind::OpenWindow) {
      playBothLines();
    }
    return level;
  }

  fw::Level accepted() override {
    switch (window()->acceptedField()) {
      case kAnimate:
        // Enter in a spin box presses Animate without leaving it: take what it shows now.
        window()->update();
        playBothLines();
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
  // The heading first, then the sample line; each shows itself when its animation ends.
  void playBothLines() {
    fx::AnimateControlText(effect_, kHeading, initialSpacing_, kStopSpacing, delay_);
    fx::AnimateControlText(effect_, kSampleLine, initialSpacing_, kStopSpacing, delay_);
  }

  fx::TextEffect& effect_;
  const std::int32_t& initialSpacing_;
  const std::int32_t& delay_;
};

}  // namespace

void AnimatedTextDemo() {
  std::int32_t initialSpacing = 128;
  std::int32_t delay = 5;
  const rt::Use uses[] = {{"?INITIALSPACING", &initialSpacing}, {"?DELAY", &delay}};
  fx::TextEffect textEffect;
  // Its temporary file exists exactly while the window is open; the window uses nothing else.
  std::optional<fx::WindowEffects> windowEffects(std::in_place);
  AnimatedTextManager manager(uses, textEffect, initialSpacing, delay);
  manager.run();
  windowEffects.reset();
  manager.closeWindow();
}

}  // namespace tirval
