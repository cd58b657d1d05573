#include "runtime/menu_bar.h"

#include <algorithm>
#include <string>

#include "runtime/image.h"
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
    nextField_ = std::min(nextField_, item.field - 1);
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

int MenuBar::append(ControlType type, int parentField) {
  const Entry* parent = entryForField(parentField);
  const bool known = type == ControlType::Menu || type == ControlType::MenuEntry;
  if (!known || !parent || !parent->popup || !IsMenuCommandId(MenuCommandId(nextField_))) {
    return 0;
  }
  HMENU into = parent->popup;
  const int field = nextField_;
  char noText[] = "";
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STRING;
  info.fType = MFT_STRING;
  info.dwTypeData = noText;
  HMENU popup = nullptr;
  if (type == ControlType::Menu) {
    popup = CreatePopupMenu();
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = popup;
  } else {
    info.fMask |= MIIM_ID;
    info.wID = static_cast<UINT>(MenuCommandId(field));
  }
  if (!InsertMenuItemA(into, static_cast<UINT>(GetMenuItemCount(into)), TRUE, &info)) {
    if (popup) {
      DestroyMenu(popup);
    }
    return 0;
  }
  --nextField_;
  entries_.push_back({field, {}, {}, StandardAction::None, into, popup});
  return field;
}

std::string MenuBar::text(int field) const {
  const Entry* entry = entryForField(field);
  const int position = entry ? PositionOf(*entry) : -1;
  if (position < 0) {
    return {};
  }
  const int length =
      GetMenuStringA(entry->parent, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetMenuStringA(entry->parent, static_cast<UINT>(position),
                                                      text.data(), static_cast<int>(text.size()),
                                                      MF_BYPOSITION)));
  return text;
}

bool MenuBar::setText(int field, std::string_view text) {
  const Entry* entry = entryForField(field);
  const int position = entry ? PositionOf(*entry) : -1;
  if (position < 0) {
    return false;
  }
  std::string copy(text);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = copy.data();
  return SetMenuItemInfoA(entry->parent, static_cast<UINT>(position), TRUE, &info) != FALSE;
}

bool MenuBar::setIcon(int field, std::string_view name) {
  Entry* entry = find(field);
  const int position = entry ? PositionOf(*entry) : -1;
  if (position < 0) {
    return false;
  }
  GdiObject image = name.empty() ? GdiObject() : LoadNamedImage(name);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  info.hbmpItem = static_cast<HBITMAP>(image.get());
  SetMenuItemInfoA(entry->parent, static_cast<UINT>(position), TRUE, &info);
  // The menu has let go of the previous image only now.
  entry->iconImage = std::move(image);
  entry->icon = name;
  return true;
}

MenuBar::Entry* MenuBar::find(int field) {
  return const_cast<Entry*>(entryForField(field));
}

int MenuBar::PositionOf(const Entry& entry) {
  const int count = GetMenuItemCount(entry.parent);
  for (int position = 0; position < count; ++position) {
    const bool same = entry.popup ? GetSubMenu(entry.parent, position) == entry.popup
                                  : GetMenuItemID(entry.parent, position) ==
                                        static_cast<UINT>(MenuCommandId(entry.field));
    if (same) {
      return position;
    }
  }
  return -1;
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
