#include "lumboABC/definitions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/menu_entries.h"

namespace lumbo {
namespace {

using rt::MenuItemDefinition;
using rt::MenuItemKind;
using rt::StandardAction;

using FlatEntry = test::MenuEntryRow;
using test::FlattenMenu;

TEST(Definitions, EveryWindowIsNamedForTheProgramWithUniqueMenuFields) {
  for (const rt::WindowDefinition* window : AllWindowDefinitions()) {
    EXPECT_TRUE(window->name.starts_with("lumboABC$")) << window->name;
    EXPECT_EQ(window->applicationFrame, window->label == "P1$APPFRAME");
    std::vector<FlatEntry> entries;
    FlattenMenu(window->menuBar, entries);
    std::set<int> fields;
    for (const FlatEntry& entry : entries) {
      if (entry.field != 0) {
        EXPECT_LT(entry.field, 0) << entry.text;
        EXPECT_TRUE(fields.insert(entry.field).second) << "field " << entry.field << " twice";
      }
    }
  }
}

TEST(Definitions, MainIsTheApplicationFrame) {
  const rt::WindowDefinition& frame = kMainWindow;
  EXPECT_EQ(frame.name, "lumboABC$lumbo001");
  EXPECT_EQ(frame.label, "P1$APPFRAME");
  EXPECT_EQ(frame.title, "Application");
  EXPECT_EQ(frame.width, 310);
  EXPECT_EQ(frame.height, 190);
  EXPECT_EQ(frame.x, rt::kDefault);
  EXPECT_EQ(frame.y, rt::kDefault);
  EXPECT_TRUE(frame.applicationFrame && frame.resizable && frame.systemMenu && frame.maximizeBox);
  EXPECT_FALSE(frame.centred || frame.gray || frame.doubleFrame);
  EXPECT_EQ(frame.color, rt::kNoColor);
  EXPECT_TRUE(frame.font.name.empty());
  EXPECT_EQ(std::vector<int>(frame.statusZones.begin(), frame.statusZones.end()),
            (std::vector<int>{rt::kRemainingWidth, 80, 120, 45}));
  EXPECT_TRUE(frame.controls.empty());
}

TEST(Definitions, MainMenuBarIsExactlyAsTabled) {
  using enum StandardAction;
  const std::vector<FlatEntry> expected = {
      {"&File", "?FILEMENU", -1, "", None},
      {"P&rint Setup...", "?PRINTSETUP", -2, "Setup Printer", PrintSetup},
      {"-", "", 0, "", None},
      {"E&xit", "?EXIT", -3, "Exit this application", CloseWindow},
      {"&Edit", "?EDITMENU", -4, "", None},
      {"Cu&t", "?CUT", -5, "Remove item to Windows Clipboard", Cut},
      {"&Copy", "?COPY", -6, "Copy item to Windows Clipboard", Copy},
      {"&Paste", "?PASTE", -7, "Paste contents of Windows Clipboard", Paste},
      {"&Select Background", "?SELECTBCKGR", -8, "", None},
      {"&Show Window", "?AWINDOW", -9, "", None},  // an entry of the bar itself
      {"&Window", "", 0, "Create and Arrange windows", None},
      {"T&ile", "?TILE", -10, "Make all open windows visible", Tile},
      {"&Cascade", "?CASCADE", -11, "Stack all open windows", Cascade},
      {"&Arrange Icons", "?ARRANGE", -12, "Align all window icons", ArrangeIcons},
      {"&Help", "", 0, "Windows Help", None},
      {"&Contents", "?HELPINDEX", -13, "View the contents of the help file", HelpContents},
      {"&Search for Help On...", "?HELPSEARCH", -14, "Search for help on a subject", HelpSearch},
      {"&How to Use Help", "?HELPONHELP", -15, "How to use Windows Help", HelpOnHelp},
  };
  std::vector<FlatEntry> actual;
  FlattenMenu(kMainWindow.menuBar, actual);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "entry " << i << " " << expected[i].text;
  }
  EXPECT_EQ(kMainWindow.menuBar[2].kind, MenuItemKind::Popup);
  EXPECT_TRUE(kMainWindow.menuBar[2].items.empty());  // filled when the frame opens
  EXPECT_EQ(kMainWindow.menuBar[3].kind, MenuItemKind::Entry);
  EXPECT_TRUE(kMainWindow.menuBar[4].windowList);
  EXPECT_EQ(kSelectBackgroundField, -8);
  EXPECT_EQ(kShowWindowField, -9);
}

}  // namespace
}  // namespace lumbo
