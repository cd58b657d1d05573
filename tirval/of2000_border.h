#pragma once

namespace tirval {

// The "Office 2000 style" window: one control of each common kind and a button that gives them
// all a flat border. Returns when the window has closed.
void Of2000Border();

}  // namespace tirval
