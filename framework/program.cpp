#include "framework/program.h"

#include <windows.h>

#include "framework/error_manager.h"
#include "framework/ini_manager.h"
#include "runtime/runtime.h"

namespace fw {
namespace {

void SetDragFullWindows(UINT on) {
  SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace

void RunProgram(std::string_view iniFileName, void (*frame)()) {
  rt::Start();
  Errors().clear();
  Ini().open(iniFileName);

  // Dragging only an outline keeps dragging fast; a failed read leaves 0 and nothing changes.
  BOOL saved = 0;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &saved, 0);
  if (saved == 1) {
    SetDragFullWindows(0);
  }

  frame();

  if (saved == 1) {
    SetDragFullWindows(1);
  }
  Ini().close();
  Errors().clear();
}

}  // namespace fw
