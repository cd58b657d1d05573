#include "lumboABC/definitions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lumbo {
namespace {

using rt::MenuItemDefinition;
using rt::MenuItemKind;
using rt::StandardAction;

struct FlatEntry {
  std::string text;
  std::string label;
  int field;
  std::string message;
  StandardAction action;
  bool popup;
  bool operator==(const FlatEntry&) const = default;
};

void Flatten(std::span<const MenuItemDefinition> items, std::vector<FlatEntry>& out) {
  for (const MenuItemDefinition& item : items) {
    out.push_back({item.kind == MenuItemKind::Separator ? "-" : std::string(item.text),
                   std::string(item.label), item.field, std::string(item.message), item.action,
                   item.kind == MenuItemKind::Popup});
    Flatten(item.items, out);
  }
}

TEST(Definitions, EveryWindowIsNamedForTheProgramWithUniqueMenuFields) {
  for (const rt::WindowDefinition* window : AllWindowDefinitions()) {
    EXPECT_TRUE(window->name.starts_with("lumboABC$")) << window->name;
    EXPECT_EQ(window->applicationFrame, window->label == "P1$APPFRAME");
    std::vector<FlatEntry> entries;
    Flatten(window->menuBar, entries);
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
      {"&File", "?FILEMENU", -1, "", None, true},
      {"P&rint Setup...", "?PRINTSETUP", -2, "Setup Printer", PrintSetup, false},
      {"-", "", 0, "", None, false},
      {"E&xit", "?EXIT", -3, "Exit this application", CloseWindow, false},
      {"&Edit", "?EDITMENU", -4, "", None, true},
      {"Cu&t", "?CUT", -5, "Remove item to Windows Clipboard", Cut, false},
      {"&Copy", "?COPY", -6, "Copy item to Windows Clipboard", Copy, false},
      {"&Paste", "?PASTE", -7, "Paste contents of Windows Clipboard", Paste, false},
      {"&Select Background", "?SELECTBCKGR", -8, "", None, true},
      {"&Show Window", "?AWINDOW", -9, "", None, false},  // an entry of the bar itself
      {"&Window", "", 0, "Create and Arrange windows", None, true},
      {"T&ile", "?TILE", -10, "Make all open windows visible", Tile, false},
      {"&Cascade", "?CASCADE", -11, "Stack all open windows", Cascade, false},
      {"&Arrange Icons", "?ARRANGE", -12, "Align all window icons", ArrangeIcons, false},
      {"&Help", "", 0, "Windows Help", None, true},
      {"&Contents", "?HELPINDEX", -13, "View the contents of the help file", HelpContents, false},
      {"&Search for Help On...", "?HELPSEARCH", -14, "Search for help on a subject", HelpSearch,
       false},
      {"&How to Use Help", "?HELPONHELP", -15, "How to use Windows Help", HelpOnHelp, false},
  };
  std::vector<FlatEntry> actual;
  Flatten(kMainWindow.menuBar, actual);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "entry " << i << " " << expected[i].text;
  }
  EXPECT_TRUE(kMainWindow.menuBar[2].items.empty());  // filled when the frame opens
  EXPECT_TRUE(kMainWindow.menuBar[4].windowList);
  EXPECT_EQ(kSelectBackgroundField, -8);
  EXPECT_EQ(kShowWindowField, -9);
}

}  // namespace
}  // namespace lumbo
