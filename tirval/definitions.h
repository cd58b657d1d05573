#pragma once

#include <span>

#include "runtime/window_definition.h"

namespace tirval {

// The application frame "Animation Effects Demo".
extern const rt::WindowDefinition kMainFrameWindow;
// The Animated Text demo window.
extern const rt::WindowDefinition kAnimatedTextWindow;
// The Gradient Demo window.
extern const rt::WindowDefinition kGradientDemoWindow;
// The Office 2000 Style demo window.
extern const rt::WindowDefinition kOf2000BorderWindow;
// "Animated Window", opened and closed with an animation.
extern const rt::WindowDefinition kAnimatedWindow;
// "Copy File", a file copy handed to the shell.
extern const rt::WindowDefinition kCopyWindow;
// The Screen Capture demo window "Capture Options".
extern const rt::WindowDefinition kScreenCaptureWindow;

// Every window definition of the program.
std::span<const rt::WindowDefinition* const> AllWindowDefinitions();

}  // namespace tirval
