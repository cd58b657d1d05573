#include "tirval/screen_capture.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <string>

#include "effects/bmp_layout.h"
#include "effects/capture.h"
#include "effects/window_effects.h"
#include "framework/procedure_window.h"
#include "runtime/message.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

enum Field { kCaptureWindow = 3, kCaptureClient = 4, kCaptureDesktop = 5, kClose = 6 };

// The entry's variable holds at most 63 characters, as its picture lets the user type.
constexpr std::size_t kCaptureFileLength = 63;

class ScreenCaptureManager : public fw::ProcedureWindow {
 public:
  ScreenCaptureManager(std::span<const rt::Use> uses, std::string& captureFile)
      : ProcedureWindow("ScreenCapture", kScreenCaptureWindow, uses), captureFile_(captureFile) {}

 protected:
  void setUp() override { registerField(kClose, fw::Action::Close); }

  fw::Level accepted() override {
    switch (window()->acceptedField()) {
      case kCaptureWindow:
        captureAndOpen(window()->handle(), fx::CaptureArea::Whole);
        break;
      case kCaptureClient:
        captureAndOpen(window()->clientHandle(), fx::CaptureArea::Client);
        break;
      case kCaptureDesktop:
        captureAndOpen(GetDesktopWindow(), fx::CaptureArea::Whole);
        break;
      default:
        break;
    }
    return ProcedureWindow::accepted();
  }

 private:
  // Captures into the file the entry names now, even if it was never left, and opens the file
  // with the shell. When the file could not be written the user is told, and nothing is opened:
  // an older file of that name is not the new capture.
  void captureAndOpen(HWND source, fx::CaptureArea area) {
    window()->update();
    captureFile_.resize(std::min(captureFile_.size(), kCaptureFileLength));
    const std::string written = fx::bmp::CaptureFileName(captureFile_);
    if (fx::CaptureToBmp(source, area, written)) {
      ShellExecuteA(window()->handle(), "open", written.c_str(), "", "", SW_SHOWNORMAL);
    } else {
      rt::ShowMessage("The file \"" + captureFile_ + "\" could not be written.", "Screen Capture");
    }
  }

  std::string& captureFile_;
};

}  // namespace

void ScreenCapture() {
  std::string captureFile = "cap.bmp";
  const rt::Use uses[] = {{"?CAPTUREFILE", &captureFile}};
  ScreenCaptureManager manager(uses, captureFile);
  // Like every demo window's, its temporary file exists while the window is open; the captures
  // here report whether they wrote their file, so they go to the capture functions themselves.
  std::optional<fx::WindowEffects> effects(std::in_place);
  manager.run();
  effects.reset();
  manager.closeWindow();
}

}  // namespace tirval
