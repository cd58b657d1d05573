#include "runtime/menu_bar.h"

#include <string>

#include "runtime/menu_ids.h"

namespace rt {

MenuBar::MenuBar(std::span<const MenuItemDefinition> items) {
  if (!items.empty()) {
    bar_ = CreateMenu();
    append(bar_, items);
  }
}

MenuBar::~MenuBar() {
  if (bar_ && !attached_) {
    DestroyMenu(bar_);
  }
}

HMENU MenuBar::attach() {
  attached_ = bar_ != nullptr;
  return bar_;
}

void MenuBar::append(HMENU menu, std::span<const MenuItemDefinition> items) {
  for (const MenuItemDefinition& item : items) {
    const std::string text(item.text);
    switch (item.kind) {
      case MenuItemKind::Separator:
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        break;
      case MenuItemKind::Popup: {
        HMENU popup = CreatePopupMenu();
        append(popup, item.items);
        AppendMenuA(menu, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), text.c_str());
        if (item.windowList) {
          windowList_ = popup;
        }
        entries_.push_back({item.field, item.label, item.message, item.action, menu, popup});
        break;
      }
      case MenuItemKind::Entry:
        AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(MenuCommandId(item.field)),
                    text.c_str());
        entries_.push_back({item.field, item.label, item.message, item.action, menu, nullptr});
        break;
    }
  }
}

const MenuBar::Entry* MenuBar::entryForCommand(int commandId) const {
  return IsMenuCommandId(commandId) ? entryForField(MenuFieldFromCommandId(commandId)) : nullptr;
}

const MenuBar::Entry* MenuBar::entryForField(int field) const {
  for (const Entry& entry : entries_) {
    if (entry.field == field && field != 0) {
      return &entry;
    }
  }
  return nullptr;
}

const MenuBar::Entry* MenuBar::entryForPopup(HMENU popup) const {
  for (const Entry& entry : entries_) {
    if (entry.popup == popup && popup != nullptr) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace rt
