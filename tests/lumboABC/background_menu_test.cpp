// The Background menu as the frame builds it, checked in the frame's own process.
#include "lumboABC/background_menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "lumboABC/definitions.h"
#include "runtime/menu_ids.h"

namespace lumbo {
namespace {

std::string MenuText(HMENU menu, int position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

HBITMAP MenuImage(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_BITMAP;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info.hbmpItem;
}

class Background : public testing::Test {
 protected:
  void SetUp() override { menu = BuildBackgroundMenu(frame); }
  rt::Window frame{kMainWindow};
  BackgroundMenu menu;
};

TEST_F(Background, MenuSitsOneLevelBelowSelectBackground) {
  HMENU bar = GetMenu(frame.handle());
  ASSERT_EQ(GetMenuItemCount(bar), 6);
  EXPECT_EQ(MenuText(bar, 2), "&Select Background");
  EXPECT_EQ(MenuText(bar, 3), "&Show Window");
  EXPECT_EQ(GetSubMenu(bar, 3), nullptr);  // chosen from the bar itself
  EXPECT_EQ(GetMenuItemID(bar, 3), static_cast<UINT>(rt::MenuCommandId(kShowWindowField)));
  HMENU select = GetSubMenu(bar, 2);
  ASSERT_EQ(GetMenuItemCount(select), 1);
  EXPECT_EQ(MenuText(select, 0), "Background");
  EXPECT_EQ(frame.text(menu.menu), "Background");
  EXPECT_NE(GetSubMenu(select, 0), nullptr);
}

TEST_F(Background, EntriesAreTheNumberedImagesABlankEntryAndNone) {
  HMENU background = GetSubMenu(GetSubMenu(GetMenu(frame.handle()), 2), 0);
  ASSERT_EQ(GetMenuItemCount(background), 23);
  // Run-time fields follow the definition's lowest, -15, in the order the entries were made.
  EXPECT_EQ(menu.menu, -16);
  for (int n = 1; n <= 21; ++n) {
    const int field = menu.images[n - 1];
    EXPECT_EQ(field, -16 - n);
    EXPECT_EQ(MenuText(background, n - 1), std::to_string(n));
    EXPECT_EQ(GetMenuItemID(background, n - 1), static_cast<UINT>(rt::MenuCommandId(field)));
    EXPECT_EQ(frame.icon(field), kCatalogue[n - 1].menuImage);
    HBITMAP image = MenuImage(background, n - 1);
    ASSERT_NE(image, nullptr) << n;
    BITMAP size{};
    GetObjectA(image, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 32) << n;
    EXPECT_EQ(size.bmHeight, 15) << n;
  }
  EXPECT_EQ(MenuText(background, 21), "");  // the blank entry: no text, no image
  EXPECT_EQ(MenuImage(background, 21), nullptr);
  EXPECT_FALSE(GetMenuState(background, 21, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(MenuText(background, 22), "None");
  EXPECT_EQ(MenuImage(background, 22), nullptr);
  EXPECT_EQ(menu.none, -39);
  EXPECT_EQ(frame.icon(menu.none), "");
}

TEST_F(Background, ImageEntriesAndNoneApplyAWallpaperTheBlankEntryNothing) {
  struct Case {
    int field;
    bool applies;
    const char* wallPaper;
  };
  const Case cases[] = {
      {menu.images[0], true, "~BkgndB1.gif"},
      {menu.images[6], true, "~BkgndG1.gif"},
      {menu.images[13], true, "~BkgndG8.gif"},
      {menu.images[14], true, "~BkgndY1.gif"},
      {menu.images[20], true, "~BkgndY7.gif"},
      {menu.none, true, ""},
      {-38, false, ""},  // the blank entry
      {kShowWindowField, false, ""},
      {-3, false, ""},
      {0, false, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(menu.applies(c.field), c.applies) << c.field;
    if (c.applies) {
      EXPECT_EQ(WallPaperOfEntry(frame, c.field), c.wallPaper) << c.field;
    }
  }
}

}  // namespace
}  // namespace lumbo
