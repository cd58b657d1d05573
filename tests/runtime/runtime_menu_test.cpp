// Menus and entries created while the window runs: field numbers, texts, images, choosing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/menu_ids.h"
#include "runtime/window.h"
#include "tests/support/gdi_table.h"

namespace rt {
namespace {

constexpr MenuItemDefinition kFileMenu[] = {
    {.text = "E&xit", .label = "?EXIT", .field = -2, .action = StandardAction::CloseWindow},
};
constexpr MenuItemDefinition kMenuBar[] = {
    {.kind = MenuItemKind::Popup, .text = "&File", .field = -1, .items = kFileMenu},
    {.kind = MenuItemKind::Popup, .text = "&Select", .field = -5},  // empty until run time
    {.text = "&Go", .field = -6},
};
constexpr WindowDefinition kFrame{.name = "test$menus",
                                  .label = "P1$APPFRAME",
                                  .title = "Menus",
                                  .width = 200,
                                  .height = 120,
                                  .applicationFrame = true,
                                  .menuBar = kMenuBar};

HMENU SelectMenu(const Window& frame) {
  return GetSubMenu(GetMenu(frame.handle()), 1);
}

class RunTimeMenus : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(frame.nextEvent().kind, EventKind::OpenWindow); }
  Window frame{kFrame};
};

TEST_F(RunTimeMenus, NewItemsTakeTheNextFieldsBelowTheDefinedOnesInOrder) {
  const int menu = frame.createMenuItem(ControlType::Menu, -5);
  EXPECT_EQ(menu, -7);
  frame.setText(menu, "Background");
  const int first = frame.createMenuItem(ControlType::MenuEntry, menu);
  const int second = frame.createMenuItem(ControlType::MenuEntry, menu);
  const int blank = frame.createMenuItem(ControlType::MenuEntry, menu);
  EXPECT_EQ(first, -8);
  EXPECT_EQ(second, -9);
  EXPECT_EQ(blank, -10);
  frame.setText(first, "1");
  frame.setText(second, "None");
  EXPECT_EQ(frame.type(menu), ControlType::Menu);
  EXPECT_EQ(frame.type(first), ControlType::MenuEntry);

  ASSERT_EQ(GetMenuItemCount(SelectMenu(frame)), 1);
  char text[32] = {};
  GetMenuStringA(SelectMenu(frame), 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Background");
  HMENU background = GetSubMenu(SelectMenu(frame), 0);
  ASSERT_NE(background, nullptr);
  ASSERT_EQ(GetMenuItemCount(background), 3);
  EXPECT_EQ(GetMenuItemID(background, 0), static_cast<UINT>(MenuCommandId(first)));
  EXPECT_EQ(GetMenuItemID(background, 2), static_cast<UINT>(MenuCommandId(blank)));
  EXPECT_EQ(frame.text(menu), "Background");
  EXPECT_EQ(frame.text(first), "1");
  EXPECT_EQ(frame.text(second), "None");
  EXPECT_EQ(frame.text(blank), "");
  // Texts of defined entries read and change the same way, on the bar too.
  EXPECT_EQ(frame.text(-6), "&Go");
  frame.setText(-6, "&Went");
  EXPECT_EQ(frame.text(-6), "&Went");
}

TEST_F(RunTimeMenus, OnlyMenusTakeNewItems) {
  for (int parent : {0, -2, -6, -99, 5}) {
    EXPECT_EQ(frame.createMenuItem(ControlType::MenuEntry, parent), 0) << parent;
  }
  EXPECT_EQ(frame.createMenuItem(ControlType::Button, -5), 0);
  EXPECT_EQ(GetMenuItemCount(SelectMenu(frame)), 0);
  // A refused item uses up no field number.
  EXPECT_EQ(frame.createMenuItem(ControlType::MenuEntry, -5), -7);
}

TEST_F(RunTimeMenus, ChosenEntriesAreAcceptedByTheirField) {
  const int menu = frame.createMenuItem(ControlType::Menu, -1);
  const int entry = frame.createMenuItem(ControlType::MenuEntry, menu);
  const int blank = frame.createMenuItem(ControlType::MenuEntry, menu);
  PostMessageA(frame.handle(), WM_COMMAND, MenuCommandId(entry), 0);
  PostMessageA(frame.handle(), WM_COMMAND, MenuCommandId(blank), 0);
  Event event = frame.nextEvent();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, entry);
  event = frame.nextEvent();
  EXPECT_EQ(event.field, blank);
  EXPECT_EQ(frame.acceptedField(), blank);
}

TEST_F(RunTimeMenus, IconNamesTheImageShownBesideTheEntry) {
  const int menu = frame.createMenuItem(ControlType::Menu, -5);
  const int entry = frame.createMenuItem(ControlType::MenuEntry, menu);
  const int missing = frame.createMenuItem(ControlType::MenuEntry, menu);
  EXPECT_EQ(frame.icon(entry), "");
  frame.setIcon(entry, "~TestMenu.bmp");
  frame.setIcon(missing, "~NoSuchImage.bmp");
  EXPECT_EQ(frame.icon(entry), "~TestMenu.bmp");
  EXPECT_EQ(frame.icon(missing), "~NoSuchImage.bmp");  // the name stays, though nothing shows

  const auto imageOf = [&](int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    GetMenuItemInfoA(GetSubMenu(SelectMenu(frame), 0), position, TRUE, &info);
    return info.hbmpItem;
  };
  HBITMAP shown = imageOf(0);
  ASSERT_NE(shown, nullptr);
  BITMAP size{};
  GetObjectA(shown, sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 32);
  EXPECT_EQ(size.bmHeight, 15);
  EXPECT_EQ(imageOf(1), nullptr);
  frame.setIcon(entry, "");
  EXPECT_EQ(imageOf(0), nullptr);
  EXPECT_EQ(GetObjectType(shown), 0u);  // released with the change
}

TEST_F(RunTimeMenus, ChangingIconsAThousandTimesLeaksNoHandle) {
  const int menu = frame.createMenuItem(ControlType::Menu, -5);
  const int entry = frame.createMenuItem(ControlType::MenuEntry, menu);
  const test::NearlyFullGdiTable table;
  ASSERT_GT(table.filled(), 1000);
  for (int i = 0; i < 1000; ++i) {
    frame.setIcon(entry, i % 2 ? "~TestMenu.bmp" : "~TestTile.gif");
  }
  EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
}

}  // namespace
}  // namespace rt
