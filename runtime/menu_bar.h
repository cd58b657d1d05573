#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/handles.h"
#include "runtime/window_definition.h"

namespace rt {

// A window's menu bar built from its definition, with the lookups the window needs: which
// entry a command id or a field names, and what the status bar shows for a highlighted entry.
// Menus and entries appended at run time get the next free field numbers below the defined ones.
class MenuBar {
 public:
  struct Entry {
    int field = 0;
    std::string_view label;
    std::string_view message;
    StandardAction action = StandardAction::None;
    HMENU parent = nullptr;  // the menu that holds the entry
    HMENU popup = nullptr;   // the entry's own menu when it opens one
    std::string icon;        // the name of the image shown beside the text
    GdiObject iconImage;     // owned here: a menu does not destroy its items' bitmaps
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

  // Appends a menu (ControlType::Menu) or an entry (MenuEntry), without text, at the end of
  // the menu with field `parentField`; returns its field number, or 0 when that is no menu.
  int append(ControlType type, int parentField);
  // The text of a menu or entry as the menu shows it ("" for an unknown field).
  std::string text(int field) const;
  // Returns false for an unknown field.
  bool setText(int field, std::string_view text);
  // Shows the image of `name` (see image.h) beside the entry; an empty name removes it.
  bool setIcon(int field, std::string_view name);

 private:
  void append(HMENU menu, std::span<const MenuItemDefinition> items);
  Entry* find(int field);
  // The position of the entry's item in the menu that holds it, or -1.
  static int PositionOf(const Entry& entry);

  HMENU bar_ = nullptr;
  HMENU windowList_ = nullptr;
  bool attached_ = false;
  int nextField_ = -1;
  std::vector<Entry> entries_;
};

}  // namespace rt
