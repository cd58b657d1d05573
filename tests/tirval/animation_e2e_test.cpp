// The Animation demos of the real tirval.exe, chosen from the Demo menu and closed as a user
// does. Wine's AnimateWindow only shows and hides: the flags are checked in-process.
#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/control_ids.h"
#include "runtime/menu_ids.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"
#include "tests/tirval/e2e.h"

namespace {

constexpr char kFrameTitle[] = "Animation Effects Demo";
constexpr char kTitle[] = "Animated Window";
constexpr int kEntry = 2;
constexpr int kCloseButton = 5;

TEST(TirvalAnimation, EachEntryShowsItsNameAndClosesByButtonAndByCloseBox) {
  test::LaunchedProgram program(test::TirvalExecutable());
  HWND frame = program.findWindow(kFrameTitle);
  ASSERT_NE(frame, nullptr);
  const struct {
    int field;
    const char* name;
  } entries[] = {
      {-11, "SLIDE"},
      {-10, "EXPAND"},
      {-13, "TOP TO BOTTOM"},
      {-12, "LEFT TO RIGHT"},
  };
  for (const auto& entry : entries) {
    for (const bool byButton : {true, false}) {
      PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(entry.field), 0);
      HWND window = program.findWindow(kTitle);
      ASSERT_NE(window, nullptr) << entry.name;
      HWND name = GetDlgItem(window, rt::ControlId(kEntry));
      EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(name) == entry.name; }, 3000))
          << entry.name << ": " << test::WindowText(name);
      EXPECT_EQ(GetWindow(window, GW_OWNER), frame);
      EXPECT_FALSE(IsWindowEnabled(frame)) << "the demo window is modal";
      if (byButton) {
        PostMessageA(GetDlgItem(window, rt::ControlId(kCloseButton)), BM_CLICK, 0, 0);
      } else {
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(window); }, 3000))
          << entry.name << (byButton ? " by button" : " by close box");
      EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 3000));
      // Hidden by its closing animation, the window hands the activation back to the frame.
      EXPECT_TRUE(test::WaitUntil([&] { return GetForegroundWindow() == frame; }, 3000));
    }
  }
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
}

}  // namespace
