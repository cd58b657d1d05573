#include "framework/window_manager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/error_manager.h"

namespace fw {
namespace {

constexpr rt::WindowDefinition kWindow{
    .name = "test$steps", .label = "P1$WINDOW", .title = "Steps", .width = 100, .height = 50};

// A window procedure that records its steps in the order the window pattern runs them.
class RecordingWindow : public WindowManager {
 public:
  RecordingWindow() : WindowManager(kWindow) {}
  std::vector<std::string> steps;
  bool failInitialise = false;
  int closeOnAccepted = 0;

 protected:
  Level initialise() override {
    Errors().setProcedureName("Recording");
    if (failInitialise) {
      steps.push_back("initialise failed");
      return Level::Notify;
    }
    if (const Level level = WindowManager::initialise(); level != Level::Benign) {
      return level;
    }
    open();
    steps.push_back("initialise");
    window()->post(rt::EventKind::Accepted, 4);
    window()->post(rt::EventKind::Accepted, closeOnAccepted);
    return Level::Benign;
  }
  Level accepted() override {
    steps.push_back("accepted " + std::to_string(window()->acceptedField()));
    if (window()->acceptedField() == closeOnAccepted) {
      postCloseWindow();
    }
    return WindowManager::accepted();
  }
  Level windowEvent() override {
    const Level level = WindowManager::windowEvent();
    steps.push_back(event().kind == rt::EventKind::OpenWindow    ? "open window"
                    : event().kind == rt::EventKind::CloseWindow ? "close window"
                                                                 : "other event");
    return level;
  }
  Level terminate() override {
    steps.push_back(opened() ? "terminate" : "terminate unopened");
    const Level level = WindowManager::terminate();
    if (level == Level::Benign) {
      Errors().forgetProcedureName("Recording");
    }
    return level;
  }
};

TEST(WindowManager, StepsRunInTheOrderOfTheWindowPattern) {
  RecordingWindow window;
  window.closeOnAccepted = 7;
  window.run();
  const std::vector<std::string> expected = {"initialise", "open window",  "accepted 4",
                                             "accepted 7", "close window", "terminate"};
  EXPECT_EQ(window.steps, expected);
  EXPECT_EQ(window.responseCode(), 0);  // no registered field acted
  // The window stays until the procedure closes it, and the procedure's name is forgotten.
  EXPECT_TRUE(window.opened());
  EXPECT_EQ(Errors().procedureName(), "");
  window.closeWindow();
  EXPECT_FALSE(window.opened());
  EXPECT_EQ(rt::CurrentWindow(), nullptr);
}

TEST(WindowManager, FailedInitialiseOpensNoWindowAndRunsNoOtherStep) {
  RecordingWindow window;
  window.failInitialise = true;
  window.run();
  EXPECT_EQ(window.steps, std::vector<std::string>{"initialise failed"});
  EXPECT_FALSE(window.opened());
  Errors().clear();
}

TEST(WindowManager, CloseBoxEndsTheLoopLikeACloseButton) {
  struct CloseBox : RecordingWindow {
    Level windowEvent() override {
      if (event().kind == rt::EventKind::OpenWindow) {
        PostMessageA(window()->handle(), WM_CLOSE, 0, 0);
      }
      return RecordingWindow::windowEvent();
    }
  } window;
  window.closeOnAccepted = -1;
  window.run();
  EXPECT_EQ(window.steps.back(), "terminate");
  EXPECT_EQ(window.steps[window.steps.size() - 2], "close window");
}

TEST(WindowManager, NestedWindowRunsInsideTheOuterStepAndReturnsToIt) {
  struct Outer : RecordingWindow {
    std::vector<std::string> inner;
    Level accepted() override {
      if (window()->acceptedField() == 4) {
        RecordingWindow nested;
        nested.closeOnAccepted = 9;
        nested.run();
        EXPECT_FALSE(IsWindowEnabled(window()->handle()));
        nested.closeWindow();
        EXPECT_TRUE(IsWindowEnabled(window()->handle()));
        inner = nested.steps;
      }
      return RecordingWindow::accepted();
    }
  } outer;
  outer.closeOnAccepted = 5;
  outer.run();
  outer.closeWindow();
  EXPECT_EQ(outer.inner.back(), "terminate");
  const std::vector<std::string> expected = {"initialise", "open window",  "accepted 4",
                                             "accepted 5", "close window", "terminate"};
  EXPECT_EQ(outer.steps, expected);
}

// A window whose field 6 is registered to close it; it records the fields it was given.
class RegisteredCloseWindow : public WindowManager {
 public:
  RegisteredCloseWindow() : WindowManager(kWindow) {}
  std::vector<int> fields;
  std::vector<int> codes;  // the response code as each field arrived

 protected:
  Level initialise() override {
    if (const Level level = WindowManager::initialise(); level != Level::Benign) {
      return level;
    }
    open();
    registerField(6, Action::Close);
    for (int field : {4, 6, 5}) {
      window()->post(rt::EventKind::Accepted, field);
    }
    return Level::Benign;
  }
  Level accepted() override {
    fields.push_back(window()->acceptedField());
    codes.push_back(responseCode());
    return WindowManager::accepted();
  }
};

TEST(WindowManager, AFieldRegisteredToCloseSetsResponseCodeTwoAndPostsCloseWindow) {
  RegisteredCloseWindow window;
  window.run();
  // Field 6 closes the window through its registration alone; 5 was queued before the close.
  EXPECT_EQ(window.fields, (std::vector<int>{4, 6, 5}));
  EXPECT_EQ(window.codes, (std::vector<int>{0, 0, 2}));
  EXPECT_EQ(window.responseCode(), 2);
  EXPECT_EQ(window.event().kind, rt::EventKind::CloseWindow);
  window.closeWindow();
}

}  // namespace
}  // namespace fw
