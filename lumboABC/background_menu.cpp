#include "lumboABC/background_menu.h"

#include <algorithm>
#include <charconv>

#include "lumboABC/definitions.h"

namespace lumbo {

bool BackgroundMenu::applies(int field) const {
  return field != 0 &&
         (field == none || std::find(images.begin(), images.end(), field) != images.end());
}

BackgroundMenu BuildBackgroundMenu(rt::Window& frame) {
  BackgroundMenu built;
  built.menu = frame.createMenuItem(rt::ControlType::Menu, kSelectBackgroundField);
  frame.setText(built.menu, "Background");
  for (std::size_t n = 0; n < kCatalogue.size(); ++n) {
    const int entry = frame.createMenuItem(rt::ControlType::MenuEntry, built.menu);
    built.images[n] = entry;
    frame.setText(entry, std::to_string(kCatalogue[n].number));
    frame.setIcon(entry, kCatalogue[n].menuImage);
  }
  frame.createMenuItem(rt::ControlType::MenuEntry, built.menu);  // blank: chooses nothing
  built.none = frame.createMenuItem(rt::ControlType::MenuEntry, built.menu);
  frame.setText(built.none, "None");
  return built;
}

std::string WallPaperOfEntry(const rt::Window& frame, int field) {
  if (frame.icon(field).empty()) {
    return {};
  }
  const std::string text = frame.text(field);
  int number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.number == number) {
      return std::string(entry.wallPaper);
    }
  }
  return {};
}

}  // namespace lumbo
