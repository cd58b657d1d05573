// The Gradient Demo of the real tirval.exe: opened from the Demo menu, its layouts chosen and its
// colour dialogs answered as a user would, its gradient read back off the screen.
#include <windows.h>
#include <colordlg.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "runtime/control_ids.h"
#include "runtime/menu_ids.h"
#include "tests/support/bmp_reader.h"
#include "tests/support/dialogs.h"
#include "tests/support/launched_program.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"
#include "tests/tirval/e2e.h"

namespace {

using test::Pixels;
using test::Rgb;

constexpr char kFrameTitle[] = "Animation Effects Demo";
constexpr char kTitle[] = "Gradient Demo";
constexpr char kDialogTitle[] = "Choose From Color";
enum Field {
  kDiagonal = 3,
  kHorizontal,
  kVertical,
  kFromSwatch,
  kSelectFrom,
  kToSwatch,
  kSelectTo,
  kClose
};

constexpr std::uint32_t kWhite = Rgb(255, 255, 255);
constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlue = Rgb(0, 0, 255);
constexpr std::uint32_t kGreen = Rgb(0, 255, 0);

// The colour dialog's edits for the three components, and its button that opens it out.
constexpr int kRedEdit = 706;
constexpr int kGreenEdit = 707;
constexpr int kBlueEdit = 708;
constexpr int kDefineCustomColors = 719;

// Types the three components into the colour dialog's edits and presses OK.
void TypeColorAndConfirm(HWND dialog, const char* red, const char* green, const char* blue) {
  DWORD_PTR ignored = 0;
  for (const auto& [edit, value] :
       {std::pair{kRedEdit, red}, std::pair{kGreenEdit, green}, std::pair{kBlueEdit, blue}}) {
    SendMessageTimeoutA(GetDlgItem(dialog, edit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
  }
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

class GradientDemo : public testing::Test {
 protected:
  void SetUp() override {
    frame = program.findWindow(kFrameTitle);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-17), 0);
    demo = program.findWindow(kTitle);
    ASSERT_NE(demo, nullptr) << "Demo, Gradient Demo opened no window";
    ASSERT_TRUE(WaitForPixels([](const Pixels& shown) { return LeftColumnIsWhiteToRed(shown); }))
        << "the gradient never showed";
  }

  // Ends the demo and the program as a user does, so that the demo's temporary file goes too.
  void TearDown() override {
    if (IsWindow(demo)) {
      press(kClose);
      test::WaitUntil([&] { return !IsWindow(demo); });
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit(10000));
  }

  HWND control(int field) const { return GetDlgItem(demo, rt::ControlId(field)); }
  void press(int field) const { PostMessageA(control(field), BM_CLICK, 0, 0); }
  Pixels shown() const { return test::ScreenPixels(demo); }
  // Waits until the client area, as the screen shows it, passes `check`.
  bool WaitForPixels(const std::function<bool(const Pixels&)>& check) const {
    return test::WaitUntil([&] { return check(shown()); }, 5000);
  }
  // What the client area shows once it has stopped changing.
  Pixels settled() const {
    Pixels last = shown();
    for (int i = 0; i < 50; ++i) {
      Sleep(100);
      Pixels now = shown();
      if (now.values == last.values) {
        break;
      }
      last = std::move(now);
    }
    return last;
  }
  // The colour in the middle of a swatch.
  std::uint32_t swatch(int field) const {
    RECT place{};
    GetWindowRect(control(field), &place);
    MapWindowPoints(nullptr, demo, reinterpret_cast<POINT*>(&place), 2);
    return shown().at((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  }
  // Opens a colour dialog with one of the two buttons and hands it to `answer`.
  void answerDialog(int button, const std::function<void(HWND)>& answer) const {
    press(button);
    HWND dialog = test::FindDialogTitled(program.processId(), kDialogTitle);
    ASSERT_NE(dialog, nullptr) << "no colour dialog";
    answer(dialog);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(dialog); }));
  }

  // Left of every control: white along the bottom row and red along the top one, with red 255
  // all the way and green and blue falling together in 256 bands.
  static bool LeftColumnIsWhiteToRed(const Pixels& shown) {
    std::set<std::uint32_t> bands;
    for (int y = 0; y < shown.height; ++y) {
      const std::uint32_t pixel = shown.at(3, y);
      if (pixel >> 16 != 255 || (pixel >> 8 & 0xFF) != (pixel & 0xFF)) {
        return false;
      }
      bands.insert(pixel);
    }
    return shown.at(3, shown.height - 1) == kWhite && shown.at(3, 0) == kRed && bands.size() == 256;
  }

  test::PrivateTemp temp;  // before the program, which inherits it
  test::LaunchedProgram program{test::TirvalExecutable()};
  HWND frame = nullptr;
  HWND demo = nullptr;
};

TEST_F(GradientDemo, OpensHorizontalWhiteToRedWithWhiteAndRedSwatchesAndClosesWithItsFile) {
  EXPECT_EQ(SendMessageA(control(kHorizontal), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(swatch(kFromSwatch), kWhite);
  EXPECT_EQ(swatch(kToSwatch), kRed);
  EXPECT_FALSE(IsWindowEnabled(frame)) << "the demo window is modal";
  ASSERT_EQ(temp.count("Bcr*.bmp"), 1) << "the window's temporary file";

  // The file holds the client area's picture: the gradient, the same as on the screen.
  WIN32_FIND_DATAA found{};
  FindClose(FindFirstFileA((temp.folder() + "\\Bcr*.bmp").c_str(), &found));
  const auto saved = test::DecodeBmp(test::ReadAllBytes(temp.folder() + "\\" + found.cFileName));
  ASSERT_TRUE(saved.has_value());
  const Pixels onScreen = shown();
  ASSERT_EQ(saved->width, onScreen.width);
  ASSERT_EQ(saved->height, onScreen.height);
  for (int y = 0; y < onScreen.height; ++y) {
    ASSERT_EQ(saved->at(3, y), onScreen.at(3, y)) << y;
  }

  // Covered and uncovered, it paints the same picture again by itself.
  const Pixels before = settled();
  RedrawWindow(demo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  EXPECT_TRUE(WaitForPixels([&](const Pixels& now) { return now.values == before.values; }));

  press(kClose);
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(demo); }));
  EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }));
  EXPECT_EQ(temp.count("Bcr*.bmp"), 0) << "the temporary file outlived its window";
}

TEST_F(GradientDemo, EachLayoutRepaintsAtOnce) {
  press(kDiagonal);
  // L-shaped bands from the bottom-right corner: white up the right edge and along the bottom.
  EXPECT_TRUE(WaitForPixels([](const Pixels& s) {
    return s.at(s.width - 1, 0) == kWhite && s.at(0, s.height - 1) == kWhite &&
           s.at(0, 0) != kWhite && s.at(s.width / 2, s.height / 2) != kWhite;
  })) << "no diagonal gradient";

  press(kVertical);
  // Vertical bands from the right edge: white down the right edge, red down the left.
  EXPECT_TRUE(WaitForPixels([](const Pixels& s) {
    return s.at(s.width - 1, 0) == kWhite && s.at(s.width - 1, s.height - 1) == kWhite &&
           s.at(0, 0) == kRed && s.at(0, s.height - 1) == kRed;
  })) << "no vertical gradient";

  press(kHorizontal);
  EXPECT_TRUE(WaitForPixels([](const Pixels& s) { return LeftColumnIsWhiteToRed(s); }));
}

TEST_F(GradientDemo, ConfirmedColoursShowInTheirSwatchesAndTheGradientCancelledOnesChangeNothing) {
  answerDialog(kSelectFrom, [](HWND dialog) {
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, COLOR_BOX1))) << "standard colours shown";
    TypeColorAndConfirm(dialog, "0", "0", "255");
  });
  EXPECT_TRUE(WaitForPixels([](const Pixels& s) {
    return s.at(3, s.height - 1) == kBlue && s.at(3, 0) == kRed;
  })) << "the gradient does not start from blue";
  EXPECT_EQ(swatch(kFromSwatch), kBlue);
  EXPECT_EQ(swatch(kToSwatch), kRed);

  const Pixels before = settled();
  for (int button : {kSelectTo, kSelectFrom}) {
    answerDialog(button, [&](HWND dialog) {
      EXPECT_EQ(IsWindowVisible(GetDlgItem(dialog, COLOR_BOX1)) != FALSE, button == kSelectTo)
          << "only Select To Color shows the standard colours";
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(settled().values, before.values) << "a cancelled dialog changed the window";
  }

  answerDialog(kSelectTo, [](HWND dialog) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(dialog, WM_COMMAND, kDefineCustomColors, 0, SMTO_ABORTIFHUNG, 2000,
                        &ignored);
    TypeColorAndConfirm(dialog, "0", "255", "0");
  });
  EXPECT_TRUE(WaitForPixels([](const Pixels& s) {
    return s.at(3, s.height - 1) == kBlue && s.at(3, 0) == kGreen;
  })) << "the gradient does not end in green";
  EXPECT_EQ(swatch(kToSwatch), kGreen);
  EXPECT_EQ(swatch(kFromSwatch), kBlue);
}

}  // namespace
