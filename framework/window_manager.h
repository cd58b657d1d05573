#pragma once

#include <map>
#include <memory>
#include <span>
#include <vector>

#include "runtime/event.h"
#include "runtime/window.h"
#include "runtime/window_definition.h"

namespace fw {

class WindowResizer;

// What a step reports: Benign to go on; Notify when it did not do its work; Fatal to stop.
enum class Level { Benign, Notify, Fatal };

// What the window manager does by itself when a registered field is accepted; the value is the
// action's code.
enum class Action : int {
  Close = 2,  // sets the response code to 2 and posts CloseWindow
};

// Runs one window through its life. A window procedure derives from it, overrides the steps
// it needs (each calling the base step where the window pattern says), and calls run().
class WindowManager {
 public:
  // `uses` binds the procedure's variables to the window's controls when it opens.
  explicit WindowManager(const rt::WindowDefinition& definition,
                         std::span<const rt::Use> uses = {});
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;
  virtual ~WindowManager();

  // The initialise step, then the window's events until it closes, then the terminate step.
  void run();
  // Closes the window; the procedure calls it once run() has returned.
  void closeWindow();

  rt::Window* window() const { return window_.get(); }
  bool opened() const { return window_ != nullptr; }
  const rt::Event& event() const { return event_; }
  // The code of the last registered action taken since run() began; 0 when none was.
  int responseCode() const { return responseCode_; }

 protected:
  // Called once before the window's events. The base step checks that the window can open;
  // a derived step names its procedure, calls this, opens the window and sets it up.
  virtual Level initialise();
  // Called for each Accepted event; the accepted field is window()->acceptedField(). The base
  // step takes the action a field was registered with.
  virtual Level accepted();
  // Called for every other event; the base step ends the event loop on CloseWindow and lets a
  // registered resizer follow a Sized event.
  virtual Level windowEvent();
  // Called once after the event loop; Notify when the window never opened.
  virtual Level terminate();

  // Opens the window from the definition; it becomes the thread's current window. When it
  // cannot be created (a child window without its frame), opened() stays false.
  void open();
  // Asks the window to close, as its Close button does.
  void postCloseWindow() const;
  // Has `resizer` move the window's controls whenever the window's size changes.
  void registerResizer(const WindowResizer& resizer) { resizer_ = &resizer; }
  // Makes the base accepted step take `action` whenever `field` is accepted.
  void registerField(int field, Action action);

 private:
  const rt::WindowDefinition& definition_;
  std::vector<rt::Use> uses_;
  std::unique_ptr<rt::Window> window_;
  rt::Event event_;
  bool closing_ = false;
  const WindowResizer* resizer_ = nullptr;
  std::map<int, Action> registered_;
  int responseCode_ = 0;
};

}  // namespace fw
