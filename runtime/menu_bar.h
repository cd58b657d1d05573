#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "runtime/window_definition.h"

namespace rt {

// A window's menu bar built from its definition, with the lookups the window needs: which
// entry a command id or a field names, and what the status bar shows for a highlighted entry.
class MenuBar {
 public:
  struct Entry {
    int field = 0;
    std::string_view label;
    std::string_view message;
    StandardAction action = StandardAction::None;
    HMENU parent = nullptr;  // the menu that holds the entry
    HMENU popup = nullptr;   // the entry's own menu when it opens one
  };

  explicit MenuBar(std::span<const MenuItemDefinition> items);
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;
  ~MenuBar();

  // Hands the menu to a window, which then destroys it with itself.
  HMENU attach();
  HMENU handle() const { return bar_; }
  // The popup that lists an MDI frame's child windows, if the definition marks one.
  HMENU windowList() const { return windowList_; }

  const Entry* entryForCommand(int commandId) const;
  const Entry* entryForField(int field) const;
  const Entry* entryForPopup(HMENU popup) const;

 private:
  void append(HMENU menu, std::span<const MenuItemDefinition> items);

  HMENU bar_ = nullptr;
  HMENU windowList_ = nullptr;
  bool attached_ = false;
  std::vector<Entry> entries_;
};

}  // namespace rt
