#pragma once

#include <span>

#include "runtime/window_definition.h"

namespace lumbo {

// The application frame "Application" (field -8 is the menu that receives the backgrounds).
extern const rt::WindowDefinition kMainWindow;
// The secondary window "Window", a child of the frame.
extern const rt::WindowDefinition kSecondaryWindow;

// Menu fields the frame's own steps use.
inline constexpr int kSelectBackgroundField = -8;
inline constexpr int kShowWindowField = -9;

// Every window definition of the program.
std::span<const rt::WindowDefinition* const> AllWindowDefinitions();

}  // namespace lumbo
