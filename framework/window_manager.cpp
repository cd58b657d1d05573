#include "framework/window_manager.h"

#include "framework/window_resizer.h"

namespace fw {

WindowManager::WindowManager(const rt::WindowDefinition& definition, std::span<const rt::Use> uses)
    : definition_(definition), uses_(uses.begin(), uses.end()) {}

WindowManager::~WindowManager() = default;

void WindowManager::run() {
  closing_ = false;
  responseCode_ = 0;
  if (initialise() != Level::Benign) {
    return;
  }
  while (window_ && !closing_) {
    event_ = window_->nextEvent();
    const Level level = event_.kind == rt::EventKind::Accepted ? accepted() : windowEvent();
    if (level == Level::Fatal) {
      closing_ = true;
    }
  }
  terminate();
}

void WindowManager::closeWindow() {
  window_.reset();
}

Level WindowManager::initialise() {
  return window_ ? Level::Fatal : Level::Benign;
}

Level WindowManager::accepted() {
  if (const auto found = registered_.find(window_->acceptedField()); found != registered_.end()) {
    // Close is the one action there is.
    responseCode_ = static_cast<int>(found->second);
    postCloseWindow();
  }
  return Level::Benign;
}

Level WindowManager::windowEvent() {
  if (event_.kind == rt::EventKind::CloseWindow) {
    closing_ = true;
  } else if (event_.kind == rt::EventKind::Sized && resizer_) {
    resizer_->resize();
  }
  return Level::Benign;
}

Level WindowManager::terminate() {
  return window_ ? Level::Benign : Level::Notify;
}

void WindowManager::open() {
  if (!window_) {
    window_ = std::make_unique<rt::Window>(definition_, uses_);
    if (!window_->handle()) {
      window_.reset();  // it could not be created: the window did not open
    }
  }
}

void WindowManager::registerField(int field, Action action) {
  registered_[field] = action;
}

void WindowManager::postCloseWindow() const {
  if (window_) {
    window_->post(rt::EventKind::CloseWindow);
  }
}

}  // namespace fw
