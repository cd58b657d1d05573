#pragma once

#include <cstdint>

#include "effects/window_animation.h"

namespace tirval {

// Opens "Animated Window" with animation 1 (slide), 2 (expand), 3 (top to bottom) or
// 4 (left to right), shows the effect's name, and closes it with the reverse effect; returns
// once the window has closed. `function` says where the animation is looked up.
void AnimatedWindow(std::uint8_t animation, fx::AnimationFunction function = {});

}  // namespace tirval
