#include "framework/procedure_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/error_manager.h"

namespace fw {
namespace {

constexpr rt::WindowDefinition kWindow{.name = "test$procedure",
                                       .label = "P1$WINDOW",
                                       .title = "Procedure",
                                       .width = 100,
                                       .height = 50};

class Procedure : public ProcedureWindow {
 public:
  Procedure() : ProcedureWindow("Procedure", kWindow) {}
  std::vector<std::string> seen;

 protected:
  void setUp() override {
    seen.push_back("set up as " + Errors().procedureName() + (opened() ? ", open" : ""));
    postCloseWindow();
  }
  void closeDown() override {
    seen.push_back("close down, " +
                   std::string(IsWindowVisible(window()->handle()) ? "shown" : "hidden"));
  }
};

TEST(ProcedureWindow, NamesItselfWhileItsWindowLives) {
  Procedure procedure;
  procedure.run();
  const std::vector<std::string> expected = {"set up as Procedure, open", "close down, shown"};
  EXPECT_EQ(procedure.seen, expected);
  EXPECT_EQ(Errors().procedureName(), "");
  procedure.closeWindow();
}

}  // namespace
}  // namespace fw
