#include "tirval/animated_window.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "runtime/control_ids.h"
#include "tests/support/animation_recorder.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"

namespace tirval {
namespace {

constexpr char kTitle[] = "Animated Window";
constexpr int kEntry = 2;
constexpr int kCloseButton = 5;

constexpr fx::AnimationFunction kRecorded{test::AnimationRecorder::kLibrary,
                                          test::AnimationRecorder::kFunction};

enum class CloseBy { Button, CloseBox };

struct Seen {
  HWND window = nullptr;
  std::string entry;  // once the window is up
};

// Plays the user: waits for the animated window, reads its entry once it shows `expected`
// (or after a while), then closes the window.
Seen UseWindow(const std::string& expected, CloseBy closeBy) {
  Seen seen;
  test::WaitUntil(
      [&] {
        seen.window = FindWindowA(nullptr, kTitle);
        return seen.window && IsWindowVisible(seen.window);
      },
      5000);
  if (!seen.window) {
    return seen;
  }
  HWND entry = GetDlgItem(seen.window, rt::ControlId(kEntry));
  test::WaitUntil([&] { return test::WindowText(entry) == expected; }, 2000);
  seen.entry = test::WindowText(entry);
  if (closeBy == CloseBy::Button) {
    PostMessageA(GetDlgItem(seen.window, rt::ControlId(kCloseButton)), BM_CLICK, 0, 0);
  } else {
    PostMessageA(seen.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  return seen;
}

std::string EntryText(HWND window) {
  return test::WindowText(GetDlgItem(window, rt::ControlId(kEntry)));
}

TEST(AnimatedWindow, EachAnimationOpensAndClosesWithItsFlagsAndThenShowsItsName) {
  const struct {
    std::uint8_t animation;
    const char* name;
    DWORD openFlags;
    DWORD closeFlags;
  } rows[] = {
      {1, "SLIDE", 0x60005, 0x5000A},
      {2, "EXPAND", 0x20010, 0x10010},
      {3, "TOP TO BOTTOM", 0x20004, 0x10008},
      {4, "LEFT TO RIGHT", 0x20001, 0x10002},
  };
  for (const auto& row : rows) {
    for (const CloseBy closeBy : {CloseBy::Button, CloseBy::CloseBox}) {
      std::vector<std::string> entryWhileAnimating;
      std::vector<bool> visibleWhileAnimating;
      test::AnimationRecorder recorder([&](const test::AnimationCall& call) {
        entryWhileAnimating.push_back(EntryText(call.window));
        visibleWhileAnimating.push_back(IsWindowVisible(call.window));
      });
      Seen seen;
      std::thread user([&] { seen = UseWindow(row.name, closeBy); });
      AnimatedWindow(row.animation, kRecorded);
      user.join();

      ASSERT_NE(seen.window, nullptr) << row.name;
      EXPECT_EQ(seen.entry, row.name);
      const std::vector<test::AnimationCall> expected = {
          {seen.window, 300, row.openFlags},
          {seen.window, 300, row.closeFlags},
      };
      EXPECT_EQ(recorder.calls(), expected) << row.name;
      // Empty while it opens, named when it closes; hidden before, shown before closing.
      EXPECT_EQ(entryWhileAnimating, (std::vector<std::string>{"", row.name})) << row.name;
      EXPECT_EQ(visibleWhileAnimating, (std::vector<bool>{false, true})) << row.name;
      EXPECT_FALSE(IsWindow(seen.window));
    }
  }
}

TEST(AnimatedWindow, OtherNumbersOpenAndClosePlainlyWithoutAName) {
  for (const std::uint8_t animation : {0, 5, 255}) {
    test::AnimationRecorder recorder;
    Seen seen;
    std::thread user([&] { seen = UseWindow("", CloseBy::Button); });
    AnimatedWindow(animation, kRecorded);
    user.join();
    ASSERT_NE(seen.window, nullptr) << int{animation};
    EXPECT_EQ(seen.entry, "");
    EXPECT_TRUE(recorder.calls().empty());
    EXPECT_FALSE(IsWindow(seen.window));
  }
}

TEST(AnimatedWindow, WithoutTheFunctionItSaysSoAndOpensAndClosesAtOnce) {
  for (const CloseBy closeBy : {CloseBy::Button, CloseBy::CloseBox}) {
    Seen seen;
    std::thread user([&] { seen = UseWindow("Your OS doesn't support animation", closeBy); });
    AnimatedWindow(1, {"user32.dll", "NoSuchAnimateWindow"});
    user.join();
    ASSERT_NE(seen.window, nullptr);
    EXPECT_EQ(seen.entry, "Your OS doesn't support animation");
    EXPECT_FALSE(IsWindow(seen.window));
  }
}

}  // namespace
}  // namespace tirval
