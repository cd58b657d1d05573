#pragma once

#include <span>
#include <string>
#include <string_view>

#include "framework/window_manager.h"

namespace fw {

// The common shape of a window procedure: on initialise it names itself to the error manager,
// runs the base step, opens its window and sets it up; on terminate it closes down, runs the
// base step and, when that succeeds, the error manager forgets its name.
class ProcedureWindow : public WindowManager {
 public:
  ProcedureWindow(std::string_view procedureName, const rt::WindowDefinition& definition,
                  std::span<const rt::Use> uses = {});

 protected:
  Level initialise() override;
  Level terminate() override;
  // Called once the window has opened, before its first event.
  virtual void setUp() {}
  // Called before the base terminate step, while the window still shows.
  virtual void closeDown() {}

 private:
  std::string procedureName_;
};

}  // namespace fw
