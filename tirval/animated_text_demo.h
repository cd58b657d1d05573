#pragma once

namespace tirval {

// The Animated Text window: two lines that play the letter-spacing animation when the window
// opens and on Animate. Returns when the window has closed.
void AnimatedTextDemo();

}  // namespace tirval
