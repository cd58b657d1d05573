#pragma once

#include "runtime/window_definition.h"

namespace rt {

class Window;

// Carries out a menu entry's standard action for the window that owns the menu.
void RunStandardAction(StandardAction action, const Window& window);

}  // namespace rt
