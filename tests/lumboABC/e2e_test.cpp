// The real lumboABC.exe, started in a temporary folder and used as a user would: menu entries
// chosen, the INI file read back, the restarted process found and its frame's pixels checked.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>
#include <string>

#include "runtime/image.h"
#include "runtime/menu_ids.h"
#include "tests/support/drag_setting.h"
#include "tests/support/launched_program.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"
#include "tests/tour/window_probe.h"

namespace {

std::string gProgram;  // path of lumboABC.exe, from the command line
std::string gImages;   // folder of the committed catalogue images

constexpr char kFrameTitle[] = "Application";
constexpr char kIni[] = "lumboABC.INI";
constexpr DWORD kTimeoutMs = 15000;

// Field numbers the frame gives its Background menu: the menu -16, entry n -16 - n, the blank
// entry -38 and None -39.
constexpr int ImageEntry(int n) {
  return -16 - n;
}
constexpr int kBlankEntry = -38;
constexpr int kNoneEntry = -39;
constexpr int kExit = -3;
constexpr int kShowWindow = -9;

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

void Choose(HWND frame, int field) {
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(field), 0);
}

using test::StoredDragFullWindows;
using test::StoreDragFullWindows;

std::string IniValue(const std::string& folder, const char* section, const char* key) {
  char value[512] = {};
  GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                           (folder + "\\" + kIni).c_str());
  return value;
}

// The settings file holding a saved background, laid beside the program before it starts.
test::LaidFile SavedIni(const std::string& wallPaper) {
  return {kIni, "[Preserved]\r\nlumboGLO:WallPaper=" + wallPaper + "\r\n"};
}

bool StartsWithNoCase(const std::string& text, const std::string& start) {
  return text.size() >= start.size() &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(),
                        static_cast<int>(start.size()), start.c_str(),
                        static_cast<int>(start.size())) == CSTR_EQUAL;
}

// The process that a restart left in the program's folder, found by its frame; ended with the
// test if it still runs.
class Successor {
 public:
  Successor(DWORD previous, const std::string& folder, DWORD timeoutMs = kTimeoutMs) {
    test::WaitUntil([&] { return find(previous, folder); }, timeoutMs);
  }
  Successor(const Successor&) = delete;
  Successor& operator=(const Successor&) = delete;
  ~Successor() {
    if (process_) {
      if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
      }
      CloseHandle(process_);
    }
  }
  HWND frame() const { return frame_; }
  bool waitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
  }

 private:
  struct Search {
    DWORD previous;
    const std::string* folder;
    HWND frame = nullptr;
    HANDLE process = nullptr;
  };
  static BOOL CALLBACK Match(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->previous || !IsWindowVisible(window) ||
        test::WindowText(window) != kFrameTitle) {
      return TRUE;
    }
    HANDLE process = OpenProcess(
        PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
    char image[MAX_PATH] = {};
    DWORD size = sizeof image;
    if (process && QueryFullProcessImageNameA(process, 0, image, &size) &&
        StartsWithNoCase(image, *search->folder)) {
      search->frame = window;
      search->process = process;
      return FALSE;
    }
    if (process) {
      CloseHandle(process);
    }
    return TRUE;
  }
  bool find(DWORD previous, const std::string& folder) {
    Search search{previous, &folder};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
    frame_ = search.frame;
    process_ = search.process;
    return frame_ != nullptr;
  }

  HWND frame_ = nullptr;
  HANDLE process_ = nullptr;
};

HWND ClientAreaOf(HWND frame) {
  return FindWindowExA(frame, nullptr, "MDIClient", nullptr);
}

// What the frame's client area shows on the screen, once it has painted.
test::Pixels ScreenPixelsOf(HWND frame) {
  probe::WaitUntilPainted(frame, kTimeoutMs);
  HWND client = ClientAreaOf(frame);
  RECT area{};
  GetClientRect(client, &area);
  MapWindowPoints(client, nullptr, reinterpret_cast<POINT*>(&area), 2);
  probe::Image image;
  test::Pixels pixels;
  if (!probe::CaptureScreen(area, image)) {
    return pixels;
  }
  pixels.width = image.width;
  pixels.height = image.height;
  const int stride = probe::Image::Stride(image.width);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.bits.data() + (image.height - 1 - y) * stride;
    for (int x = 0; x < image.width; ++x) {
      pixels.values.push_back(test::Rgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
    }
  }
  return pixels;
}

// How many pixels differ from the tile repeated from the area's corner.
int PixelsOffTheTile(const test::Pixels& shown, const test::Pixels& tile) {
  int wrong = 0;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      wrong += shown.at(x, y) != tile.at(x % tile.width, y % tile.height);
    }
  }
  return wrong;
}

test::Pixels Tile(const char* file) {
  return test::PixelsOf(rt::LoadNamedImage(gImages + "/" + file).get());
}

// Whether the whole area shows one plain colour: no wallpaper.
bool IsPlain(const test::Pixels& shown) {
  if (shown.values.empty()) {
    return false;
  }
  for (std::uint32_t value : shown.values) {
    if (value != shown.values.front()) {
      return false;
    }
  }
  return true;
}

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

class LumboABC : public testing::Test {
 protected:
  void SetUp() override { StoreDragFullWindows(false); }
  void TearDown() override {
    if (program) {
      // A process that a failed check left behind ends here, before its folder goes.
      const Successor stray(program->processId(), program->folder(), 0);
    }
    StoreDragFullWindows(false);
  }
  // Starts the program with `wallPaper` saved (nothing saved when null) and finds its frame.
  void Start(const char* wallPaper = nullptr) {
    std::vector<test::LaidFile> files;
    if (wallPaper) {
      files.push_back(SavedIni(wallPaper));
    }
    program = std::make_unique<test::LaunchedProgram>(gProgram, files);
    frame = program->findWindow(kFrameTitle, kTimeoutMs);
    ASSERT_NE(frame, nullptr) << "the frame did not open";
  }
  // Chooses a background and waits for the process to end and its successor's frame.
  std::unique_ptr<Successor> ChooseAndRestart(int field) {
    Choose(frame, field);
    EXPECT_TRUE(program->waitForExit(kTimeoutMs)) << "the first process did not end";
    auto next = std::make_unique<Successor>(program->processId(), program->folder());
    EXPECT_NE(next->frame(), nullptr) << "no new process showed its frame";
    return next;
  }
  std::string Saved() const {
    return IniValue(program->folder(), "Preserved", "lumboGLO:WallPaper");
  }

  std::unique_ptr<test::LaunchedProgram> program;
  HWND frame = nullptr;
};

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
  ASSERT_TRUE(test::WaitUntil([] { return OpenPopupMenus() == 1; }));
  test::PressKey(VK_RIGHT);  // opens Background on entry 1
  ASSERT_TRUE(test::WaitUntil([] { return OpenPopupMenus() == 2; }));
  for (int i = 1; i < 7; ++i) {
    test::PressKey(VK_DOWN);
  }
  test::PressKey(VK_RETURN);
  ASSERT_TRUE(program->waitForExit(kTimeoutMs)) << "the first process did not end";
  EXPECT_EQ(Saved(), "~BkgndG1.gif");
  Successor next(program->processId(), program->folder());
  ASSERT_NE(next.frame(), nullptr);
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
        gProgram,
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

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <path of lumboABC.exe> <folder of the catalogue images>\n",
                 argv[0]);
    return 2;
  }
  gProgram = argv[1];
  gImages = argv[2];
  return RUN_ALL_TESTS();
}
