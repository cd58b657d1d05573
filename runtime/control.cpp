#include "runtime/control.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "runtime/control_ids.h"
#include "runtime/font.h"

namespace rt {
namespace {

struct Win32Kind {
  const char* className;
  DWORD style;
  DWORD extendedStyle;
};

Win32Kind KindOf(const ControlDefinition& definition) {
  switch (definition.type) {
    case ControlType::String:
      return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlType::Prompt:
      return {"STATIC", SS_LEFT, 0};
    case ControlType::Entry:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlType::SpinBox:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlType::Text:
      return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlType::Button:
      return {"BUTTON",
              static_cast<DWORD>(definition.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                  WS_TABSTOP,
              0};
    case ControlType::CheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlType::RadioButton:
      return {"BUTTON", BS_AUTORADIOBUTTON, 0};
    case ControlType::OptionGroup:
      return definition.boxed ? Win32Kind{"BUTTON", BS_GROUPBOX | WS_GROUP, 0}
                              : Win32Kind{"STATIC", SS_LEFT | WS_GROUP, 0};
    case ControlType::Panel:
      // Only a frame: the window's background shows through it.
      return {"STATIC", SS_ETCHEDFRAME, WS_EX_TRANSPARENT};
    case ControlType::Region:
      return {"STATIC", SS_OWNERDRAW, 0};
    default:
      return {"STATIC", SS_LEFT, 0};
  }
}

bool IsEdit(ControlType type) {
  return type == ControlType::Entry || type == ControlType::Text || type == ControlType::SpinBox;
}

// The most characters a picture lets the user type: "s40" 40, "n3" 3 digits and a sign.
int PictureLength(std::string_view picture) {
  if (picture.size() < 2) {
    return 0;
  }
  int length = 0;
  std::from_chars(picture.data() + 1, picture.data() + picture.size(), length);
  return picture[0] == 'n' ? length + 1 : length;
}

std::string WithoutMnemonics(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      ++i;
    }
    plain += text[i];
  }
  return plain;
}

}  // namespace

Control::Control(const ControlDefinition& definition, int field, HWND parent, HFONT windowFont,
                 const FontDefinition& windowFontDefinition, DialogBaseUnits base)
    : definition_(definition),
      field_(field),
      windowFont_(windowFont),
      fontColor_(definition.fontColor),
      fill_(definition.fill) {
  const FontDefinition& font =
      definition.font.name.empty()
          ? (windowFontDefinition.name.empty() ? kDefaultFont : windowFontDefinition)
          : definition.font;
  fontName_ = font.name;
  fontSize_ = font.points;
  fontStyle_ = font.style;
  if (!definition.font.name.empty()) {
    ownFont_ = CreateDefinedFont(definition.font);
  }
  create(parent, base);
}

Control::~Control() {
  if (spin_) {
    DestroyWindow(spin_);
  }
  if (hwnd_) {
    DestroyWindow(hwnd_);
  }
}

HFONT Control::font() const {
  return ownFont_ ? static_cast<HFONT>(ownFont_.get()) : windowFont_;
}

SIZE Control::naturalSize(const std::string& text) const {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.get(), font());
  const std::string shown = definition_.type == ControlType::Prompt ? WithoutMnemonics(text) : text;
  SIZE size{};
  GetTextExtentPoint32A(screen.get(), shown.c_str(), static_cast<int>(shown.size()), &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.get(), &metrics);
  size.cy = metrics.tmHeight;
  switch (definition_.type) {
    case ControlType::CheckBox:
    case ControlType::RadioButton:
      size.cx += GetSystemMetrics(SM_CXMENUCHECK) + 6;  // the box and the gap before the text
      size.cy = std::max<LONG>(size.cy, GetSystemMetrics(SM_CYMENUCHECK));
      break;
    case ControlType::Button:
      size.cx += 16;
      size.cy += 8;
      break;
    default:
      break;
  }
  return size;
}

void Control::create(HWND parent, DialogBaseUnits base) {
  const Win32Kind kind = KindOf(definition_);
  const std::string text(definition_.text);
  const SIZE natural = naturalSize(text);
  const int x = definition_.x == kDefault ? 0 : DialogToPixelsX(definition_.x, base);
  const int y = definition_.y == kDefault ? 0 : DialogToPixelsY(definition_.y, base);
  const int width =
      definition_.width == kDefault ? natural.cx : DialogToPixelsX(definition_.width, base);
  const int height =
      definition_.height == kDefault ? natural.cy : DialogToPixelsY(definition_.height, base);
  DWORD style = WS_CHILD | kind.style | (definition_.hidden ? 0 : WS_VISIBLE);
  DWORD extendedStyle = kind.extendedStyle | (definition_.transparent ? WS_EX_TRANSPARENT : 0);
  hwnd_ = CreateWindowExA(extendedStyle, kind.className, text.c_str(), style, x, y, width, height,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(field_))),
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
  if (const int length = PictureLength(definition_.picture); length > 0 && IsEdit(type())) {
    SendMessageA(hwnd_, EM_LIMITTEXT, length, 0);
  }
  if (type() == ControlType::SpinBox) {
    spin_ = CreateWindowExA(0, UPDOWN_CLASSA, nullptr,
                            WS_CHILD | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                UDS_NOTHOUSANDS | (definition_.hidden ? 0 : WS_VISIBLE),
                            0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
    SendMessageA(spin_, UDM_SETRANGE32, definition_.rangeLow, definition_.rangeHigh);
    UDACCEL accel{0, static_cast<UINT>(std::max(1, definition_.step))};
    SendMessageA(spin_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  }
}

void Control::display() {
  if (auto* text = std::get_if<std::string*>(&variable_)) {
    setScreenText(**text);
  } else if (auto* number = std::get_if<std::int32_t*>(&variable_)) {
    if (type() == ControlType::SpinBox) {
      setScreenText(std::to_string(**number));
    }
  } else if (auto* byte = std::get_if<std::uint8_t*>(&variable_)) {
    SendMessageA(hwnd_, BM_SETCHECK, **byte ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  edited_ = false;
}

void Control::update() {
  if (auto* text = std::get_if<std::string*>(&variable_)) {
    **text = screenText();
  } else if (auto* number = std::get_if<std::int32_t*>(&variable_)) {
    if (type() == ControlType::SpinBox) {
      const long value = std::strtol(screenText().c_str(), nullptr, 10);
      **number = static_cast<std::int32_t>(
          std::clamp<long>(value, definition_.rangeLow, definition_.rangeHigh));
    }
  } else if (auto* byte = std::get_if<std::uint8_t*>(&variable_)) {
    **byte = SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
  edited_ = false;
}

void Control::displayChoice(std::int32_t groupValue) {
  const bool isChosen = std::atoi(std::string(definition_.value).c_str()) == groupValue;
  SendMessageA(hwnd_, BM_SETCHECK, isChosen ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Control::chosen() const {
  return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Control::show(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  if (spin_) {
    ShowWindow(spin_, visible ? SW_SHOWNA : SW_HIDE);
  }
}

std::string Control::screenText() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Control::setScreenText(std::string_view text) {
  const std::string wanted(text);
  // Setting the same text again would only make the control flicker.
  if (screenText() != wanted) {
    SetWindowTextA(hwnd_, wanted.c_str());
  }
}

void Control::setFont(std::string_view name, int points, int style) {
  ownFont_ = CreateDefinedFont({name, points, style, kDefaultCharSet});
  fontName_ = name;
  fontSize_ = points;
  fontStyle_ = style;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
}

void Control::setFontColor(std::int32_t color) {
  fontColor_ = color;
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setFill(std::int32_t color) {
  fill_ = color;
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateWindow(hwnd_);
}

HBRUSH Control::colour(HDC dc, HBRUSH windowBrush) const {
  // Without a colour of its own a control shows the window text colour, as Windows' default does.
  SetTextColor(dc, fontColor_ != kNoColor ? static_cast<COLORREF>(fontColor_)
                                          : GetSysColor(COLOR_WINDOWTEXT));
  if (IsEdit(type())) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
  }
  if (definition_.transparent) {
    SetBkMode(dc, TRANSPARENT);
    return windowBrush;
  }
  LOGBRUSH brush{};
  GetObjectA(windowBrush, sizeof brush, &brush);
  SetBkColor(dc, brush.lbColor);
  return windowBrush;
}

void Control::drawRegion(const DRAWITEMSTRUCT& item) const {
  RECT area = item.rcItem;
  if (fill_ != kNoColor) {
    GdiObject brush(CreateSolidBrush(static_cast<COLORREF>(fill_)));
    FillRect(item.hDC, &area, static_cast<HBRUSH>(brush.get()));
  }
  if (definition_.border != kNoColor) {
    GdiObject brush(CreateSolidBrush(static_cast<COLORREF>(definition_.border)));
    FrameRect(item.hDC, &area, static_cast<HBRUSH>(brush.get()));
  }
}

}  // namespace rt
