#include "runtime/window.h"

#include <gtest/gtest.h>

#include <thread>

#include "runtime/font.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

constexpr WindowDefinition kPlain{.name = "test$plain",
                                  .label = "P1$WINDOW",
                                  .title = "Plain",
                                  .width = 200,
                                  .height = 100,
                                  .systemMenu = true,
                                  .gray = true,
                                  .doubleFrame = true};
constexpr WindowDefinition kCentred{.name = "test$centred",
                                    .label = "P1$WINDOW",
                                    .title = "Centred",
                                    .width = 120,
                                    .height = 60,
                                    .centred = true,
                                    .resizable = true,
                                    .systemMenu = true};
constexpr WindowDefinition kBigFont{.name = "test$bigfont",
                                    .label = "P1$WINDOW",
                                    .title = "Big font",
                                    .width = 100,
                                    .height = 40,
                                    .font = {"MS Sans Serif", 14, 700}};

RECT ClientRect(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return rect;
}

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

TEST(Window, ClientAreaIsTheDefinitionsSizeInDialogUnitsOfItsFont) {
  for (const WindowDefinition* definition : {&kPlain, &kBigFont}) {
    Window window(*definition);
    GdiObject font = CreateDefinedFont(definition->font);
    const DialogBaseUnits base = MeasureBaseUnits(static_cast<HFONT>(font.get()));
    ASSERT_GT(base.x, 0);
    const RECT client = ClientRect(window.handle());
    EXPECT_EQ(client.right, DialogToPixelsX(definition->width, base)) << definition->name;
    EXPECT_EQ(client.bottom, DialogToPixelsY(definition->height, base)) << definition->name;
  }
}

TEST(Window, LargerFontMakesLargerDialogUnits) {
  Window small(kPlain);
  Window large(kBigFont);
  EXPECT_GT(large.baseUnits().x, small.baseUnits().x);
  EXPECT_GT(large.baseUnits().y, small.baseUnits().y);
}

TEST(Window, AttributesBecomeWindowStyles) {
  Window plain(kPlain);
  const LONG style = GetWindowLongA(plain.handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetWindowLongA(plain.handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(plain.text(), "Plain");

  Window centred(kCentred);
  EXPECT_TRUE(GetWindowLongA(centred.handle(), GWL_STYLE) & WS_THICKFRAME);
}

TEST(Window, OpensHiddenAndShowsWithItsFirstEvent) {
  Window window(kPlain);
  EXPECT_FALSE(IsWindowVisible(window.handle()));
  const Event first = window.nextEvent();
  EXPECT_EQ(first.kind, EventKind::OpenWindow);
  EXPECT_TRUE(IsWindowVisible(window.handle()));
}

TEST(Window, CentredWindowIsCentredInTheWorkArea) {
  Window window(kCentred);
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const RECT rect = WindowRect(window.handle());
  EXPECT_NEAR(rect.left + rect.right, area.left + area.right, 1);
  EXPECT_NEAR(rect.top + rect.bottom, area.top + area.bottom, 1);
}

TEST(Window, WindowOpenedFromAnotherIsOwnedCentredOverItAndDisablesIt) {
  Window owner(kPlain);
  SetWindowPos(owner.handle(), nullptr, 100, 80, 500, 400, SWP_NOZORDER);
  HWND inner = nullptr;
  {
    Window dialog(kCentred);
    inner = dialog.handle();
    EXPECT_EQ(CurrentWindow(), &dialog);
    EXPECT_EQ(GetWindow(inner, GW_OWNER), owner.handle());
    EXPECT_FALSE(IsWindowEnabled(owner.handle()));
    const RECT outer = WindowRect(owner.handle());
    const RECT rect = WindowRect(inner);
    EXPECT_NEAR(rect.left + rect.right, outer.left + outer.right, 1);
    EXPECT_NEAR(rect.top + rect.bottom, outer.top + outer.bottom, 1);
  }
  EXPECT_FALSE(IsWindow(inner));
  EXPECT_TRUE(IsWindowEnabled(owner.handle()));
  EXPECT_EQ(CurrentWindow(), &owner);
}

TEST(Window, OwnedWindowHiddenBeforeClosingGivesTheActivationBackToItsOwner) {
  Window owner(kPlain);
  owner.nextEvent();
  Window dialog(kCentred);
  dialog.nextEvent();
  ASSERT_EQ(GetActiveWindow(), dialog.handle());
  ASSERT_FALSE(IsWindowEnabled(owner.handle()));
  ShowWindow(dialog.handle(), SW_HIDE);  // as a closing animation leaves it
  EXPECT_TRUE(IsWindowEnabled(owner.handle()));
  EXPECT_EQ(GetActiveWindow(), owner.handle());
}

TEST(Window, CurrentWindowFollowsOpenAndClose) {
  EXPECT_EQ(CurrentWindow(), nullptr);
  {
    Window window(kPlain);
    EXPECT_EQ(CurrentWindow(), &window);
  }
  EXPECT_EQ(CurrentWindow(), nullptr);
}

TEST(Window, CurrentWindowIsPerThread) {
  Window window(kPlain);
  Window* seenOnOtherThread = &window;
  std::thread([&] { seenOnOtherThread = CurrentWindow(); }).join();
  EXPECT_EQ(seenOnOtherThread, nullptr);
}

TEST(Window, EventsArriveInOrder) {
  Window window(kPlain);
  window.post(EventKind::Accepted, 3);
  window.post(EventKind::Accepted, 5);
  PostMessageA(window.handle(), WM_CLOSE, 0, 0);
  const Event open = window.nextEvent();
  EXPECT_EQ(open.kind, EventKind::OpenWindow);
  const Event first = window.nextEvent();
  EXPECT_EQ(first.kind, EventKind::Accepted);
  EXPECT_EQ(first.field, 3);
  EXPECT_EQ(window.acceptedField(), 3);
  EXPECT_EQ(window.nextEvent().field, 5);
  EXPECT_EQ(window.acceptedField(), 5);
  EXPECT_EQ(window.nextEvent().kind, EventKind::CloseWindow);
  // Asking to close does not close: the window stays until its owner releases it.
  EXPECT_TRUE(IsWindow(window.handle()));
}

TEST(Window, EventPostedFromAnotherThreadArrives) {
  Window window(kPlain);
  EXPECT_EQ(window.nextEvent().kind, EventKind::OpenWindow);
  std::thread poster([&] { window.post(EventKind::CloseWindow); });
  EXPECT_EQ(window.nextEvent().kind, EventKind::CloseWindow);
  poster.join();
}

TEST(Window, QuitMessageEndsTheEventLoopAndStaysForOuterLoops) {
  Window window(kPlain);
  EXPECT_EQ(window.nextEvent().kind, EventKind::OpenWindow);
  PostQuitMessage(7);
  EXPECT_EQ(window.nextEvent().kind, EventKind::CloseWindow);
  MSG message{};
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 7u);
}

TEST(Window, MovesAndSizesAreReportedAsTheyHappenAndOnlyWhenSomethingChanged) {
  Window window(kCentred);
  EXPECT_EQ(window.nextEvent().kind, EventKind::OpenWindow);
  const RECT place = WindowRect(window.handle());
  const auto next = [&window] {
    window.post(EventKind::Accepted, 99);  // a marker for "nothing came before it"
    const Event event = window.nextEvent();
    if (event.kind != EventKind::Accepted) {
      EXPECT_EQ(window.nextEvent().field, 99);
    }
    return event.kind;
  };
  SetWindowPos(window.handle(), nullptr, place.left + 7, place.top + 5, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(next(), EventKind::Moved);
  SetWindowPos(window.handle(), nullptr, 0, 0, place.right - place.left + 20,
               place.bottom - place.top + 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(next(), EventKind::Sized);
  SetWindowPos(window.handle(), nullptr, place.left + 7, place.top + 5,
               place.right - place.left + 20, place.bottom - place.top + 10, SWP_NOZORDER);
  EXPECT_EQ(next(), EventKind::Accepted) << "the same place and size again";
}

TEST(Window, GrayWindowErasesInButtonFace) {
  Window window(kPlain);
  window.nextEvent();
  test::PumpMessages(50);
  HDC dc = GetDC(window.handle());
  SendMessageA(window.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  const COLORREF pixel = GetPixel(dc, 10, 10);
  ReleaseDC(window.handle(), dc);
  EXPECT_EQ(pixel, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace rt
