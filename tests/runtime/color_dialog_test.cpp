#include "runtime/color_dialog.h"

#include <windows.h>
#include <colordlg.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "runtime/window.h"
#include "tests/support/dialogs.h"

namespace rt {
namespace {

constexpr WindowDefinition kOwner{
    .name = "test$colorowner", .label = "P1$WINDOW", .title = "Owner", .width = 120, .height = 60};

constexpr int kRedEdit = 706;
constexpr int kGreenEdit = 707;
constexpr int kBlueEdit = 708;
constexpr int kSpectrum = 710;

std::string EditText(HWND dialog, int id) {
  char text[16] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

void SetEditText(HWND dialog, int id, const char* text) {
  SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Whether a control lies inside the dialog's client area: the spectrum is outside it until the
// dialog opens out.
bool ShowsInside(HWND dialog, int id) {
  RECT client{};
  GetClientRect(dialog, &client);
  MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
  RECT control{};
  GetWindowRect(GetDlgItem(dialog, id), &control);
  RECT inside{};
  return IsWindowVisible(GetDlgItem(dialog, id)) && IntersectRect(&inside, &control, &client) &&
         EqualRect(&inside, &control);
}

// A click on the first basic colour, where the grid lies whether it shows or not.
void ClickFirstBasicColor(HWND dialog) {
  RECT grid{};
  GetWindowRect(GetDlgItem(dialog, COLOR_BOX1), &grid);
  POINT at{grid.left + 6, grid.top + 6};
  ScreenToClient(dialog, &at);
  SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// Runs the dialog on this thread while `user` handles it from another, as a person would.
std::optional<std::int32_t> RunDialog(const ColorDialogArgs& args,
                                      const std::function<void(HWND)>& user) {
  bool found = false;
  std::thread person([&] {
    HWND dialog = test::FindDialogTitled(GetCurrentProcessId(), std::string(args.title));
    found = dialog != nullptr;
    if (found) {
      user(dialog);
    }
  });
  const std::optional<std::int32_t> chosen = ColorDialog(args);
  person.join();
  EXPECT_TRUE(found) << "no dialog titled " << args.title;
  return chosen;
}

class ColorDialogTest : public testing::Test {
 protected:
  Window owner{kOwner};
};

TEST_F(ColorDialogTest, WithoutStandardColoursItOpensOnTheSpectrumAtTheInitialColour) {
  HWND seen = nullptr;
  const auto chosen =
      RunDialog({.title = "Choose From Color", .initial = 0x563412, .standardColors = false},
                [&](HWND dialog) {
                  seen = dialog;
                  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, COLOR_BOX1)));
                  HWND label = test::ChildWithText(dialog, "Basic Colors:");
                  EXPECT_TRUE(label && !IsWindowVisible(label)) << "the grid's label still shows";
                  EXPECT_TRUE(ShowsInside(dialog, kSpectrum));
                  EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner.handle());
                  EXPECT_EQ(EditText(dialog, kRedEdit), "18");
                  EXPECT_EQ(EditText(dialog, kGreenEdit), "52");
                  EXPECT_EQ(EditText(dialog, kBlueEdit), "86");
                  SetEditText(dialog, kRedEdit, "10");
                  SetEditText(dialog, kGreenEdit, "20");
                  SetEditText(dialog, kBlueEdit, "30");
                  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                });
  EXPECT_EQ(chosen, 0x1E140A);
  EXPECT_FALSE(IsWindow(seen));
}

TEST_F(ColorDialogTest, WithStandardColoursTheGridShowsAndCancelChoosesNothing) {
  const auto chosen =
      RunDialog({.title = "Choose To", .initial = 0x0000FF, .standardColors = true}, [](HWND d) {
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(d, COLOR_BOX1)));
        EXPECT_FALSE(ShowsInside(d, kSpectrum));
        PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
      });
  EXPECT_EQ(chosen, std::nullopt);
}

TEST_F(ColorDialogTest, AClickWhereTheLeftOutGridWouldBeChoosesNothing) {
  const auto clickThenOk = [](HWND dialog) {
    ClickFirstBasicColor(dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  };
  EXPECT_EQ(
      RunDialog({.title = "Hidden", .initial = 0x123456, .standardColors = false}, clickThenOk),
      0x123456);
  // With the grid showing, the same click chooses its first colour.
  const auto shown =
      RunDialog({.title = "Shown", .initial = 0x123456, .standardColors = true}, clickThenOk);
  ASSERT_TRUE(shown.has_value());
  EXPECT_NE(*shown, 0x123456);
}

}  // namespace
}  // namespace rt
