#pragma once

#include <span>
#include <string>
#include <vector>

#include "runtime/window_definition.h"

namespace test {

// A menu definition's entry as a row of a table: separators read "-".
struct MenuEntryRow {
  std::string text;
  std::string label;
  int field;
  std::string message;
  rt::StandardAction action;
  bool operator==(const MenuEntryRow&) const = default;
};

// Every entry of a menu bar definition, depth first, in menu order.
inline void FlattenMenu(std::span<const rt::MenuItemDefinition> items,
                        std::vector<MenuEntryRow>& out) {
  for (const rt::MenuItemDefinition& item : items) {
    out.push_back({item.kind == rt::MenuItemKind::Separator ? "-" : std::string(item.text),
                   std::string(item.label), item.field, std::string(item.message), item.action});
    FlattenMenu(item.items, out);
  }
}

}  // namespace test
