#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control.h"
#include "runtime/dialog_units.h"
#include "runtime/event.h"
#include "runtime/handles.h"
#include "runtime/menu_bar.h"
#include "runtime/variable.h"
#include "runtime/wallpaper.h"
#include "runtime/window_definition.h"

namespace rt {

// A window built from a definition. It becomes the calling thread's current window when it
// opens and stops being current when it closes. Its events are taken one at a time with
// nextEvent(), which runs the thread's message loop in between.
class Window {
 public:
  // Creates the window hidden; its first nextEvent() shows it and delivers OpenWindow.
  // A window opened while another window is current on the thread is owned by it, and the
  // owner takes no input until this one closes. `uses` binds program variables to controls.
  // A window that could not be created (an MDI child without an open frame) has no handle, and
  // its first event is CloseWindow.
  explicit Window(const WindowDefinition& definition, std::span<const Use> uses = {});
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Closes the window: re-enables its owner and destroys it. The application frame first has
  // its children on other threads closed by their threads, and waits for those threads a while.
  ~Window();

  // Waits for the window's next event, dispatching the thread's messages meanwhile.
  Event nextEvent();
  // Queues an event for this window from any thread.
  void post(EventKind kind, int field = 0) const;
  // The field of the most recent Accepted event taken with nextEvent().
  int acceptedField() const { return acceptedField_; }

  const WindowDefinition& definition() const { return definition_; }
  // The Win32 handle of a field: 0 the window itself, negative numbers name no window.
  HWND handle(int field = 0) const;
  // The window that holds the client area: the MDI client of a frame, else the window.
  HWND clientHandle() const { return mdiClient_ ? mdiClient_ : hwnd_; }
  HWND statusBar() const { return statusBar_; }
  const MenuBar& menuBar() const { return menu_; }
  DialogBaseUnits baseUnits() const { return base_; }

  // Field numbers of the first and last control; 0 and -1 when there is none.
  int firstField() const { return controls_.empty() ? 0 : 1; }
  int lastField() const { return controls_.empty() ? -1 : static_cast<int>(controls_.size()); }
  // The control with this field number, or nullptr.
  Control* control(int field) const;
  // The field of the control with this label, or 0.
  int fieldOf(std::string_view label) const;
  ControlType type(int field) const;

  // The window's title, a control's text as the user sees it, or a menu's or entry's text.
  std::string text(int field = 0) const;
  void setText(int field, std::string_view text);

  // Creates a menu (ControlType::Menu) or a menu entry (MenuEntry) at run time, appended to the
  // menu with field `parentField`; returns the new field number, 0 when that is no menu. An
  // entry is Accepted like a defined one; its command id is MenuCommandId(field).
  int createMenuItem(ControlType type, int parentField);
  // Icon of a menu entry: the name of the image shown beside its text ("" for none).
  std::string icon(int field) const;
  void setIcon(int field, std::string_view name);

  // WallPaper: the image painted over the client area (a frame's MDI client area), loaded once
  // here and painted on every erase. A name that loads nothing leaves the plain background.
  const std::string& wallPaper() const { return wallPaper_.name(); }
  // Returns whether an image now shows.
  bool setWallPaper(std::string_view name);
  // Tiled: the wallpaper repeats at its own size; off, it is stretched over the area.
  bool tiled() const { return wallPaper_.tiled(); }
  void setTiled(bool on);

  // Shows every control's variable (field 0) or one control's.
  void display(int field = 0);
  // Copies what every control (field 0) or one control shows into its variable.
  void update(int field = 0);
  void hide(int field);
  void unhide(int field);

  // Positions and sizes are in dialog units unless Pixels is on. A control's are relative to
  // the window's client area; the window's Width and Height are its client area's (a frame's:
  // the area that holds its child windows).
  bool pixels() const { return pixels_; }
  void setPixels(bool on) { pixels_ = on; }
  int xpos(int field = 0) const;
  int ypos(int field = 0) const;
  int width(int field = 0) const;
  int height(int field = 0) const;

  // Moves the window so that xpos() and ypos() read back `x` and `y`.
  void setPosition(int x, int y);
  // Resizes the window so that width() and height() read back `width` and `height`.
  void setSize(int width, int height);
  bool maximized() const { return IsZoomed(hwnd_) != FALSE; }
  bool minimized() const { return IsIconic(hwnd_) != FALSE; }
  // Shows the window maximised.
  void maximize() const { ShowWindow(hwnd_, SW_SHOWMAXIMIZED); }

  // The window procedure that receives the window's messages, and replacing it (subclassing).
  WNDPROC procedure() const;
  void setProcedure(WNDPROC procedure);

  // The window's own background colour: RGB, a SystemColor(), or kNoColor.
  std::int32_t color() const { return color_; }
  void setColor(std::int32_t color);
  // The brush the window's background is painted with.
  HBRUSH backgroundBrush() const;
  // The status bar's text in one zone.
  void setStatusText(int zone, std::string_view text) const;

  // Routes a window message of this window; returns true when it was handled into `result`.
  bool handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The default processing for this kind of window.
  LRESULT defaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;
  // Lets the thread's keyboard interface (MDI keys, dialog navigation) take a message.
  bool translate(MSG& message) const;
  // Paints the wallpaper over the client area of `area` (the window or its MDI client) on
  // WM_ERASEBKGND; false when there is none to paint.
  bool paintWallPaper(HWND area, HDC dc) const;

 private:
  void create();
  void createFrameParts();
  void layoutFrame(int width, int height) const;
  void onMenuCommand(int commandId);
  void onMenuSelect(UINT item, UINT flags, HMENU menu) const;
  void onMdiChildShown(UINT flags) const;
  void onFrameMenuLoop(bool entered);
  void push(Event event);
  void createControls(std::span<const Use> uses);
  void onControlCommand(Control& control, int code);
  void chooseRadio(const Control& radio);
  Control* groupOf(const Control& radio) const;
  Control* controlFor(HWND hwnd) const;
  RECT fieldRect(int field) const;
  void repaintBackground(HWND area) const;
  // The brush that paints, in a control's DC, the window's background under that control.
  HBRUSH backgroundUnder(HWND control, HDC dc) const;
  RECT outerRect() const;
  int toUnitsX(int pixels) const { return pixels_ ? pixels : PixelsToDialogX(pixels, base_); }
  int toUnitsY(int pixels) const { return pixels_ ? pixels : PixelsToDialogY(pixels, base_); }

  const WindowDefinition& definition_;
  MenuBar menu_;
  GdiObject font_;
  DialogBaseUnits base_;
  HWND owner_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND mdiClient_ = nullptr;
  HWND statusBar_ = nullptr;
  bool shown_ = false;
  bool inMenuLoop_ = false;  // a frame whose menu is open
  LPARAM lastSize_ = 0;      // as WM_SIZE and WM_MOVE last reported them
  LPARAM lastPosition_ = 0;
  int acceptedField_ = 0;
  std::deque<Event> events_;
  std::vector<std::unique_ptr<Control>> controls_;
  bool pixels_ = false;
  std::int32_t color_;
  GdiObject colorBrush_;
  WallPaper wallPaper_;
};

// The window whose procedure is running on the calling thread, or nullptr.
Window* CurrentWindow();

}  // namespace rt
