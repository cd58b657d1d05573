#include "tirval/animated_text_demo.h"

#include <cstdint>
#include <optional>

#include "effects/animate_control_text.h"
#include "effects/text_effect.h"
#include "effects/window_effects.h"
#include "framework/error_manager.h"
#include "framework/window_manager.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kSampleLine = 1, kHeading = 2, kAnimate = 6, kClose = 7 };

constexpr std::int32_t kStopSpacing = -1;

class AnimatedTextManager : public fw::WindowManager {
 public:
  AnimatedTextManager(std::span<const rt::Use> uses, fx::TextEffect& effect,
                      const std::int32_t& initialSpacing, const std::int32_t& delay)
      : WindowManager(kAnimatedTextWindow, uses),
        effect_(effect),
        initialSpacing_(initialSpacing),
        delay_(delay) {}

 protected:
  fw::Level initialise() override {
    fw::Errors().setProcedureName("AnimatedTextDemo");
    if (const fw::Level level = WindowManager::initialise(); level != fw::Level::Benign) {
      return level;
    }
    open();
    return fw::Level::Benign;
  }

  fw::Level windowEvent() override {
    const fw::Level level = WindowManager::windowEvent();
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
    return WindowManager::accepted();
  }

  fw::Level terminate() override {
    const fw::Level level = WindowManager::terminate();
    if (level == fw::Level::Benign) {
      fw::Errors().forgetProcedureName("AnimatedTextDemo");
    }
    return level;
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
