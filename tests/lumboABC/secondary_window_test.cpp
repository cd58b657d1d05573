// The secondary window w1 in the frame's own process: its animations, and many of them opening
// and closing at once on their threads without leaving anything behind.
#include "lumboABC/secondary_window.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/ini_manager.h"
#include "lumboABC/definitions.h"
#include "runtime/thread.h"
#include "tests/support/animation_recorder.h"
#include "tests/support/gdi_table.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/wait.h"

namespace lumbo {
namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr fx::AnimationFunction kRecorded{test::AnimationRecorder::kLibrary,
                                          test::AnimationRecorder::kFunction};

// A settings file with a saved background, opened for the test's duration.
class SavedSettings {
 public:
  explicit SavedSettings(const char* wallPaper) {
    const std::string path = folder_.file("lumboABC.INI");
    std::ofstream(path) << "[Preserved]\nlumboGLO:WallPaper=" << wallPaper << "\n";
    fw::Ini().open(path);
  }
  SavedSettings(const SavedSettings&) = delete;
  SavedSettings& operator=(const SavedSettings&) = delete;
  ~SavedSettings() { fw::Ini().close(); }

 private:
  test::TemporaryFolder folder_;
};

// The frame on the test's thread, as the program opens it; its children's threads are waited
// for when it closes.
class SecondaryWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(frame->nextEvent().kind, rt::EventKind::OpenWindow); }
  void TearDown() override {
    frame.reset();
    EXPECT_TRUE(rt::WaitForStartedThreads(kTimeoutMs));
  }

  std::vector<HWND> Children() const {
    std::vector<HWND> children;
    for (HWND child = GetWindow(frame->clientHandle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
      children.push_back(child);
    }
    return children;
  }

  // Starts `count` windows at once and closes each the moment it appears, some while others
  // are still opening; returns without waiting for them to end.
  void OpenAndCloseAtOnce(int count) {
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(StartSecondaryWindow());
    }
    int seen = 0;
    ASSERT_TRUE(test::WaitUntil(
        [&] {
          for (HWND child : Children()) {
            if (asked.insert(child).second) {
              PostMessageA(child, WM_CLOSE, 0, 0);
              ++seen;
            }
          }
          return seen == count;
        },
        kTimeoutMs))
        << "seen " << seen << " of " << count;
  }

  SavedSettings settings{"~BkgndY3.gif"};
  std::unique_ptr<rt::Window> frame = std::make_unique<rt::Window>(kMainWindow);
  std::set<HWND> asked;  // the windows asked to close
};

TEST_F(SecondaryWindow, GrowsOutOfItsCentreAndShrinksIntoItWithItsOwnProcedureInBetween) {
  std::vector<WNDPROC> procedureWhileAnimating;
  test::AnimationRecorder recorder([&](const test::AnimationCall& call) {
    procedureWhileAnimating.push_back(
        reinterpret_cast<WNDPROC>(GetWindowLongPtrA(call.window, GWLP_WNDPROC)));
  });
  ASSERT_TRUE(recorder.loaded());
  ASSERT_TRUE(rt::StartThread([] { RunSecondaryWindow(kRecorded); }, 25000));
  HWND child = nullptr;
  // Opened once it shows with its own procedure back, the one its class gives.
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        const std::vector<HWND> children = Children();
        child = children.empty() ? nullptr : children[0];
        return child && IsWindowVisible(child) &&
               static_cast<ULONG_PTR>(GetWindowLongPtrA(child, GWLP_WNDPROC)) ==
                   GetClassLongPtrA(child, GCLP_WNDPROC);
      },
      kTimeoutMs));
  PostMessageA(child, WM_CLOSE, 0, 0);
  ASSERT_TRUE(rt::WaitForStartedThreads(kTimeoutMs));
  EXPECT_FALSE(IsWindow(child));
  const std::vector<test::AnimationCall> expected = {{child, 200, 0x20010}, {child, 200, 0x10010}};
  EXPECT_EQ(recorder.calls(), expected);
  EXPECT_EQ(procedureWhileAnimating, std::vector<WNDPROC>(2, fx::PrintClientProc));
}

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  int count = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    count += entry.th32OwnerProcessID == GetCurrentProcessId();
  }
  CloseHandle(snapshot);
  return count;
}

DWORD HandlesOfThisProcess() {
  DWORD count = 0;
  GetProcessHandleCount(GetCurrentProcess(), &count);
  return count;
}

TEST_F(SecondaryWindow, ManyOpenAndCloseAtOnceOnTheirThreadsAndLeaveNothingBehind) {
  // A first window loads what every later one shares (the image decoder, fonts).
  OpenAndCloseAtOnce(1);
  ASSERT_TRUE(rt::WaitForStartedThreads(kTimeoutMs));
  const int threads = ThreadsOfThisProcess();
  const DWORD handles = HandlesOfThisProcess();
  HMENU windowMenu = GetSubMenu(GetMenu(frame->handle()), 4);
  const int menuEntries = GetMenuItemCount(windowMenu);

  // One GDI object left behind per window would use up the headroom: 40 x 8 windows.
  constexpr int kRounds = 40;
  constexpr int kAtOnce = 8;
  const test::NearlyFullGdiTable table(300);
  ASSERT_GT(table.filled(), 60000);
  for (int round = 0; round < kRounds; ++round) {
    OpenAndCloseAtOnce(kAtOnce);
  }
  ASSERT_TRUE(rt::WaitForStartedThreads(kTimeoutMs)) << "a window's thread did not end";
  EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
  EXPECT_TRUE(Children().empty());
  EXPECT_EQ(ThreadsOfThisProcess(), threads);
  EXPECT_EQ(HandlesOfThisProcess(), handles);
  test::PumpMessages(50);  // the frame's Window menu follows its children
  EXPECT_EQ(GetMenuItemCount(windowMenu), menuEntries);
}

TEST_F(SecondaryWindow, FrameClosingWhileWindowsOpenAndCloseEndsEveryThread) {
  OpenAndCloseAtOnce(4);
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(StartSecondaryWindow());
  }
  test::PumpMessages(20);
  const std::vector<HWND> open = Children();
  frame.reset();  // with windows opening, open and closing
  EXPECT_TRUE(rt::WaitForStartedThreads(0)) << "the frame did not wait for every thread";
  for (HWND child : open) {
    EXPECT_FALSE(IsWindow(child));
  }
}

}  // namespace
}  // namespace lumbo
