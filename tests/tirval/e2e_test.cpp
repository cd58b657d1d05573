// The real tirval.exe, started in a temporary folder and used through its windows as a user
// would: keys into the frame, messages a click would send, texts and settings read back.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/control_ids.h"
#include "runtime/menu_ids.h"
#include "tests/support/drag_setting.h"
#include "tests/support/launched_program.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/wait.h"
#include "tests/tirval/e2e.h"

namespace {

std::string gTirval;  // path of the program under test, from the command line

constexpr char kFrameTitle[] = "Animation Effects Demo";

using test::PrivateTemp;
using test::StoredDragFullWindows;

void StoreDragFullWindows(bool on) {
  test::StoreDragFullWindows(on);
  ASSERT_EQ(StoredDragFullWindows(), on ? "1" : "0");
}

HWND StatusBarOf(HWND frame) {
  return FindWindowExA(frame, nullptr, STATUSCLASSNAMEA, nullptr);
}

class Tirval : public testing::Test {
 protected:
  void SetUp() override {
    frame = program.findWindow(kFrameTitle);
    ASSERT_NE(frame, nullptr) << "the frame did not open";
  }
  void TearDown() override { StoreDragFullWindows(false); }

  // Waits until the status bar's first zone shows `text`.
  bool StatusShows(const std::string& text) {
    return test::WaitUntil([&] { return test::WindowText(StatusBarOf(frame)) == text; }, 3000);
  }

  test::LaunchedProgram program{gTirval};
  HWND frame = nullptr;
};

TEST_F(Tirval, FrameIsAnMdiFrameOfTheDefinedSizeWithFourStatusZones) {
  char className[32] = {};
  GetClassNameA(frame, className, sizeof className);
  EXPECT_STREQ(className, "RuntimeFrame");
  EXPECT_NE(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr);
  HWND status = StatusBarOf(frame);
  ASSERT_NE(status, nullptr);
  DWORD_PTR zones = 0;
  SendMessageTimeoutA(status, SB_GETPARTS, 0, 0, SMTO_ABORTIFHUNG, 10000, &zones);
  EXPECT_EQ(zones, 4u);
  const LONG style = GetWindowLongA(frame, GWL_STYLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  RECT client{};
  GetClientRect(frame, &client);
  // 310 x 190 dialog units of an 8-point font are several hundred pixels each way.
  EXPECT_GT(client.right, 300);
  EXPECT_GT(client.bottom, 200);
  EXPECT_GT(client.right, client.bottom);
}

TEST_F(Tirval, WalkingTheMenusShowsEachEntrysMessage) {
  ASSERT_TRUE(test::BringToFront(frame));
  test::PressAltAnd('F');  // File opens on its first entry
  EXPECT_TRUE(StatusShows("Setup Printer"));
  test::PressKey(VK_DOWN);  // over the separator
  EXPECT_TRUE(StatusShows("Exit this application"));
  test::PressKey(VK_RIGHT);
  EXPECT_TRUE(StatusShows("Remove item to Windows Clipboard"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("Copy item to Windows Clipboard"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("Paste contents of Windows Clipboard"));
  test::PressKey(VK_ESCAPE);
  test::PressKey(VK_ESCAPE);
  EXPECT_TRUE(StatusShows(""));
  test::PressAltAnd('W');
  EXPECT_TRUE(StatusShows("Make all open windows visible"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("Stack all open windows"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("Align all window icons"));
  test::PressKey(VK_RIGHT);
  EXPECT_TRUE(StatusShows("View the contents of the help file"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("Search for help on a subject"));
  test::PressKey(VK_DOWN);
  EXPECT_TRUE(StatusShows("How to use Windows Help"));
  test::PressKey(VK_ESCAPE);
  test::PressKey(VK_ESCAPE);
  EXPECT_TRUE(StatusShows(""));
}

TEST_F(Tirval, HelpEntriesWithoutAHelpFileAndDemoEntriesLeaveTheFrameAsItWas) {
  for (int field : {-22, -23, -19, -20, -21, -8}) {
    PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(field), 0);
  }
  test::PumpMessages(300);
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_FALSE(program.waitForExit(0));
  EXPECT_EQ(program.findWindow(kFrameTitle, 1000), frame);
}

TEST_F(Tirval, FileExitEndsTheProgramAndWritesNoSettingOfItsOwn) {
  ASSERT_TRUE(test::BringToFront(frame));
  test::PressAltAnd('F');
  EXPECT_TRUE(StatusShows("Setup Printer"));
  test::PressKey('X');
  EXPECT_TRUE(program.waitForExit(10000));
  const std::string ini = program.folder() + "\\tirval.INI";
  EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Tirval, CloseBoxEndsTheProgram) {
  PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(program.waitForExit(10000));
}

// The drag-full-windows setting, seen from outside the program.
TEST(TirvalDragSetting, OnAtStartIsOffWhileRunningAndOnAgainAfterExit) {
  StoreDragFullWindows(true);
  test::LaunchedProgram program(gTirval);
  HWND frame = program.findWindow(kFrameTitle);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(StoredDragFullWindows(), "0");
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-3), 0);  // File, Exit
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(StoredDragFullWindows(), "1");
  StoreDragFullWindows(false);
}

TEST(TirvalDragSetting, OffAtStartIsNeverChanged) {
  StoreDragFullWindows(false);
  // Remove the stored value's trace of earlier writes: a write by the program would bring it back.
  RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows");
  test::LaunchedProgram program(gTirval);
  HWND frame = program.findWindow(kFrameTitle);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(StoredDragFullWindows(), "");
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-3), 0);
  ASSERT_TRUE(program.waitForExit(10000));
  EXPECT_EQ(StoredDragFullWindows(), "");
  StoreDragFullWindows(false);
}

TEST(TirvalDragSetting, KilledProgramLeavesItOff) {
  StoreDragFullWindows(true);
  {
    test::LaunchedProgram program(gTirval);
    ASSERT_NE(program.findWindow(kFrameTitle), nullptr);
    program.kill();
  }
  EXPECT_EQ(StoredDragFullWindows(), "0");
  StoreDragFullWindows(false);
}

// The order in which the Animated Text window's two lines change visibility, seen from outside.
class LineWatch {
 public:
  explicit LineWatch(HWND demo)
      : heading_(GetDlgItem(demo, rt::ControlId(2))), sample_(GetDlgItem(demo, rt::ControlId(1))) {}

  // Notes the lines' state ("heading+", "sample-"), runs `action`, then notes every change until
  // both lines are visible again after the sample line, which always plays last, has changed.
  std::vector<std::string> follow(const std::function<void()>& action = [] {}) {
    bool heading = IsWindowVisible(heading_) != FALSE;
    bool sample = IsWindowVisible(sample_) != FALSE;
    std::vector<std::string> changes = {Entry("heading", heading), Entry("sample", sample)};
    action();
    bool sampleChanged = false;
    const DWORD start = GetTickCount();
    while (!(sampleChanged && heading && sample) && GetTickCount() - start < 30000) {
      Sleep(2);
      note(heading_, "heading", heading, changes);
      sampleChanged = note(sample_, "sample", sample, changes) || sampleChanged;
    }
    return changes;
  }

 private:
  static std::string Entry(const char* name, bool shown) {
    return std::string(name) + (shown ? "+" : "-");
  }
  // Records a change of the line's visibility; true when there was one.
  static bool note(HWND line, const char* name, bool& shown, std::vector<std::string>& changes) {
    const bool now = IsWindowVisible(line) != FALSE;
    if (now == shown) {
      return false;
    }
    shown = now;
    changes.push_back(Entry(name, now));
    return true;
  }

  HWND heading_;
  HWND sample_;
};

TEST(TirvalAnimatedText, PlaysTheHeadingThenTheSampleLineAgainOnAnimateAndClosesWithItsFile) {
  PrivateTemp temp;
  test::LaunchedProgram program(gTirval);
  HWND frame = program.findWindow(kFrameTitle);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(test::BringToFront(frame));
  test::PressAltAnd('D');
  test::PressKey('T');  // Animated &Text
  HWND demo = program.findWindow("Animated Text");
  ASSERT_NE(demo, nullptr);
  EXPECT_FALSE(IsWindowEnabled(frame)) << "the demo window is modal";
  EXPECT_EQ(temp.count("Bcr*.bmp"), 1) << "the window's temporary file";

  LineWatch watch(demo);
  // Neither line shows before its own animation has played.
  EXPECT_EQ(watch.follow(),
            (std::vector<std::string>{"heading-", "sample-", "heading+", "sample+"}));
  const auto pressAnimate = [&] {
    PostMessageA(GetDlgItem(demo, rt::ControlId(6)), BM_CLICK, 0, 0);
  };
  EXPECT_EQ(watch.follow(pressAnimate),
            (std::vector<std::string>{"heading+", "sample+", "heading-", "heading+", "sample-",
                                      "sample+"}));
  EXPECT_EQ(temp.count("Bcr*.bmp"), 1);

  PostMessageA(GetDlgItem(demo, rt::ControlId(7)), BM_CLICK, 0, 0);  // Close
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(demo); }));
  EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }));
  EXPECT_EQ(temp.count("Bcr*.bmp"), 0) << "the temporary file outlived its window";
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
}

// The Office 2000 Style demo, opened from the Demo menu.
class Of2000Border : public testing::Test {
 protected:
  enum Field { kText = 1, kEntry, kApply, kClose, kButton, kPrompt, kCheckBox };

  void SetUp() override {
    frame = program.findWindow(kFrameTitle);
    ASSERT_NE(frame, nullptr) << "the frame did not open";
    PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-18), 0);
    demo = program.findWindow("Office 2000 style");
    ASSERT_NE(demo, nullptr) << "the demo window did not open";
  }

  HWND Control(int field) const { return GetDlgItem(demo, rt::ControlId(field)); }
  DWORD ExtendedStyle(int field) const {
    return static_cast<DWORD>(GetWindowLongA(Control(field), GWL_EXSTYLE));
  }
  // Presses a button as a click does, and returns once the program has taken the click.
  void Press(int field) const {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(Control(field), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 3000, &ignored);
  }
  LRESULT CheckState() const {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(Control(kCheckBox), BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state);
    return static_cast<LRESULT>(state);
  }
  // Whether every control shows the flat border of its kind.
  bool AllFlat() const {
    constexpr DWORD kFlatEdit = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
    constexpr DWORD kFlat = WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY;
    return ExtendedStyle(kText) == kFlatEdit && ExtendedStyle(kEntry) == kFlatEdit &&
           ExtendedStyle(kApply) == kFlat && ExtendedStyle(kClose) == kFlat &&
           ExtendedStyle(kButton) == kFlat && ExtendedStyle(kPrompt) == kFlat &&
           ExtendedStyle(kCheckBox) == kFlat;
  }
  // Where each control lies in the window, in screen coordinates.
  std::vector<RECT> Places() const {
    std::vector<RECT> places;
    for (int field = kText; field <= kCheckBox; ++field) {
      RECT place{};
      GetWindowRect(Control(field), &place);
      places.push_back(place);
    }
    return places;
  }

  PrivateTemp temp;  // before the program, which inherits it
  test::LaunchedProgram program{gTirval};
  HWND frame = nullptr;
  HWND demo = nullptr;
};

TEST_F(Of2000Border, OpensWithTheSampleSentenceAnEmptyEntryUncheckedAndOrdinaryBorders) {
  EXPECT_EQ(test::WindowText(Control(kText)), "Try that Office 2000 feel. Press the button.");
  EXPECT_EQ(test::WindowText(Control(kEntry)), "");
  EXPECT_EQ(CheckState(), BST_UNCHECKED);
  EXPECT_EQ(test::WindowText(Control(kApply)), "Apply Office 2000 Style");
  EXPECT_EQ(test::WindowText(Control(kPrompt)), "Prompt 1");
  EXPECT_EQ(ExtendedStyle(kText), static_cast<DWORD>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(ExtendedStyle(kEntry), static_cast<DWORD>(WS_EX_CLIENTEDGE));
  for (int field : {kApply, kClose, kButton, kPrompt, kCheckBox}) {
    EXPECT_EQ(ExtendedStyle(field), 0u) << field;
  }
  EXPECT_FALSE(IsWindowEnabled(frame)) << "the demo window is modal";
  EXPECT_EQ(temp.count("Bcr*.bmp"), 1) << "the window's temporary file";

  Press(kClose);
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(demo); }));
  EXPECT_TRUE(IsWindowEnabled(frame));
  EXPECT_EQ(temp.count("Bcr*.bmp"), 0) << "the temporary file outlived its window";
  EXPECT_FALSE(program.waitForExit(0));
}

TEST_F(Of2000Border, ApplyGivesEveryControlItsFlatBorderAndKeepsWhatTheUserEntered) {
  for (char key : std::string("Flat")) {
    PostMessageA(Control(kEntry), WM_CHAR, static_cast<WPARAM>(key), 1);
  }
  ASSERT_TRUE(test::WaitUntil([&] { return test::WindowText(Control(kEntry)) == "Flat"; }));
  Press(kCheckBox);
  ASSERT_EQ(CheckState(), BST_CHECKED);
  Press(kButton);  // does nothing beyond its own display
  test::PumpMessages(200);
  EXPECT_EQ(ExtendedStyle(kButton), 0u);

  Press(kApply);
  EXPECT_TRUE(test::WaitUntil([&] { return AllFlat(); }))
      << "text 0x" << std::hex << ExtendedStyle(kText) << ", entry 0x" << ExtendedStyle(kEntry)
      << ", apply 0x" << ExtendedStyle(kApply) << ", check box 0x" << ExtendedStyle(kCheckBox);
  EXPECT_EQ(test::WindowText(Control(kEntry)), "Flat");
  EXPECT_EQ(CheckState(), BST_CHECKED);
  EXPECT_EQ(test::WindowText(Control(kText)), "Try that Office 2000 feel. Press the button.");

  // A second press changes nothing more, and neither do the other controls.
  const std::vector<RECT> places = Places();
  Press(kApply);
  Press(kButton);
  Press(kCheckBox);
  Press(kCheckBox);
  test::PumpMessages(200);
  EXPECT_TRUE(AllFlat());
  const std::vector<RECT> placesAfter = Places();
  for (std::size_t i = 0; i < places.size(); ++i) {
    EXPECT_TRUE(EqualRect(&places[i], &placesAfter[i])) << "field " << i + 1;
  }
  EXPECT_EQ(test::WindowText(Control(kEntry)), "Flat");
  EXPECT_EQ(CheckState(), BST_CHECKED);
  EXPECT_TRUE(IsWindow(demo));
}

TEST_F(Of2000Border, AfterResizingEveryControlIsInsideTheWindowAndStillWorks) {
  RECT outer{}, closeBefore{};
  GetWindowRect(demo, &outer);
  GetWindowRect(Control(kClose), &closeBefore);
  SetWindowPos(demo, nullptr, 0, 0, (outer.right - outer.left) * 3 / 2,
               (outer.bottom - outer.top) * 3 / 2, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  test::PumpMessages(300);
  RECT client{};
  GetClientRect(demo, &client);
  MapWindowPoints(demo, nullptr, reinterpret_cast<POINT*>(&client), 2);
  for (int field = kText; field <= kCheckBox; ++field) {
    RECT place{};
    GetWindowRect(Control(field), &place);
    RECT inside{};
    IntersectRect(&inside, &place, &client);
    EXPECT_TRUE(IsWindowVisible(Control(field))) << field;
    EXPECT_TRUE(EqualRect(&inside, &place)) << "field " << field << " is cut off";
  }
  // The controls follow the window: the Close button keeps to the lower right.
  RECT closeAfter{};
  GetWindowRect(Control(kClose), &closeAfter);
  EXPECT_GT(closeAfter.left - outer.left, closeBefore.left - outer.left);
  EXPECT_GT(closeAfter.top - outer.top, closeBefore.top - outer.top);
  Press(kApply);
  EXPECT_TRUE(test::WaitUntil([&] { return AllFlat(); }));
  Press(kClose);
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(demo); }));
}

}  // namespace

const std::string& test::TirvalExecutable() {
  return gTirval;
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: %s <path of tirval.exe>\n", argv[0]);
    return 2;
  }
  gTirval = argv[1];
  return RUN_ALL_TESTS();
}
