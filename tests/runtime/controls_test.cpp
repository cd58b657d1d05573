#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "runtime/control_ids.h"
#include "runtime/window.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

constexpr ControlDefinition kControls[] = {
    {.type = ControlType::Prompt, .label = "?PROMPT1", .text = "&Name:", .x = 4, .y = 6},
    {.type = ControlType::Entry,
     .label = "?NAME",
     .x = 40,
     .y = 4,
     .width = 80,
     .height = 10,
     .picture = "s5"},
    {.type = ControlType::String,
     .label = "?HEADING",
     .text = "Heading",
     .x = 4,
     .y = 20,
     .font = {"Verdana", 14, 700 | kFontUnderline},
     .fontColor = 0x800000,
     .hidden = true},
    {.type = ControlType::SpinBox,
     .label = "?COUNT",
     .x = 40,
     .y = 34,
     .width = 31,
     .height = 10,
     .picture = "n3",
     .rangeLow = -999,
     .rangeHigh = 999},
    {.type = ControlType::CheckBox, .label = "?CHECK", .text = "Check", .x = 4, .y = 50},
    {.type = ControlType::OptionGroup,
     .label = "?STYLE",
     .text = "Style",
     .x = 4,
     .y = 64,
     .width = 150,
     .height = 24,
     .boxed = true},
    {.type = ControlType::RadioButton,
     .label = "?STYLE:RADIO1",
     .text = "Zero",
     .x = 10,
     .y = 74,
     .value = "0"},
    {.type = ControlType::RadioButton,
     .label = "?STYLE:RADIO1:2",
     .text = "One",
     .x = 60,
     .y = 74,
     .value = "1"},
    {.type = ControlType::Region,
     .label = "?SWATCH",
     .x = 160,
     .y = 4,
     .width = 20,
     .height = 20,
     .fill = 0x0000FF,
     .border = 0},
    {.type = ControlType::Button,
     .label = "?OK",
     .text = "OK",
     .x = 130,
     .y = 90,
     .width = 40,
     .height = 14,
     .defaultButton = true},
    {.type = ControlType::Button,
     .label = "?CANCEL",
     .text = "Close",
     .x = 176,
     .y = 90,
     .width = 36,
     .height = 14},
    {.type = ControlType::Text, .label = "?NOTES", .x = 4, .y = 90, .width = 100, .height = 20},
};
constexpr WindowDefinition kWindow{.name = "test$controls",
                                   .label = "P1$WINDOW",
                                   .title = "Controls",
                                   .width = 220,
                                   .height = 112,
                                   .systemMenu = true,
                                   .gray = true,
                                   .controls = kControls};

class Controls : public testing::Test {
 protected:
  Controls() : window(kWindow, uses) {}
  void SetUp() override { ASSERT_EQ(window.nextEvent().kind, EventKind::OpenWindow); }

  // Waits for the next event, dispatching messages meanwhile.
  Event Next() {
    window.post(EventKind::Moved);  // a marker, so that nextEvent() returns if nothing came
    Event event = window.nextEvent();
    if (event.kind == EventKind::Moved) {
      return event;
    }
    EXPECT_EQ(window.nextEvent().kind, EventKind::Moved);
    return event;
  }

  std::string name = "Ann";
  std::int32_t count = 42;
  std::uint8_t checked = 0;
  std::int32_t style = 1;
  std::string notes = "line one";
  const Use uses[5] = {{"?NAME", &name},
                       {"?COUNT", &count},
                       {"?CHECK", &checked},
                       {"?STYLE", &style},
                       {"?NOTES", &notes}};
  Window window;
};

TEST_F(Controls, EachKindIsCreatedWithItsTypeAndFieldNumber) {
  const std::pair<int, ControlType> expected[] = {
      {1, ControlType::Prompt},      {2, ControlType::Entry},       {3, ControlType::String},
      {4, ControlType::SpinBox},     {5, ControlType::CheckBox},    {6, ControlType::OptionGroup},
      {7, ControlType::RadioButton}, {8, ControlType::RadioButton}, {9, ControlType::Region},
      {10, ControlType::Button},     {11, ControlType::Button},     {12, ControlType::Text},
  };
  for (const auto& [field, type] : expected) {
    EXPECT_EQ(window.type(field), type) << field;
    EXPECT_NE(window.handle(field), nullptr) << field;
  }
  EXPECT_EQ(window.type(0), ControlType::Window);
  EXPECT_EQ(window.firstField(), 1);
  EXPECT_EQ(window.lastField(), 12);
  EXPECT_EQ(window.fieldOf("?STYLE:RADIO1:2"), 8);
  EXPECT_EQ(window.fieldOf("?MISSING"), 0);
  EXPECT_EQ(window.handle(13), nullptr);
}

TEST_F(Controls, PositionsReadBackInDialogUnitsOrPixels) {
  EXPECT_NEAR(window.xpos(2), 40, 1);
  EXPECT_NEAR(window.ypos(2), 4, 1);
  EXPECT_NEAR(window.width(2), 80, 1);
  EXPECT_NEAR(window.width(0), 220, 1);
  EXPECT_NEAR(window.height(0), 112, 1);
  window.setPixels(true);
  EXPECT_EQ(window.xpos(2), DialogToPixelsX(40, window.baseUnits()));
  RECT client{};
  GetClientRect(window.handle(), &client);
  EXPECT_EQ(window.width(0), client.right);
  EXPECT_EQ(window.height(0), client.bottom);
}

TEST_F(Controls, VariablesAreShownWhenTheWindowOpens) {
  EXPECT_EQ(window.text(2), "Ann");
  EXPECT_EQ(window.text(4), "42");
  EXPECT_EQ(SendMessageA(window.handle(5), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(window.handle(7), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(window.handle(8), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(window.text(12), "line one");
  EXPECT_EQ(window.text(3), "Heading");
}

TEST_F(Controls, HiddenAtStartUntilUnhidden) {
  EXPECT_FALSE(IsWindowVisible(window.handle(3)));
  window.unhide(3);
  EXPECT_TRUE(IsWindowVisible(window.handle(3)));
  window.hide(3);
  EXPECT_FALSE(IsWindowVisible(window.handle(3)));
  window.hide(4);  // a spin box hides its arrows too
  EXPECT_FALSE(IsWindowVisible(window.handle(4)));
}

TEST_F(Controls, FontsComeFromTheControlOrTheWindow) {
  EXPECT_EQ(window.control(3)->fontName(), "Verdana");
  EXPECT_EQ(window.control(3)->fontSize(), 14);
  EXPECT_EQ(window.control(3)->fontStyle(), 700 | kFontUnderline);
  EXPECT_EQ(window.control(3)->fontColor(), 0x800000);
  EXPECT_EQ(window.control(1)->fontName(), "MS Sans Serif");
  EXPECT_EQ(window.control(1)->fontSize(), 8);
  EXPECT_EQ(window.control(1)->fontColor(), kNoColor);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.handle(3), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  EXPECT_EQ(font.lfWeight, 700);
  EXPECT_TRUE(font.lfUnderline);
}

TEST_F(Controls, ButtonClickIsAccepted) {
  SendMessageA(window.handle(11), BM_CLICK, 0, 0);
  const Event event = Next();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, 11);
}

TEST_F(Controls, AClickSentFromAnotherThreadIsDeliveredWithoutWaitingForOtherMessages) {
  // Nothing else may wake the loop: no message left in the queue, no caret blinking.
  SetFocus(window.handle(11));
  test::PumpMessages(100);
  std::atomic<bool> delivered = false;
  bool nudged = false;
  std::thread clicker([&] {
    // What a click makes the button send its window, here from another thread.
    SendMessageA(window.handle(), WM_COMMAND, MAKEWPARAM(ControlId(11), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window.handle(11)));
    // Should the event wait for some other message, one comes after 5 s and the test fails
    // instead of hanging.
    for (int i = 0; i < 500 && !delivered; ++i) {
      Sleep(10);
    }
    if (!delivered) {
      nudged = true;
      window.post(EventKind::Moved);
    }
  });
  const Event event = window.nextEvent();
  delivered = true;
  clicker.join();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, 11);
  EXPECT_FALSE(nudged);
}

TEST_F(Controls, CheckBoxClickFillsItsVariableAndIsAccepted) {
  SendMessageA(window.handle(5), BM_CLICK, 0, 0);
  const Event event = Next();
  EXPECT_EQ(event.field, 5);
  EXPECT_EQ(checked, 1);
}

TEST_F(Controls, ChoosingAnotherRadioButtonAcceptsTheGroupWithTheNewValue) {
  SendMessageA(window.handle(7), BM_CLICK, 0, 0);
  const Event event = Next();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, 6);
  EXPECT_EQ(style, 0);
  SendMessageA(window.handle(7), BM_CLICK, 0, 0);  // the same choice again
  EXPECT_EQ(Next().kind, EventKind::Moved);
  style = 1;
  window.display();
  EXPECT_EQ(SendMessageA(window.handle(8), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(window.handle(7), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Controls, EditedEntryIsAcceptedWhenLeftAndUpdateTakesTextAtAnyTime) {
  SetFocus(window.handle(2));
  SetWindowTextA(window.handle(2), "Bob");
  EXPECT_EQ(name, "Ann");
  window.update(2);
  EXPECT_EQ(name, "Bob");
  SetWindowTextA(window.handle(2), "Cy");
  SetFocus(window.handle(12));
  const Event event = Next();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, 2);
  EXPECT_EQ(name, "Cy");
  // Showing a variable is not an edit.
  name = "Dee";
  window.display(2);
  SetFocus(window.handle(2));
  SetFocus(window.handle(12));
  EXPECT_EQ(Next().kind, EventKind::Moved);
}

TEST_F(Controls, PictureLimitsWhatTheUserCanType) {
  SetFocus(window.handle(2));
  SendMessageA(window.handle(2), EM_SETSEL, 0, -1);
  for (char c : std::string("abcdefgh")) {
    SendMessageA(window.handle(2), WM_CHAR, c, 0);
  }
  EXPECT_EQ(window.text(2), "abcde");
}

TEST_F(Controls, SpinBoxStepsWithinItsRangeAndClampsTypedValues) {
  HWND arrows = FindWindowExA(window.handle(), nullptr, UPDOWN_CLASSA, nullptr);
  ASSERT_NE(arrows, nullptr);
  int low = 0, high = 0;
  SendMessageA(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
               reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, -999);
  EXPECT_EQ(high, 999);
  SetWindowTextA(window.handle(4), "-5000");
  window.update(4);
  EXPECT_EQ(count, -999);
  SetWindowTextA(window.handle(4), "12");
  window.update(4);
  EXPECT_EQ(count, 12);
}

TEST_F(Controls, EnterPressesTheDefaultButtonAndEscapePressesNothing) {
  SetFocus(window.handle(2));
  PostMessageA(window.handle(2), WM_KEYDOWN, VK_RETURN, 0);
  Event event = Next();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, 10);
  PostMessageA(window.handle(2), WM_KEYDOWN, VK_ESCAPE, 0);
  event = Next();
  EXPECT_EQ(event.kind, EventKind::Moved);
}

TEST_F(Controls, RegionPaintsItsFillInsideItsBorder) {
  test::PumpMessages(50);
  window.setPixels(true);
  HDC dc = GetDC(window.handle());
  const int x = window.xpos(9), y = window.ypos(9);
  const COLORREF inside = GetPixel(dc, x + 5, y + 5);
  const COLORREF edge = GetPixel(dc, x, y);
  ReleaseDC(window.handle(), dc);
  EXPECT_EQ(inside, 0x0000FFu);
  EXPECT_EQ(edge, 0u);
  window.control(9)->setFill(0x00FF00);  // shows at once, before any message is handled
  dc = GetDC(window.handle());
  EXPECT_EQ(GetPixel(dc, x + 5, y + 5), 0x00FF00u);
  ReleaseDC(window.handle(), dc);
}

TEST_F(Controls, WindowColourReplacesTheGrayBackground) {
  EXPECT_EQ(window.color(), kNoColor);
  const struct {
    std::int32_t color;
    COLORREF painted;
  } cases[] = {
      {0x7F0000, 0x7F0000},
      {SystemColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT)},
      {kNoColor, GetSysColor(COLOR_BTNFACE)},
  };
  for (const auto& each : cases) {
    window.setColor(each.color);
    EXPECT_EQ(window.color(), each.color);
    test::PumpMessages(50);
    HDC dc = GetDC(window.handle());
    RECT client{};
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(GetPixel(dc, client.right - 2, client.bottom / 2), each.painted) << each.color;
    ReleaseDC(window.handle(), dc);
  }
}

TEST(Panel, FramesAnAreaThatShowsTheWindowsBackground) {
  static constexpr ControlDefinition kPanel[] = {
      {.type = ControlType::Panel, .label = "?PANEL", .x = 10, .y = 10, .width = 100, .height = 50},
  };
  static constexpr WindowDefinition kFramed{.name = "test$panel",
                                            .label = "P1$WINDOW",
                                            .title = "Framed",
                                            .width = 120,
                                            .height = 70,
                                            .systemMenu = true,
                                            .gray = true,
                                            .controls = kPanel};
  Window window(kFramed);
  window.nextEvent();
  test::PumpMessages(50);
  // A DC of the window that does not leave its children out.
  const RECT panel = [&] {
    RECT rect{};
    GetWindowRect(window.handle(1), &rect);
    MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }();
  HDC dc = GetDCEx(window.handle(), nullptr, DCX_CACHE);
  EXPECT_EQ(GetPixel(dc, (panel.left + panel.right) / 2, (panel.top + panel.bottom) / 2),
            GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(GetPixel(dc, panel.left, panel.top), GetSysColor(COLOR_BTNFACE)) << "its edge";
  ReleaseDC(window.handle(), dc);
}

}  // namespace
}  // namespace rt
