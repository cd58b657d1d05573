#pragma once

#include <windows.h>

#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/dialog_units.h"
#include "runtime/event.h"
#include "runtime/handles.h"
#include "runtime/menu_bar.h"
#include "runtime/window_definition.h"

namespace rt {

// A window built from a definition. It becomes the calling thread's current window when it
// opens and stops being current when it closes. Its events are taken one at a time with
// nextEvent(), which runs the thread's message loop in between.
class Window {
 public:
  // Creates the window hidden; its first nextEvent() shows it and delivers OpenWindow.
  // A window opened while another window is current on the thread is owned by it, and the
  // owner takes no input until this one closes.
  explicit Window(const WindowDefinition& definition);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Closes the window: re-enables its owner and destroys it.
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

  std::string text(int field = 0) const;
  void setText(int field, std::string_view text);
  // The status bar's text in one zone.
  void setStatusText(int zone, std::string_view text) const;

  // Routes a window message of this window; returns true when it was handled into `result`.
  bool handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The default processing for this kind of window.
  LRESULT defaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;
  // Lets the thread's keyboard interface (MDI keys, dialog navigation) take a message.
  bool translate(MSG& message) const;

 private:
  void create();
  void createFrameParts();
  void layoutFrame(int width, int height) const;
  void onMenuCommand(int commandId);
  void onMenuSelect(UINT item, UINT flags, HMENU menu) const;
  void push(Event event) { events_.push_back(event); }

  const WindowDefinition& definition_;
  MenuBar menu_;
  GdiObject font_;
  DialogBaseUnits base_;
  HWND owner_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND mdiClient_ = nullptr;
  HWND statusBar_ = nullptr;
  bool shown_ = false;
  LPARAM lastSize_ = 0;  // as WM_SIZE and WM_MOVE last reported them
  LPARAM lastPosition_ = 0;
  int acceptedField_ = 0;
  std::deque<Event> events_;
};

// The window whose procedure is running on the calling thread, or nullptr.
Window* CurrentWindow();

}  // namespace rt
