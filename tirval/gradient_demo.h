#pragma once

namespace tirval {

// The Gradient Demo window: a two-colour gradient background in one of three layouts, with
// the layout and both colours chosen by the user. Returns when the window has closed.
void GradientDemo();

}  // namespace tirval
