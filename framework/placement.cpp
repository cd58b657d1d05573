// The INI manager's placement of windows.
#include <charconv>
#include <optional>
#include <string>

#include "framework/ini_manager.h"
#include "runtime/window.h"

namespace fw {
namespace {

constexpr char kMaximize[] = "Maximize";
constexpr char kXPos[] = "XPos";
constexpr char kYPos[] = "YPos";
constexpr char kWidth[] = "Width";
constexpr char kHeight[] = "Height";

std::optional<int> ParseNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

// Placements are kept in dialog units whatever the program set Pixels to meanwhile.
class DialogUnitsScope {
 public:
  explicit DialogUnitsScope(rt::Window& window) : window_(window), pixels_(window.pixels()) {
    window_.setPixels(false);
  }
  DialogUnitsScope(const DialogUnitsScope&) = delete;
  DialogUnitsScope& operator=(const DialogUnitsScope&) = delete;
  ~DialogUnitsScope() { window_.setPixels(pixels_); }

 private:
  rt::Window& window_;
  bool pixels_;
};

}  // namespace

void IniManager::fetchPlacement(std::string_view procedure, rt::Window& window) const {
  const DialogUnitsScope units(window);
  const auto value = [&](const char* key) { return ParseNumber(fetch(procedure, key)); };
  const std::optional<int> width = value(kWidth);
  const std::optional<int> height = value(kHeight);
  if (window.definition().resizable && width > 0 && height > 0) {
    window.setSize(*width, *height);
  }
  const std::optional<int> x = value(kXPos);
  const std::optional<int> y = value(kYPos);
  if (x || y) {
    window.setPosition(x.value_or(window.xpos()), y.value_or(window.ypos()));
  }
  if (fetch(procedure, kMaximize) == "Yes") {
    window.maximize();
  }
}

bool IniManager::updatePlacement(std::string_view procedure, rt::Window& window) const {
  if (window.minimized()) {
    return true;
  }
  const DialogUnitsScope units(window);
  const bool maximized = window.maximized();
  bool written = update(procedure, kMaximize, maximized ? "Yes" : "No");
  if (!maximized) {
    written = update(procedure, kXPos, std::to_string(window.xpos())) && written;
    written = update(procedure, kYPos, std::to_string(window.ypos())) && written;
  }
  if (window.definition().resizable) {
    written = update(procedure, kWidth, std::to_string(window.width())) && written;
    written = update(procedure, kHeight, std::to_string(window.height())) && written;
  }
  return written;
}

}  // namespace fw
