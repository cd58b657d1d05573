#pragma once

#include <array>
#include <string>

#include "lumboABC/catalogue.h"
#include "runtime/window.h"

namespace lumbo {

// The Background menu that the frame builds inside Select Background: one entry per catalogue
// image (its number and menu image), an entry with neither text nor image, and None.
struct BackgroundMenu {
  int menu = 0;
  std::array<int, kCatalogue.size()> images{};  // field numbers, in catalogue order
  int none = 0;

  // Whether choosing `field` applies a background (an image entry or None).
  bool applies(int field) const;
};

// Builds the menu in the frame's Select Background menu and returns its field numbers.
BackgroundMenu BuildBackgroundMenu(rt::Window& frame);

// The wallpaper an image entry or None stands for: an entry with a menu image names catalogue
// entry number Text; one without (None) stands for no wallpaper, "".
std::string WallPaperOfEntry(const rt::Window& frame, int field);

}  // namespace lumbo
