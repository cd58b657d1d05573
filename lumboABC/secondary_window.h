#pragma once

#include "effects/window_animation.h"

namespace lumbo {

// The secondary window `w1`: a child of the frame showing the saved background tiled, which
// grows out of its centre as it opens and shrinks into it as it closes. Runs until it closes.
void w1();

// w1 with the animation function looked up where `function` says; tests record the calls.
void RunSecondaryWindow(fx::AnimationFunction function);

// Starts a `w1` on a new thread of its own and returns at once: the frame never waits for it.
// Returns whether the thread started.
bool StartSecondaryWindow();

}  // namespace lumbo
