#pragma once

#include <optional>

// Creating, showing, hiding, moving and destroying the application frame's child windows take
// turns across threads. Under Wine 8, two threads doing so at once for windows whose captions
// show an icon deadlock inside the window system; on Windows the turns only keep them in order.
// A thread waiting for its turn goes on answering the messages other threads send it, so the
// thread whose turn it is always gets its answers and finishes.
namespace rt {

class ChildWindowTurn {
 public:
  // Waits for the turn; a thread that has it may take it again.
  ChildWindowTurn();
  ChildWindowTurn(const ChildWindowTurn&) = delete;
  ChildWindowTurn& operator=(const ChildWindowTurn&) = delete;
  ~ChildWindowTurn();
};

// The turn, unless this thread is answering a message another thread sent it: that thread has
// the turn and waits for the answer, so waiting for the turn here would never end.
std::optional<ChildWindowTurn> TurnUnlessAnswering();

}  // namespace rt
