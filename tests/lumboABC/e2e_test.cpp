// The real lumboABC.exe, started in a temporary folder and used as a user would: menu entries
// chosen, the INI file read back, the restarted process found and its frame's pixels checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/menu_ids.h"
#include "tests/lumboABC/e2e.h"
#include "tests/support/drag_setting.h"
#include "tests/support/launched_program.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"
#include "tests/tour/window_probe.h"

namespace e2e {
namespace {

// How many popup menus are open on the screen: the keys of a menu walk wait for each to open,
// so that a busy program never sees a key before the menu it is meant for.
int OpenPopupMenus() {
  int count = 0;
  for (HWND popup = FindWindowExA(nullptr, nullptr, "#32768", nullptr); popup;
       popup = FindWindowExA(nullptr, popup, "#32768", nullptr)) {
    count += IsWindowVisible(popup) ? 1 : 0;
  }
  return count;
}

using test::StoredDragFullWindows;
using test::StoreDragFullWindows;

// A message box of process `pid` with this caption, or nullptr.
HWND FindMessageBox(DWORD pid, const char* caption) {
  HWND found = nullptr;
  test::WaitUntil(
      [&] {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, "#32770", caption))) {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if (owner == pid && IsWindowVisible(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      kTimeoutMs);
  return found;
}

std::string MessageText(HWND box) {
  std::string text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (std::string(className) == "Static") {
      text += test::WindowText(child);
    }
  }
  return text;
}

TEST_F(LumboABC, FirstStartWithoutSettingsShowsNoWallpaperAndWritesNothing) {
  Start();
  EXPECT_TRUE(IsPlain(ScreenPixelsOf(frame)));
  EXPECT_EQ(IniValue(program->folder(), "Preserved", "lumboGLO:WallPaper"), "(missing)");
  // The blank entry and Show Window leave the program running as it was.
  Choose(frame, kBlankEntry);
  Choose(frame, kShowWindow);
  test::PumpMessages(500);
  EXPECT_FALSE(program->waitForExit(0));
  EXPECT_EQ(Saved(), "(missing)");
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(kExit), 0);
  ASSERT_TRUE(program->waitForExit(kTimeoutMs));
  // Closing saves the frame's place, nothing else.
  EXPECT_EQ(IniValue(program->folder(), "Main", "Maximize"), "No");
  EXPECT_EQ(Saved(), "(missing)");
}

TEST_F(LumboABC, ChoosingEntrySevenByKeyboardSavesItAndTheNewFrameShowsTheTile) {
  Start();
  ASSERT_TRUE(test::BringToFront(frame));
  test::PressAltAnd('S');  // Select Background, on its one entry, Background
  // The secondary window has the focus: the frame takes the keys once its menu shows.
  ASSERT_TRUE(test::WaitUntil([] { return OpenPopupMenus() == 1; }, kTimeoutMs));
  test::PressKey(VK_RIGHT);  // opens Background on entry 1
  ASSERT_TRUE(test::WaitUntil([] { return OpenPopupMenus() == 2; }, kTimeoutMs));
  for (int i = 1; i < 7; ++i) {
    test::PressKey(VK_DOWN);
  }
  test::PressKey(VK_RETURN);
  ASSERT_TRUE(program->waitForExit(kTimeoutMs)) << "the first process did not end";
  EXPECT_EQ(Saved(), "~BkgndG1.gif");
  Successor next(program->processId(), program->folder());
  ASSERT_NE(next.frame(), nullptr);
  ASSERT_EQ(WaitForWindows(next.frame(), 1).size(), 1u);
  const test::Pixels shown = ScreenPixelsOf(next.frame());
  ASSERT_GT(shown.width, 300);
  EXPECT_EQ(PixelsOffTheTile(shown, Tile("BkgndG1.gif")), 0);
}

TEST_F(LumboABC, EachWallpaperSizeIsTiledOverTheWholeArea) {
  struct Case {
    int entry;
    const char* saved;
    const char* file;
  };
  const Case cases[] = {{3, "~BkgndB3.gif", "BkgndB3.gif"},    // 32 x 32
                        {21, "~BkgndY7.gif", "BkgndY7.gif"}};  // 144 x 144, interlaced
  Start("~BkgndB1.gif");
  EXPECT_EQ(PixelsOffTheTile(ScreenPixelsOf(frame), Tile("BkgndB1.gif")), 0);  // 189 x 103
  for (const Case& c : cases) {
    const auto next = ChooseAndRestart(ImageEntry(c.entry));
    ASSERT_NE(next->frame(), nullptr);
    EXPECT_EQ(Saved(), c.saved);
    EXPECT_EQ(PixelsOffTheTile(ScreenPixelsOf(next->frame()), Tile(c.file)), 0) << c.saved;
    PostMessageA(next->frame(), WM_COMMAND, rt::MenuCommandId(kExit), 0);
    EXPECT_TRUE(next->waitForExit(kTimeoutMs));
    Start(c.saved);  // the next case starts from here
  }
}

TEST_F(LumboABC, NoneSavesAnEmptyValueAndRestartsWithoutWallpaper) {
  Start("~BkgndB1.gif");
  EXPECT_FALSE(IsPlain(ScreenPixelsOf(frame)));
  const auto next = ChooseAndRestart(kNoneEntry);
  ASSERT_NE(next->frame(), nullptr);
  EXPECT_EQ(Saved(), "");
  EXPECT_TRUE(IsPlain(ScreenPixelsOf(next->frame())));
}

TEST_F(LumboABC, SavedValuesThatNameNoImageStartCleanlyWithoutWallpaper) {
  // The file names are relative to the program's folder, where it starts.
  const std::string cases[] = {"garbage value", "~NotInTheCatalogue.gif", "notimage.gif",
                               "~notimage.gif", std::string(300, 'x'),    "~"};
  for (const std::string& saved : cases) {
    program = std::make_unique<test::LaunchedProgram>(
        ProgramPath(),
        std::vector<test::LaidFile>{{"notimage.gif", "this is text, not a GIF"}, SavedIni(saved)});
    frame = program->findWindow(kFrameTitle, kTimeoutMs);
    ASSERT_NE(frame, nullptr) << saved;
    EXPECT_TRUE(IsPlain(ScreenPixelsOf(frame))) << saved;
    EXPECT_FALSE(program->waitForExit(0)) << saved;
  }
}

TEST_F(LumboABC, PlacementSurvivesARestart) {
  Start();
  SetWindowPos(frame, nullptr, 60, 40, 560, 380, SWP_NOZORDER);
  test::PumpMessages(100);
  RECT before{};
  GetWindowRect(frame, &before);
  const auto next = ChooseAndRestart(ImageEntry(12));
  ASSERT_NE(next->frame(), nullptr);
  RECT after{};
  GetWindowRect(next->frame(), &after);
  // Dialog units round to a pixel or two.
  EXPECT_NEAR(after.left, before.left, 2);
  EXPECT_NEAR(after.top, before.top, 2);
  EXPECT_NEAR(after.right - after.left, before.right - before.left, 2);
  EXPECT_NEAR(after.bottom - after.top, before.bottom - before.top, 2);
  EXPECT_EQ(IniValue(program->folder(), "Main", "Maximize"), "No");
}

TEST_F(LumboABC, RestartThatCannotStartKeepsTheProgramRunningAndSaysSo) {
  StoreDragFullWindows(true);
  Start();
  // The running program's file disappears from under it: the new process cannot start.
  const std::string exe = program->folder() + "\\lumboABC.exe";
  ASSERT_TRUE(MoveFileA(exe.c_str(), (exe + ".moved").c_str()));
  Choose(frame, ImageEntry(7));
  HWND box = FindMessageBox(program->processId(), "lumboABC");
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_NE(MessageText(box).find("could not be started"), std::string::npos) << MessageText(box);
  EXPECT_EQ(Saved(), "~BkgndG1.gif");       // saved all the same: the next start shows it
  EXPECT_EQ(StoredDragFullWindows(), "0");  // still the running program's
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(probe::WaitUntilGone(box, kTimeoutMs));
  EXPECT_FALSE(program->waitForExit(500));
  EXPECT_TRUE(IsWindowEnabled(frame));
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(kExit), 0);
  ASSERT_TRUE(program->waitForExit(kTimeoutMs));
  EXPECT_EQ(StoredDragFullWindows(), "1");
  MoveFileA((exe + ".moved").c_str(), exe.c_str());
}

TEST_F(LumboABC, ChoiceThatCannotBeSavedDoesNotRestart) {
  Start();
  // A folder where the settings file should be: nothing can be written to it.
  const std::string ini = program->folder() + "\\" + kIni;
  ASSERT_TRUE(CreateDirectoryA(ini.c_str(), nullptr));
  Choose(frame, ImageEntry(7));
  HWND box = FindMessageBox(program->processId(), "lumboABC");
  ASSERT_NE(box, nullptr) << "no message";
  EXPECT_NE(MessageText(box).find("could not be saved"), std::string::npos) << MessageText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(probe::WaitUntilGone(box, kTimeoutMs));
  EXPECT_FALSE(program->waitForExit(500));
  EXPECT_TRUE(IsWindowEnabled(frame));
}

TEST_F(LumboABC, DragSettingOnAtStartIsOffWhileRunningAndOnAgainAfterARestartAndExit) {
  StoreDragFullWindows(true);
  Start();
  EXPECT_EQ(StoredDragFullWindows(), "0");
  const auto next = ChooseAndRestart(ImageEntry(2));
  ASSERT_NE(next->frame(), nullptr);
  EXPECT_EQ(StoredDragFullWindows(), "0");  // the new process took it over, still on for it
  PostMessageA(next->frame(), WM_COMMAND, rt::MenuCommandId(kExit), 0);
  ASSERT_TRUE(next->waitForExit(kTimeoutMs));
  EXPECT_EQ(StoredDragFullWindows(), "1");
}

TEST_F(LumboABC, DragSettingOffAtStartIsNeverChanged) {
  RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows");
  Start();
  const auto next = ChooseAndRestart(ImageEntry(2));
  ASSERT_NE(next->frame(), nullptr);
  PostMessageA(next->frame(), WM_COMMAND, rt::MenuCommandId(kExit), 0);
  ASSERT_TRUE(next->waitForExit(kTimeoutMs));
  EXPECT_EQ(StoredDragFullWindows(), "");
}

}  // namespace
}  // namespace e2e
