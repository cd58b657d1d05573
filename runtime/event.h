#pragma once

// Events that a window's event loop delivers to its procedure.
namespace rt {

enum class EventKind {
  Accepted,     // a control or menu entry was chosen; the event's field names it
  OpenWindow,   // the window has just opened: always its first event
  CloseWindow,  // the window is asked to close (close box, system menu, Exit, a posted event)
  Moved,        // the user moved the window
  Sized,        // the window's size changed
};

struct Event {
  EventKind kind = EventKind::OpenWindow;
  int field = 0;  // the accepted field for Accepted; 0 (the window) for window events
};

}  // namespace rt
