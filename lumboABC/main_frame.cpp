#include "lumboABC/main_frame.h"

#include "framework/ini_manager.h"
#include "framework/procedure_window.h"
#include "framework/program.h"
#include "lumboABC/background_menu.h"
#include "lumboABC/definitions.h"
#include "lumboABC/saved_background.h"
#include "lumboABC/secondary_window.h"
#include "runtime/message.h"
#include "runtime/process.h"

namespace lumbo {
namespace {

constexpr char kProcedure[] = "Main";
constexpr char kCaption[] = "lumboABC";

class MainManager : public fw::ProcedureWindow {
 public:
  MainManager() : ProcedureWindow(kProcedure, kMainWindow) {}

 protected:
  void setUp() override {
    rt::Window& frame = *window();
    menu_ = BuildBackgroundMenu(frame);
    fw::Ini().fetchPlacement(kProcedure, frame);
    frame.setWallPaper(FetchSavedBackground());
    frame.setTiled(true);
    StartSecondaryWindow();
  }

  fw::Level accepted() override {
    const fw::Level level = ProcedureWindow::accepted();
    const int field = window()->acceptedField();
    if (menu_.applies(field)) {
      apply(field);
    }
    if (field == kShowWindowField) {
      StartSecondaryWindow();
    }
    return level;
  }

  // The frame's place is kept for its next start.
  void closeDown() override {
    if (opened()) {
      fw::Ini().updatePlacement(kProcedure, *window());
    }
  }

 private:
  // Saves the chosen background and restarts the program to show it: the new process reads the
  // choice back. This frame keeps its own wallpaper, and keeps running if the restart fails.
  void apply(int field) {
    GloWallPaper() = WallPaperOfEntry(*window(), field);
    if (!SaveBackground()) {
      rt::ShowMessage(
          "The background could not be saved in lumboABC.INI, so it cannot be shown. The program "
          "goes on with the background it has.",
          kCaption);
      return;
    }
    fw::Ini().updatePlacement(kProcedure, *window());
    // The new process saves the user's drag setting as it finds it: hand it back first.
    fw::RestoreDragFullWindows();
    if (!rt::StartProgram(rt::ProgramFileName())) {
      fw::SuppressDragFullWindows();
      rt::ShowMessage(
          "The background is saved, but lumboABC could not be started again to show it. It "
          "shows the next time the program starts.",
          kCaption);
      return;
    }
    rt::Halt(0);
  }

  BackgroundMenu menu_;
};

}  // namespace

void Main() {
  MainManager frame;
  frame.run();
  frame.closeWindow();
}

}  // namespace lumbo
