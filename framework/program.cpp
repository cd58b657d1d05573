#include "framework/program.h"

#include <windows.h>

#include "framework/error_manager.h"
#include "framework/ini_manager.h"
#include "runtime/runtime.h"

namespace fw {
namespace {

// The drag-full-windows setting as it was at start; a failed read leaves 0 and nothing changes.
BOOL savedDragFullWindows = 0;

void SetDragFullWindows(UINT on) {
  SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace

void RestoreDragFullWindows() {
  if (savedDragFullWindows == 1) {
    SetDragFullWindows(1);
  }
}

void SuppressDragFullWindows() {
  if (savedDragFullWindows == 1) {
    SetDragFullWindows(0);
  }
}

void RunProgram(std::string_view iniFileName, void (*frame)()) {
  rt::Start();
  Errors().clear();
  Ini().open(iniFileName);

  // Dragging only an outline keeps dragging fast.
  savedDragFullWindows = 0;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &savedDragFullWindows, 0);
  SuppressDragFullWindows();

  frame();

  RestoreDragFullWindows();
  Ini().close();
  Errors().clear();
}

}  // namespace fw
