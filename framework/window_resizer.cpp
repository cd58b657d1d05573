#include "framework/window_resizer.h"

namespace fw {
namespace {

Box ClientBox(const rt::Window& window) {
  RECT client{};
  GetClientRect(window.clientHandle(), &client);
  return {0, 0, client.right, client.bottom};
}

Box ControlBox(const rt::Window& window, int field) {
  RECT rect{};
  GetWindowRect(window.handle(field), &rect);
  MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Controls whose height is one line of text; the others (multi-line text, frames, regions)
// grow and shrink with the window.
bool KeepsHeight(const rt::Control& control) {
  switch (control.type()) {
    case rt::ControlType::Text:
    case rt::ControlType::Panel:
    case rt::ControlType::Region:
      return false;
    case rt::ControlType::OptionGroup:
      return !control.definition().boxed;
    default:
      return true;
  }
}

}  // namespace

void WindowResizer::attach(const rt::Window& window) {
  window_ = &window;
  laidOutIn_ = ClientBox(window);
  controls_.clear();
  std::vector<Box> boxes;
  for (int field = window.firstField(); field <= window.lastField(); ++field) {
    const Box box = ControlBox(window, field);
    controls_.push_back({box, KeepsHeight(*window.control(field))});
    boxes.push_back(box);
  }
  enclosers_ = FindEnclosers(boxes);
}

void WindowResizer::resize() const {
  if (!window_) {
    return;
  }
  const std::vector<Box> placed =
      FollowProportionally(controls_, enclosers_, laidOutIn_, ClientBox(*window_));
  for (std::size_t index = 0; index < placed.size(); ++index) {
    const Box& box = placed[index];
    MoveWindow(window_->handle(window_->firstField() + static_cast<int>(index)), box.x, box.y,
               box.width, box.height, TRUE);
  }
}

}  // namespace fw
