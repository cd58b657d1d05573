#include "tirval/definitions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/menu_entries.h"

namespace tirval {
namespace {

using rt::MenuItemDefinition;
using rt::MenuItemKind;
using rt::StandardAction;

using FlatEntry = test::MenuEntryRow;
using test::FlattenMenu;

TEST(Definitions, EveryWindowHasUniqueFieldsAndControlsInsideIt) {
  std::set<std::string> names;
  for (const rt::WindowDefinition* window : AllWindowDefinitions()) {
    EXPECT_TRUE(names.insert(std::string(window->name)).second) << window->name;
    EXPECT_EQ(window->name.substr(0, 7), "tirval$");
    EXPECT_TRUE(window->label == "P1$WINDOW" || window->label == "P1$APPFRAME");
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
    for (const rt::ControlDefinition& control : window->controls) {
      if (control.x != rt::kDefault && control.width != rt::kDefault) {
        EXPECT_LE(control.x + control.width, window->width) << control.label;
      }
      if (control.y != rt::kDefault && control.height != rt::kDefault) {
        EXPECT_LE(control.y + control.height, window->height) << control.label;
      }
      EXPECT_GE(control.x, 0) << control.label;
      EXPECT_GE(control.y, 0) << control.label;
    }
  }
}

TEST(Definitions, MainFrameIsTheApplicationFrame) {
  const rt::WindowDefinition& frame = kMainFrameWindow;
  EXPECT_EQ(frame.name, "tirval$tirva003");
  EXPECT_EQ(frame.title, "Animation Effects Demo");
  EXPECT_EQ(frame.width, 310);
  EXPECT_EQ(frame.height, 190);
  EXPECT_TRUE(frame.applicationFrame && frame.resizable && frame.systemMenu && frame.maximizeBox);
  EXPECT_FALSE(frame.centred);
  EXPECT_EQ(frame.x, rt::kDefault);
  EXPECT_EQ(std::vector<int>(frame.statusZones.begin(), frame.statusZones.end()),
            (std::vector<int>{rt::kRemainingWidth, 80, 120, 45}));
  EXPECT_TRUE(frame.controls.empty());
}

TEST(Definitions, MainFrameMenuBarIsExactlyTheDemoMenu) {
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
      {"&Demo", "?DEMO", -8, "", None},
      {"&Animation", "?DEMOANIMATION", -9, "", None},
      {"&Expand", "?DEMOANIMATIONEXPAND", -10, "", None},
      {"&Slide", "?DEMOANIMATIONSLIDE", -11, "", None},
      {"&Left to right", "?DEMOANIMATIONROLL", -12, "", None},
      {"&Top to bottom", "?DEMOANIMATIONFADE", -13, "", None},
      {"A&nimated Copy", "?DEMOANIMATEDCOPY", -14, "", None},
      {"Animated &Text", "?DEMOANIMATEDTEXT", -15, "", None},
      {"&Screen Capture", "?DEMOSCREENCAPTURE", -16, "", None},
      {"&Gradient Demo", "?DEMOGRADIENTDEMO", -17, "", None},
      {"&Office 2000 Style", "?DEMOTEXTINPROGRESSBAR", -18, "", None},
      {"&Window", "", 0, "Create and Arrange windows", None},
      {"T&ile", "?TILE", -19, "Make all open windows visible", Tile},
      {"&Cascade", "?CASCADE", -20, "Stack all open windows", Cascade},
      {"&Arrange Icons", "?ARRANGE", -21, "Align all window icons", ArrangeIcons},
      {"&Help", "", 0, "Windows Help", None},
      {"&Contents", "?HELPINDEX", -22, "View the contents of the help file", HelpContents},
      {"&Search for Help On...", "?HELPSEARCH", -23, "Search for help on a subject", HelpSearch},
      {"&How to Use Help", "?HELPONHELP", -24, "How to use Windows Help", HelpOnHelp},
  };
  std::vector<FlatEntry> actual;
  FlattenMenu(kMainFrameWindow.menuBar, actual);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "entry " << i << " " << expected[i].text;
  }
  // The Window menu is the one that lists the open child windows.
  EXPECT_TRUE(kMainFrameWindow.menuBar[3].windowList);
}

TEST(Definitions, AnimatedTextWindowHoldsItsNineControlsInOrder) {
  const rt::WindowDefinition& window = kAnimatedTextWindow;
  EXPECT_EQ(window.name, "tirval$tirva004");
  EXPECT_EQ(window.label, "P1$WINDOW");
  EXPECT_EQ(window.title, "Animated Text");
  EXPECT_EQ(window.width, 257);
  EXPECT_EQ(window.height, 89);
  EXPECT_TRUE(window.centred && window.resizable && window.systemMenu && window.gray);
  EXPECT_EQ(window.font.name, "MS Sans Serif");
  EXPECT_EQ(window.font.points, 8);
  EXPECT_EQ(window.font.charSet, 204);

  using enum rt::ControlType;
  struct Expected {
    std::string_view label;
    rt::ControlType type;
    int x, y;
    bool hidden;
  };
  const Expected expected[] = {
      {"?STRING1", String, 8, 17, true},           {"?PROMPT3", String, 8, 6, true},
      {"?INITIALSPACING", SpinBox, 51, 60, false}, {"?DELAY", SpinBox, 115, 60, false},
      {"?PROMPT1:2", Prompt, 91, 60, false},       {"?OKBUTTON", Button, 153, 58, false},
      {"?CANCELBUTTON", Button, 214, 58, false},   {"?BUTTON3", Button, 29, 73, true},
      {"?PROMPT1", Prompt, 3, 60, false},
  };
  ASSERT_EQ(window.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const rt::ControlDefinition& control = window.controls[i];
    EXPECT_EQ(control.label, expected[i].label) << "field " << i + 1;
    EXPECT_EQ(control.type, expected[i].type) << control.label;
    EXPECT_EQ(control.x, expected[i].x) << control.label;
    EXPECT_EQ(control.y, expected[i].y) << control.label;
    EXPECT_EQ(control.hidden, expected[i].hidden) << control.label;
  }

  const rt::ControlDefinition& sample = window.controls[0];
  EXPECT_EQ(sample.font.name, "Verdana");
  EXPECT_EQ(sample.font.points, 18);
  EXPECT_EQ(sample.font.style, 700 | rt::kFontUnderline);
  EXPECT_EQ(sample.fontColor, 128 << 16) << "navy";
  const rt::ControlDefinition& heading = window.controls[1];
  EXPECT_EQ(heading.text, "Animated Text Demo from Vantor");
  EXPECT_EQ(heading.font.points, 9);
  EXPECT_EQ(heading.font.style, 400 | rt::kFontUnderline);
  EXPECT_EQ(heading.font.charSet, 204);
  EXPECT_EQ(heading.fontColor, rt::kNoColor) << "the window's text colour";
  for (const rt::ControlDefinition& spin : {window.controls[2], window.controls[3]}) {
    EXPECT_EQ(spin.picture, "n3");
    EXPECT_EQ(spin.rangeLow, -999);
    EXPECT_EQ(spin.rangeHigh, 999);
    EXPECT_EQ(spin.step, 1);
    EXPECT_EQ(spin.width, 31);
    EXPECT_EQ(spin.height, 10);
  }
  EXPECT_EQ(window.controls[5].text, "&Animate");
  EXPECT_TRUE(window.controls[5].defaultButton);
  EXPECT_EQ(window.controls[6].text, "Close");
}

TEST(Definitions, Office2000StyleWindowHoldsItsSevenControlsInOrder) {
  const rt::WindowDefinition& window = kOf2000BorderWindow;
  EXPECT_EQ(window.name, "tirval$tirva006");
  EXPECT_EQ(window.label, "P1$WINDOW");
  EXPECT_EQ(window.title, "Office 2000 style");
  EXPECT_EQ(window.width, 228);
  EXPECT_EQ(window.height, 91);
  EXPECT_TRUE(window.centred && window.resizable && window.systemMenu && window.gray);
  EXPECT_EQ(window.font.name, "MS Sans Serif");
  EXPECT_EQ(window.font.points, 8);
  EXPECT_EQ(window.font.style, 400);
  EXPECT_EQ(window.font.charSet, 204);

  using enum rt::ControlType;
  constexpr int kNone = rt::kDefault;
  struct Expected {
    std::string_view label;
    rt::ControlType type;
    int x, y, width, height;
    std::string_view text;
  };
  const Expected expected[] = {
      {"?STRTEXT", Text, 10, 1, 202, 30, ""},
      {"?ENTRYFIELD", Entry, 129, 41, 87, 15, ""},
      {"?OKBUTTON", Button, 84, 76, 97, 14, "Apply Office 2000 Style"},
      {"?CANCELBUTTON", Button, 189, 76, 36, 14, "Close"},
      {"?BUTTON3", Button, 12, 39, 55, 14, "Button"},
      {"?PROMPT1", Prompt, 96, 42, kNone, kNone, "Prompt 1"},
      {"?CHECKBOX", CheckBox, 16, 58, 51, 18, "Check Box"},
  };
  ASSERT_EQ(window.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const rt::ControlDefinition& control = window.controls[i];
    EXPECT_EQ(control.label, expected[i].label) << "field " << i + 1;
    EXPECT_EQ(control.type, expected[i].type) << control.label;
    EXPECT_EQ(control.x, expected[i].x) << control.label;
    EXPECT_EQ(control.y, expected[i].y) << control.label;
    EXPECT_EQ(control.width, expected[i].width) << control.label;
    EXPECT_EQ(control.height, expected[i].height) << control.label;
    EXPECT_EQ(control.text, expected[i].text) << control.label;
    EXPECT_EQ(control.defaultButton, i == 2) << control.label;
  }
  EXPECT_EQ(window.controls[1].picture, "s20");
}

struct FlatControl {
  rt::ControlType type;
  std::string label;
  std::string text;
  int x, y, width, height;
  std::string picture;
  bool operator==(const FlatControl&) const = default;
};

std::vector<FlatControl> Flatten(std::span<const rt::ControlDefinition> controls) {
  std::vector<FlatControl> flat;
  for (const rt::ControlDefinition& control : controls) {
    flat.push_back({control.type, std::string(control.label), std::string(control.text), control.x,
                    control.y, control.width, control.height, std::string(control.picture)});
  }
  return flat;
}

TEST(Definitions, DemoWindowsAreCentredGrayWindowsWithTheirControls) {
  using enum rt::ControlType;
  const struct {
    const rt::WindowDefinition* window;
    const char* name;
    const char* title;
    int width;
    int height;
    bool resizable;
    std::vector<FlatControl> controls;
  } windows[] = {
      {&kAnimatedWindow,
       "tirval$tirva002",
       "Animated Window",
       231,
       150,
       false,
       {
           {Prompt, "?PROMPT1", "Animated Window Effects", 55, 6, rt::kDefault, rt::kDefault, ""},
           {Entry, "?ANIMATIONTYPE", "", 40, 26, 137, 10, "s40"},
           {Panel, "?PANEL1", "", 5, 48, 215, 75, ""},
           {Text, "?TS", "", 13, 53, 202, 63, ""},
           {Button, "?CANCELBUTTON", "&Close", 187, 132, 36, 14, ""},
       }},
      {&kCopyWindow,
       "tirval$tirva001",
       "Copy File",
       228,
       91,
       true,
       {
           {Entry, "?SOURCE", "", 57, 18, 139, 10, "s127"},
           {Button, "?LOOKUPFILE", "...", 200, 17, 12, 12, ""},
           {Prompt, "?PROMPT1:2", "Destination", 5, 39, rt::kDefault, rt::kDefault, ""},
           {Entry, "?DEST", "", 57, 39, 139, 10, "s127"},
           {Prompt, "?PROMPT1", "Source File:", 5, 18, rt::kDefault, rt::kDefault, ""},
           {Button, "?OKBUTTON", "Copy", 117, 60, 58, 14, ""},
           {Button, "?CANCELBUTTON", "Close", 181, 60, 36, 14, ""},
       }},
  };
  for (const auto& each : windows) {
    const rt::WindowDefinition& window = *each.window;
    EXPECT_EQ(window.name, each.name);
    EXPECT_EQ(window.title, each.title);
    EXPECT_EQ(window.width, each.width) << each.title;
    EXPECT_EQ(window.height, each.height) << each.title;
    EXPECT_TRUE(window.centred && window.systemMenu && window.gray) << each.title;
    EXPECT_EQ(window.resizable, each.resizable) << each.title;
    EXPECT_EQ(window.doubleFrame, !each.resizable) << each.title;
    // No colour of its own: it animates in the button face.
    EXPECT_EQ(window.color, rt::kNoColor) << each.title;
    EXPECT_EQ(window.font.name, "MS Sans Serif") << each.title;
    EXPECT_EQ(window.font.charSet, 204) << each.title;
    EXPECT_EQ(Flatten(window.controls), each.controls) << each.title;
  }
  const rt::ControlDefinition& heading = kAnimatedWindow.controls[0];
  EXPECT_EQ(heading.font.name, "MS Serif");
  EXPECT_EQ(heading.font.points, 10);
  EXPECT_EQ(heading.font.style, 700);
  EXPECT_EQ(heading.fontColor, 0x800000);
  for (const rt::ControlDefinition& control : kCopyWindow.controls) {
    EXPECT_EQ(control.defaultButton, control.label == "?OKBUTTON") << control.label;
  }
}

TEST(Definitions, GradientDemoHoldsTheStyleChoiceTheSwatchesAndTheirButtons) {
  const rt::WindowDefinition& window = kGradientDemoWindow;
  EXPECT_EQ(window.name, "tirval$tirva005");
  EXPECT_EQ(window.label, "P1$WINDOW");
  EXPECT_EQ(window.title, "Gradient Demo");
  EXPECT_EQ(window.width, 257);
  EXPECT_EQ(window.height, 189);
  EXPECT_TRUE(window.centred && window.resizable && window.systemMenu && window.gray);
  EXPECT_EQ(window.font.name, "MS Sans Serif");
  EXPECT_EQ(window.font.points, 8);
  EXPECT_EQ(window.font.charSet, 204);
  using enum rt::ControlType;
  constexpr int kNone = rt::kDefault;
  const std::vector<FlatControl> expected = {
      {Prompt, "?PROMPT1", "Gradient Demo Window", 39, 10, kNone, kNone, ""},
      {OptionGroup, "?GRADIENTSTYLE", "Gradient Style", 29, 34, 197, 26, ""},
      {RadioButton, "?GRADIENTSTYLE:RADIO1", "Diagonal", 37, 45, kNone, kNone, ""},
      {RadioButton, "?GRADIENTSTYLE:RADIO1:2", "Horizontal", 85, 45, kNone, kNone, ""},
      {RadioButton, "?GRADIENTSTYLE:RADIO1:3", "Vertical", 133, 45, kNone, kNone, ""},
      {Region, "?FRMCLR", "", 38, 82, 32, 32, ""},
      {Button, "?BUTTON2", "Select From Color", 80, 87, 72, 22, ""},
      {Region, "?TOCLR", "", 38, 120, 32, 32, ""},
      {Button, "?BUTTON2:2", "Select To Color", 80, 126, 72, 22, ""},
      {Button, "?CANCELBUTTON", "Close", 217, 171, 36, 14, ""},
  };
  EXPECT_EQ(Flatten(window.controls), expected);
  // The heading and the style choice show the gradient through them.
  for (std::size_t i = 0; i < window.controls.size(); ++i) {
    EXPECT_EQ(window.controls[i].transparent, i < 5) << window.controls[i].label;
  }
  EXPECT_TRUE(window.controls[1].boxed);
  // The radio values are the gradient styles: diagonal, horizontal, vertical.
  EXPECT_EQ(window.controls[2].value, "0");
  EXPECT_EQ(window.controls[3].value, "1");
  EXPECT_EQ(window.controls[4].value, "2");
  const rt::ControlDefinition& heading = window.controls[0];
  EXPECT_EQ(heading.font.name, "MS Sans Serif");
  EXPECT_EQ(heading.font.points, 12);
  EXPECT_EQ(heading.font.style, 700);
  EXPECT_EQ(heading.font.charSet, 204);
  EXPECT_EQ(heading.fontColor, 0x800000) << "navy";
  // The swatches: black frames around white and red.
  EXPECT_EQ(window.controls[5].fill, 0xFFFFFF);
  EXPECT_EQ(window.controls[7].fill, 0x0000FF);
  EXPECT_EQ(window.controls[5].border, 0);
  EXPECT_EQ(window.controls[7].border, 0);
}

TEST(Definitions, ScreenCaptureIsCaptureOptionsWithItsEntryAndFourButtons) {
  const rt::WindowDefinition& window = kScreenCaptureWindow;
  EXPECT_EQ(window.name, "tirval$tirva007");
  EXPECT_EQ(window.label, "P1$WINDOW");
  EXPECT_EQ(window.title, "Capture Options");
  EXPECT_EQ(window.width, 219);
  EXPECT_EQ(window.height, 131);
  EXPECT_TRUE(window.centred && window.resizable && window.gray);
  EXPECT_EQ(window.font.name, "MS Sans Serif");
  EXPECT_EQ(window.font.points, 8);
  EXPECT_TRUE(window.menuBar.empty());
  using enum rt::ControlType;
  const std::vector<FlatControl> expected = {
      {Prompt, "?CAPTUREFILE:PROMPT", "Capture File:", 46, 15, rt::kDefault, rt::kDefault, ""},
      {Entry, "?CAPTUREFILE", "", 90, 15, 82, 10, "s63"},
      {Button, "?CAPTUREWINDOW", "Capture &Window", 41, 33, 131, 14, ""},
      {Button, "?CAPTURECLIENT:2", "C&apture Client Area", 41, 54, 131, 14, ""},
      {Button, "?CAPTUREDESKTOP", "Capture &Desktop", 41, 76, 131, 14, ""},
      {Button, "?CLOSE", "&Close", 41, 102, 131, 14, ""},
  };
  EXPECT_EQ(Flatten(window.controls), expected);
  for (const rt::ControlDefinition& control : window.controls) {
    EXPECT_FALSE(control.defaultButton || control.hidden) << control.label;
  }
}

}  // namespace
}  // namespace tirval
