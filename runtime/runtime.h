#pragma once

#include <windows.h>

namespace rt {

// Starts the runtime for this process: common controls and the runtime's window classes.
// Called once by a program's main routine before it opens any window.
void Start();

// Window class names of the runtime's windows.
inline constexpr char kWindowClass[] = "RuntimeWindow";
inline constexpr char kFrameClass[] = "RuntimeFrame";

// Carries an event posted to a window (wParam: EventKind, lParam: field).
inline constexpr UINT kPostedEventMessage = WM_APP + 1;

}  // namespace rt
