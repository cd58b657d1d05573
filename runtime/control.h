#pragma once

#include <windows.h>

#include <string>

#include "runtime/dialog_units.h"
#include "runtime/handles.h"
#include "runtime/variable.h"
#include "runtime/window_definition.h"

namespace rt {

// One control of a window, created from its definition: its Win32 window, its own font and
// colours, and the program variable it shows.
class Control {
 public:
  // Creates the control inside `parent`, placed in dialog units of `base`.
  Control(const ControlDefinition& definition, int field, HWND parent, HFONT windowFont,
          const FontDefinition& windowFontDefinition, DialogBaseUnits base);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  ~Control();

  int field() const { return field_; }
  const ControlDefinition& definition() const { return definition_; }
  ControlType type() const { return definition_.type; }
  HWND handle() const { return hwnd_; }
  // Whether a Win32 window belongs to this control (a spin box has two).
  bool owns(HWND window) const { return window == hwnd_ || (window && window == spin_); }

  void bind(Variable variable) { variable_ = variable; }
  const Variable& variable() const { return variable_; }
  // Shows the variable's value (an option group's choice is shown by its radio buttons).
  void display();
  // Copies what the control shows into its variable.
  void update();
  // A radio button shows itself chosen when its value is the group's.
  void displayChoice(std::int32_t groupValue);
  bool chosen() const;

  void show(bool visible);
  std::string screenText() const;
  void setScreenText(std::string_view text);

  const std::string& fontName() const { return fontName_; }
  int fontSize() const { return fontSize_; }
  int fontStyle() const { return fontStyle_; }
  std::int32_t fontColor() const { return fontColor_; }
  void setFont(std::string_view name, int points, int style);
  void setFontColor(std::int32_t color);
  std::int32_t fill() const { return fill_; }
  // A region shows its new fill at once.
  void setFill(std::int32_t color);

  // Colours a static, button or edit control as the window paints it (WM_CTLCOLOR*): on
  // `windowBrush`, which for a transparent control paints what lies under it.
  HBRUSH colour(HDC dc, HBRUSH windowBrush) const;
  // Paints a region (owner-drawn).
  void drawRegion(const DRAWITEMSTRUCT& item) const;
  // Whether the user changed the text since the control last showed or took its variable.
  void markEdited() { edited_ = true; }
  bool edited() const { return edited_; }

 private:
  void create(HWND parent, DialogBaseUnits base);
  SIZE naturalSize(const std::string& text) const;
  HFONT font() const;

  const ControlDefinition& definition_;
  int field_;
  HWND hwnd_ = nullptr;
  HWND spin_ = nullptr;  // the up-down arrows of a spin box
  GdiObject ownFont_;
  HFONT windowFont_;
  std::string fontName_;
  int fontSize_ = 0;
  int fontStyle_ = 0;
  std::int32_t fontColor_ = kNoColor;
  std::int32_t fill_ = kNoColor;
  Variable variable_;
  bool edited_ = false;
};

}  // namespace rt
