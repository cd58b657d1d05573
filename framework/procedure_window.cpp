#include "framework/procedure_window.h"

#include "framework/error_manager.h"

namespace fw {

ProcedureWindow::ProcedureWindow(std::string_view procedureName,
                                 const rt::WindowDefinition& definition,
                                 std::span<const rt::Use> uses)
    : WindowManager(definition, uses), procedureName_(procedureName) {}

Level ProcedureWindow::initialise() {
  Errors().setProcedureName(procedureName_);
  if (const Level level = WindowManager::initialise(); level != Level::Benign) {
    return level;
  }
  open();
  if (!opened()) {
    Errors().forgetProcedureName(procedureName_);
    return Level::Notify;
  }
  setUp();
  return Level::Benign;
}

Level ProcedureWindow::terminate() {
  closeDown();
  const Level level = WindowManager::terminate();
  if (level == Level::Benign) {
    Errors().forgetProcedureName(procedureName_);
  }
  return level;
}

}  // namespace fw
