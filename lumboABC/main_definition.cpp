#include "lumboABC/definitions.h"

namespace lumbo {
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

constexpr MenuItemDefinition kWindowMenu[] = {
    {.text = "T&ile",
     .label = "?TILE",
     .field = -10,
     .message = "Make all open windows visible",
     .action = StandardAction::Tile},
    {.text = "&Cascade",
     .label = "?CASCADE",
     .field = -11,
     .message = "Stack all open windows",
     .action = StandardAction::Cascade},
    {.text = "&Arrange Icons",
     .label = "?ARRANGE",
     .field = -12,
     .message = "Align all window icons",
     .action = StandardAction::ArrangeIcons},
};

constexpr MenuItemDefinition kHelpMenu[] = {
    {.text = "&Contents",
     .label = "?HELPINDEX",
     .field = -13,
     .message = "View the contents of the help file",
     .action = StandardAction::HelpContents},
    {.text = "&Search for Help On...",
     .label = "?HELPSEARCH",
     .field = -14,
     .message = "Search for help on a subject",
     .action = StandardAction::HelpSearch},
    {.text = "&How to Use Help",
     .label = "?HELPONHELP",
     .field = -15,
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
    // Empty here: the frame fills it with the Background menu when it opens.
    {.kind = MenuItemKind::Popup,
     .text = "&Select Background",
     .label = "?SELECTBCKGR",
     .field = kSelectBackgroundField},
    {.text = "&Show Window", .label = "?AWINDOW", .field = kShowWindowField},
    {.kind = MenuItemKind::Popup,
     .text = "&Window",
     .message = "Create and Arrange windows",
     .windowList = true,
     .items = kWindowMenu},
    {.kind = MenuItemKind::Popup, .text = "&Help", .message = "Windows Help", .items = kHelpMenu},
};

constexpr int kStatusZones[] = {rt::kRemainingWidth, 80, 120, 45};

}  // namespace

constexpr rt::WindowDefinition kMainWindow{
    .name = "lumboABC$lumbo001",
    .label = "P1$APPFRAME",
    .title = "Application",
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
  static constexpr const rt::WindowDefinition* kAll[] = {&kMainWindow, &kSecondaryWindow};
  return kAll;
}

}  // namespace lumbo
