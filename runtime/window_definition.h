#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Window definitions are plain data: each program describes its windows as constexpr
// aggregates and the runtime builds real windows from them. Positions and sizes are in
// dialog units of the window's font.
namespace rt {

inline constexpr int kDefault = -32768;       // position or size left to the runtime
inline constexpr std::int32_t kNoColor = -1;  // inherit the window's own colour
inline constexpr int kRemainingWidth = -1;    // status zone taking the width left over
inline constexpr int kDefaultCharSet = 1;     // DEFAULT_CHARSET
inline constexpr int kFontItalic = 0x1000;    // FontStyle bits above the weight
inline constexpr int kFontUnderline = 0x2000;
inline constexpr int kFontStrikeOut = 0x4000;

// A system colour (a COLOR_* index) as a colour value: negative like kNoColor, so that no one
// takes it for an RGB value.
constexpr std::int32_t SystemColor(int index) {
  return static_cast<std::int32_t>(0x80000000u + static_cast<unsigned>(index));
}

// Control type codes, as a control's Type reports them.
enum class ControlType : int {
  String = 2,
  Region = 4,
  Entry = 8,
  Button = 9,
  Prompt = 10,
  OptionGroup = 11,
  CheckBox = 12,
  SpinBox = 16,
  Text = 17,
  Menu = 19,
  MenuEntry = 20,
  RadioButton = 21,
  Window = 25,
  Panel = 39,
};

// What the runtime does by itself when a menu entry is chosen.
enum class StandardAction {
  None,          // the entry is Accepted by the window's own code
  PrintSetup,    // printer set-up dialog
  CloseWindow,   // close the window that owns the menu
  Cut,           // WM_CUT to the focused control
  Copy,          // WM_COPY to the focused control
  Paste,         // WM_PASTE to the focused control
  Tile,          // tile the MDI children
  Cascade,       // cascade the MDI children
  ArrangeIcons,  // arrange the minimised MDI children
  HelpContents,  // help file contents: the programs name no help file
  HelpSearch,    // help search: the programs name no help file
  HelpOnHelp,    // Windows Help on using help
};

struct FontDefinition {
  std::string_view name;  // empty: the runtime's default font
  int points = 0;
  int style = 0;  // weight (100..1000, 0 = default) plus kFontItalic/Underline/StrikeOut
  int charSet = kDefaultCharSet;
};

enum class MenuItemKind { Entry, Popup, Separator };

struct MenuItemDefinition {
  MenuItemKind kind = MenuItemKind::Entry;
  std::string_view text;  // with '&' before the mnemonic
  std::string_view label;
  int field = 0;             // negative field number; 0 when the entry has none
  std::string_view message;  // shown in the status bar while the entry is highlighted
  StandardAction action = StandardAction::None;
  bool windowList = false;                    // the MDI frame lists its open child windows here
  std::span<const MenuItemDefinition> items;  // a popup's entries
};

struct ControlDefinition {
  ControlType type = ControlType::Prompt;
  std::string_view label;  // "?NAME", or "?NAME:n" to tell same-named controls apart
  std::string_view text;   // caption, or the text a string control shows
  int x = kDefault;
  int y = kDefault;
  int width = kDefault;  // kDefault: as wide as the text needs
  int height = kDefault;
  std::string_view picture;  // "s40": up to 40 characters; "n3": a number of 3 digits
  FontDefinition font;       // no name: the window's font
  std::int32_t fontColor = kNoColor;
  std::int32_t fill = kNoColor;    // region: inside colour
  std::int32_t border = kNoColor;  // region: frame colour
  int rangeLow = 0;                // spin box: range and step
  int rangeHigh = 0;
  int step = 1;
  std::string_view value;  // radio button: the value its option group takes when chosen
  bool hidden = false;
  bool transparent = false;  // the window's background shows through
  bool defaultButton = false;
  bool boxed = false;  // option group: framed, with its text as the frame's title
};

struct WindowDefinition {
  std::string_view name;   // "program$module"
  std::string_view label;  // "P1$WINDOW" or "P1$APPFRAME"
  std::string_view title;
  int x = kDefault;
  int y = kDefault;
  int width = kDefault;
  int height = kDefault;
  bool centred = false;
  bool resizable = false;
  bool systemMenu = false;
  bool maximizeBox = false;
  bool gray = false;              // dialog (button-face) background
  bool doubleFrame = false;       // the fixed dialog frame
  bool applicationFrame = false;  // an MDI frame holding child windows
  // A child window of the process's application frame, inside its client area, owned by the
  // thread that opens it; `centred` centres it in that area.
  bool mdiChild = false;
  FontDefinition font;
  std::int32_t color = kNoColor;     // background colour of its own
  std::span<const int> statusZones;  // zone widths in dialog units; kRemainingWidth for one
  std::span<const MenuItemDefinition> menuBar;
  std::span<const ControlDefinition> controls;
};

}  // namespace rt
