#include "tirval/animated_window.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "framework/procedure_window.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

// An animation of the Demo menu: the name it shows and the flags it opens and closes with.
struct Effect {
  std::uint8_t animation;
  std::string_view name;
  DWORD openFlags;
  DWORD closeFlags;
};

constexpr Effect kEffects[] = {
    {1, "SLIDE", AW_ACTIVATE | AW_SLIDE | AW_HOR_POSITIVE | AW_VER_POSITIVE,
     AW_HIDE | AW_SLIDE | AW_HOR_NEGATIVE | AW_VER_NEGATIVE},
    {2, "EXPAND", AW_ACTIVATE | AW_CENTER, AW_HIDE | AW_CENTER},
    {3, "TOP TO BOTTOM", AW_ACTIVATE | AW_VER_POSITIVE, AW_HIDE | AW_VER_NEGATIVE},
    {4, "LEFT TO RIGHT", AW_ACTIVATE | AW_HOR_POSITIVE, AW_HIDE | AW_HOR_NEGATIVE},
};

constexpr DWORD kDurationMs = 300;
constexpr char kNoAnimation[] = "Your OS doesn't support animation";
constexpr int kAnimationTypeField = 2;
constexpr int kCloseButtonField = 5;

const Effect* EffectOf(std::uint8_t animation) {
  const auto* found = std::find_if(std::begin(kEffects), std::end(kEffects),
                                   [&](const Effect& each) { return each.animation == animation; });
  return found == std::end(kEffects) ? nullptr : found;
}

class AnimatedWindowManager : public fw::ProcedureWindow {
 public:
  AnimatedWindowManager(const Effect* effect, fx::AnimationFunction function,
                        std::string& animationType, std::span<const rt::Use> uses)
      : ProcedureWindow("AnimatedWindow", kAnimatedWindow, uses),
        effect_(effect),
        animation_(function),
        animationType_(animationType) {}

 protected:
  void setUp() override {
    if (!animation_.open(*window())) {
      animationType_ = kNoAnimation;
    } else if (effect_) {
      animation_.play(kDurationMs, effect_->openFlags);
      // The name appears only once the window has finished opening.
      animationType_ = effect_->name;
    }
    window()->display(kAnimationTypeField);
  }

  fw::Level accepted() override {
    if (window()->acceptedField() == kCloseButtonField) {
      postCloseWindow();
    }
    return ProcedureWindow::accepted();
  }

  void closeDown() override {
    if (opened() && effect_) {
      animation_.close(kDurationMs, effect_->closeFlags);
    }
  }

 private:
  const Effect* effect_;
  fx::KeptAnimation animation_;
  std::string& animationType_;
};

}  // namespace

void AnimatedWindow(std::uint8_t animation, fx::AnimationFunction function) {
  std::string animationType;
  std::string ts;
  const rt::Use uses[] = {{"?ANIMATIONTYPE", &animationType}, {"?TS", &ts}};
  AnimatedWindowManager manager(EffectOf(animation), function, animationType, uses);
  manager.run();
  manager.closeWindow();
}

}  // namespace tirval
