#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::MenuItemDefinition;
using rt::MenuItemKind;
using rt::StandardAction;

constexpr MenuItemDefinition kFileMenu[] = {
    {.text = "P&rint Setup...",
     .label = "?PRINTSETUP",
     .field = -2,
     .message = "Setup Printer",
     .action = StandardAction::PrintSetup},
    {.kind = MenuItemKind::Separator},
    {.text = "E&xit",
     .label = "?EXIT",
     .field = -3,
     .message = "Exit this application",
     .action = StandardAction::CloseWindow},
};

constexpr MenuItemDefinition kEditMenu[] = {
    {.text = "Cu&t",
     .label = "?CUT",
     .field = -5,
     .message = "Remove item to Windows Clipboard",
     .action = StandardAction::Cut},
    {.text = "&Copy",
     .label = "?COPY",
     .field = -6,
     .message = "Copy item to Windows Clipboard",
     .action = StandardAction::Copy},
    {.text = "&Paste",
     .label = "?PASTE",
     .field = -7,
     .message = "Paste contents of Windows Clipboard",
     .action = StandardAction::Paste},
};

constexpr MenuItemDefinition kAnimationMenu[] = {
    {.text = "&Expand", .label = "?DEMOANIMATIONEXPAND", .field = -10},
    {.text = "&Slide", .label = "?DEMOANIMATIONSLIDE", .field = -11},
    {.text = "&Left to right", .label = "?DEMOANIMATIONROLL", .field = -12},
    {.text = "&Top to bottom", .label = "?DEMOANIMATIONFADE", .field = -13},
};

constexpr MenuItemDefinition kDemoMenu[] = {
    {.kind = MenuItemKind::Popup,
     .text = "&Animation",
     .label = "?DEMOANIMATION",
     .field = -9,
     .items = kAnimationMenu},
    {.text = "A&nimated Copy", .label = "?DEMOANIMATEDCOPY", .field = -14},
    {.text = "Animated &Text", .label = "?DEMOANIMATEDTEXT", .field = -15},
    {.text = "&Screen Capture", .label = "?DEMOSCREENCAPTURE", .field = -16},
    {.text = "&Gradient Demo", .label = "?DEMOGRADIENTDEMO", .field = -17},
    {.text = "&Office 2000 Style", .label = "?DEMOTEXTINPROGRESSBAR", .field = -18},
};

constexpr MenuItemDefinition kWindowMenu[] = {
    {.text = "T&ile",
     .label = "?TILE",
     .field = -19,
     .message = "Make all open windows visible",
     .action = StandardAction::Tile},
    {.text = "&Cascade",
     .label = "?CASCADE",
     .field = -20,
     .message = "Stack all open windows",
     .action = StandardAction::Cascade},
    {.text = "&Arrange Icons",
     .label = "?ARRANGE",
     .field = -21,
     .message = "Align all window icons",
     .action = StandardAction::ArrangeIcons},
};

constexpr MenuItemDefinition kHelpMenu[] = {
    {.text = "&Contents",
     .label = "?HELPINDEX",
     .field = -22,
     .message = "View the contents of the help file",
     .action = StandardAction::HelpContents},
    {.text = "&Search for Help On...",
     .label = "?HELPSEARCH",
     .field = -23,
     .message = "Search for help on a subject",
     .action = StandardAction::HelpSearch},
    {.text = "&How to Use Help",
     .label = "?HELPONHELP",
     .field = -24,
     .message = "How to use Windows Help",
     .action = StandardAction::HelpOnHelp},
};

constexpr MenuItemDefinition kMenuBar[] = {
    {.kind = MenuItemKind::Popup,
     .text = "&File",
     .label = "?FILEMENU",
     .field = -1,
     .items = kFileMenu},
    {.kind = MenuItemKind::Popup,
     .text = "&Edit",
     .label = "?EDITMENU",
     .field = -4,
     .items = kEditMenu},
    {.kind = MenuItemKind::Popup,
     .text = "&Demo",
     .label = "?DEMO",
     .field = -8,
     .items = kDemoMenu},
    {.kind = MenuItemKind::Popup,
     .text = "&Window",
     .message = "Create and Arrange windows",
     .windowList = true,
     .items = kWindowMenu},
    {.kind = MenuItemKind::Popup, .text = "&Help", .message = "Windows Help", .items = kHelpMenu},
};

constexpr int kStatusZones[] = {rt::kRemainingWidth, 80, 120, 45};

}  // namespace

constexpr rt::WindowDefinition kMainFrameWindow{
    .name = "tirval$tirva003",
    .label = "P1$APPFRAME",
    .title = "Animation Effects Demo",
    .width = 310,
    .height = 190,
    .resizable = true,
    .systemMenu = true,
    .maximizeBox = true,
    .applicationFrame = true,
    .statusZones = kStatusZones,
    .menuBar = kMenuBar,
};

std::span<const rt::WindowDefinition* const> AllWindowDefinitions() {
  static constexpr const rt::WindowDefinition* kAll[] = {
      &kMainFrameWindow, &kAnimatedTextWindow,  &kOf2000BorderWindow, &kAnimatedWindow,
      &kCopyWindow,      &kScreenCaptureWindow, &kGradientDemoWindow,
  };
  return kAll;
}

}  // namespace tirval
