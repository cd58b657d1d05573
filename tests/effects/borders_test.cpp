// Flat control borders and the size grip on real windows: styles, frames and pixels read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "effects/flat_border_control.h"
#include "effects/size_grip.h"
#include "effects/window_effects.h"
#include "runtime/handles.h"
#include "runtime/window.h"
#include "tests/support/wait.h"

namespace fx {
namespace {

using rt::ControlDefinition;
using rt::ControlType;
using rt::WindowDefinition;

// One control of each kind, fields 1 to 11.
constexpr ControlDefinition kControls[] = {
    {.type = ControlType::Entry, .label = "?ENTRY", .x = 4, .y = 4, .width = 60, .height = 12},
    {.type = ControlType::Button,
     .label = "?BUTTON",
     .text = "Button",
     .x = 70,
     .y = 4,
     .width = 50,
     .height = 14},
    {.type = ControlType::Prompt, .label = "?PROMPT", .text = "Prompt", .x = 126, .y = 6},
    {.type = ControlType::CheckBox, .label = "?CHECK", .text = "Check", .x = 4, .y = 22},
    {.type = ControlType::Text, .label = "?TEXT", .x = 70, .y = 22, .width = 80, .height = 24},
    {.type = ControlType::RadioButton, .label = "?RADIO", .text = "Radio", .x = 4, .y = 36},
    {.type = ControlType::OptionGroup,
     .label = "?GROUP",
     .text = "Group",
     .x = 4,
     .y = 50,
     .width = 60,
     .height = 20,
     .boxed = true},
    {.type = ControlType::SpinBox,
     .label = "?SPIN",
     .x = 70,
     .y = 50,
     .width = 30,
     .height = 12,
     .rangeHigh = 9},
    {.type = ControlType::Panel, .label = "?PANEL", .x = 110, .y = 50, .width = 30, .height = 20},
    {.type = ControlType::String, .label = "?STRING", .text = "String", .x = 4, .y = 74},
    {.type = ControlType::Region,
     .label = "?REGION",
     .x = 70,
     .y = 74,
     .width = 20,
     .height = 10,
     .fill = 0x00FF00},
};
constexpr int kEntry = 1;
constexpr int kButton = 2;
constexpr int kText = 5;

constexpr WindowDefinition kBorderWindow{.name = "test$borders",
                                         .label = "P1$WINDOW",
                                         .title = "Borders",
                                         .width = 160,
                                         .height = 90,
                                         .systemMenu = true,
                                         .gray = true,
                                         .controls = kControls};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr WindowDefinition kGripWindow{.name = "test$grip",
                                       .label = "P1$WINDOW",
                                       .title = "Grip",
                                       .width = 100,
                                       .height = 50,
                                       .systemMenu = true,
                                       .color = kWhite};

DWORD ExtendedStyle(HWND hwnd) {
  return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
}

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

bool SameRect(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

// Pixels of a device context as COLORREFs, row by row from the top.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colors;

  COLORREF at(int x, int y) const { return colors[static_cast<std::size_t>(y * width + x)]; }
};

// What `dc` shows in the rectangle of this size at its origin, read without painting anything.
Pixels Read(HDC dc, int width, int height) {
  rt::MemoryDc memory(CreateCompatibleDC(dc));
  rt::GdiObject bitmap(CreateCompatibleBitmap(dc, width, height));
  {
    rt::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
  GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, height, bits.data(), &info,
            DIB_RGB_COLORS);
  Pixels pixels{width, height, {}};
  for (std::uint32_t bgrx : bits) {
    pixels.colors.push_back(RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF));
  }
  return pixels;
}

// The client area of a window as it shows now.
Pixels ReadClient(HWND hwnd) {
  const RECT client = ClientRect(hwnd);
  const rt::WindowDc dc(hwnd);
  return Read(dc.get(), client.right, client.bottom);
}

// The whole window, frame included, as it shows now.
Pixels ReadWhole(HWND hwnd) {
  const RECT rect = WindowRect(hwnd);
  const rt::WindowDc dc(hwnd, rt::WindowDc::Area::Whole);
  return Read(dc.get(), rect.right - rect.left, rect.bottom - rect.top);
}

// Lets every pending paint of the thread's windows happen.
void PaintPending(HWND hwnd) {
  EXPECT_TRUE(test::WaitUntil([&] { return !GetUpdateRect(hwnd, nullptr, FALSE); }));
  test::PumpMessages(50);
}

class Borders : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(window.nextEvent().kind, rt::EventKind::OpenWindow);
    PaintPending(window.handle());
  }

  rt::Window window{kBorderWindow};
  WindowEffects effects;
};

TEST_F(Borders, EachKindEndsAtItsStyleWhateverItHadBeforeAndTwiceEqualsOnce) {
  constexpr DWORD kBefore[] = {
      0,
      WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE,
      WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY,
      WS_EX_DLGMODALFRAME | WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT | WS_EX_CONTEXTHELP,
  };
  for (int field = window.firstField(); field <= window.lastField(); ++field) {
    HWND control = window.handle(field);
    for (DWORD style : kBefore) {
      SetWindowLongA(control, GWL_EXSTYLE, static_cast<LONG>(style));
      SetWindowPos(control, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
      // Windows itself adjusts some bits (the window edge follows the modal frame).
      const DWORD before = ExtendedStyle(control);
      const RECT place = WindowRect(control);
      DWORD expected = before & 0x1FF;
      switch (window.type(field)) {
        case ControlType::Button:
        case ControlType::CheckBox:
        case ControlType::Prompt:
          expected = WS_EX_STATICEDGE | WS_EX_NOPARENTNOTIFY;
          break;
        case ControlType::RadioButton:
          expected = WS_EX_STATICEDGE;
          break;
        case ControlType::Text:
        case ControlType::Entry:
          expected = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_NOPARENTNOTIFY;
          break;
        default:
          break;
      }
      const auto where = testing::Message()
                         << "field " << field << ", before 0x" << std::hex << before;
      effects.ApplyFlatBorder(field);
      EXPECT_EQ(ExtendedStyle(control), expected) << where;
      const RECT client = ClientRect(control);
      effects.ApplyFlatBorder(field);
      EXPECT_EQ(ExtendedStyle(control), expected) << where;
      EXPECT_TRUE(SameRect(ClientRect(control), client)) << where;
      EXPECT_TRUE(SameRect(WindowRect(control), place)) << where << ": the control moved";
    }
  }
}

// The middle pixel of each side of ring `ring` (0 outermost) of a control's window area.
struct Ring {
  COLORREF top, left, bottom, right;
};
Ring RingOf(const Pixels& pixels, int ring) {
  const int w = pixels.width;
  const int h = pixels.height;
  return {pixels.at(w / 2, ring), pixels.at(ring, h / 2), pixels.at(w / 2, h - 1 - ring),
          pixels.at(w - 1 - ring, h / 2)};
}

TEST_F(Borders, TheNewFrameShowsAtOnceAndTheClientAreaShrinksAsWindowsComputesIt) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (int field : {kButton, kEntry, kText}) {
    HWND control = window.handle(field);
    const RECT outer = WindowRect(control);
    const Pixels before = ReadWhole(control);

    effects.ApplyFlatBorder(field);
    // No message is dispatched and nothing is invalidated before the frame is read back.
    const Pixels after = ReadWhole(control);

    // The thin static edge is the outermost ring: shadow above and left, highlight below and right.
    const Ring edge = RingOf(after, 0);
    EXPECT_EQ(edge.top, shadow) << field;
    EXPECT_EQ(edge.left, shadow) << field;
    EXPECT_EQ(edge.bottom, highlight) << field;
    EXPECT_EQ(edge.right, highlight) << field;
    // The old frame is not left as it was: within the three outer rings something changed.
    bool changed = false;
    for (int ring = 0; ring < 3; ++ring) {
      const Ring was = RingOf(before, ring);
      const Ring now = RingOf(after, ring);
      changed = changed || was.top != now.top || was.left != now.left || was.bottom != now.bottom ||
                was.right != now.right;
    }
    EXPECT_TRUE(changed) << field;

    RECT frame{};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), FALSE,
                       ExtendedStyle(control));
    const RECT client = ClientRect(control);
    const int scrollBar = field == kText ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    EXPECT_EQ(client.right, outer.right - outer.left - (frame.right - frame.left) - scrollBar)
        << field;
    EXPECT_EQ(client.bottom, outer.bottom - outer.top - (frame.bottom - frame.top)) << field;
  }
}

TEST_F(Borders, FieldsWithoutAControlChangeNothing) {
  std::vector<DWORD> styles;
  for (int field = 0; field <= window.lastField(); ++field) {
    styles.push_back(ExtendedStyle(window.handle(field)));
  }
  for (int field : {window.lastField() + 1, 999, -1, -32768}) {
    effects.ApplyFlatBorder(field);
  }
  for (int field = 0; field <= window.lastField(); ++field) {
    EXPECT_EQ(ExtendedStyle(window.handle(field)), styles[static_cast<std::size_t>(field)])
        << field;
  }
}

TEST(BordersWithoutAWindow, NothingHappensAndNothingCrashes) {
  ASSERT_EQ(rt::CurrentWindow(), nullptr);
  WindowEffects effects;
  effects.ApplyFlatBorder(1);
  effects.DrawSizeGrip();

  EXPECT_FALSE(ApplyFlatBorder(nullptr, ControlType::Button));
  EXPECT_FALSE(DrawSizeGrip(nullptr));
  HWND gone = CreateWindowExA(WS_EX_CLIENTEDGE, "BUTTON", "gone", WS_POPUP, 0, 0, 40, 20, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  EXPECT_FALSE(ApplyFlatBorder(gone, ControlType::Button));
  EXPECT_FALSE(DrawSizeGrip(gone));
}

// The grip as it looks over the window's white background: the square, unclipped.
Pixels ReferenceGrip() {
  const int width = GetSystemMetrics(SM_CXSIZE);
  const int height = GetSystemMetrics(SM_CYSIZE);
  const rt::WindowDc screen(nullptr);
  rt::MemoryDc memory(CreateCompatibleDC(screen.get()));
  rt::GdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  rt::SelectedObject selected(memory.get(), bitmap.get());
  RECT square{0, 0, width, height};
  rt::GdiObject white(CreateSolidBrush(kWhite));
  FillRect(memory.get(), &square, static_cast<HBRUSH>(white.get()));
  DrawFrameControl(memory.get(), &square, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  return Read(memory.get(), width, height);
}

class SizeGrip : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(window.nextEvent().kind, rt::EventKind::OpenWindow);
    PaintPending(window.handle());
  }

  // Makes the client area this size and lets it paint. An overlapped window cannot be made that
  // small, so it becomes a pop-up window with a thin border.
  void ResizeClient(int width, int height) {
    HWND hwnd = window.handle();
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    SetWindowLongA(hwnd, GWL_STYLE, (style & ~WS_CAPTION) | WS_POPUP | WS_BORDER);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), FALSE,
                       ExtendedStyle(hwnd));
    SetWindowPos(hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PaintPending(hwnd);
  }

  // Every pixel of `after` is the grip's inside its square (cut to the client area, anchored at
  // the lower-right corner) and `before`'s outside it.
  static void ExpectGripOver(const Pixels& before, const Pixels& after) {
    const Pixels grip = ReferenceGrip();
    const int left = after.width - grip.width;
    const int top = after.height - grip.height;
    int mismatches = 0;
    for (int y = 0; y < after.height; ++y) {
      for (int x = 0; x < after.width; ++x) {
        const bool inSquare = x >= left && y >= top;
        const COLORREF expected = inSquare ? grip.at(x - left, y - top) : before.at(x, y);
        if (after.at(x, y) != expected && ++mismatches <= 5) {
          ADD_FAILURE() << "pixel " << x << "," << y << (inSquare ? " in" : " outside")
                        << " the square: 0x" << std::hex << after.at(x, y) << ", expected 0x"
                        << expected;
        }
      }
    }
    EXPECT_EQ(mismatches, 0);
  }

  rt::Window window{kGripWindow};
  WindowEffects effects;
};

TEST_F(SizeGrip, PaintsATitleButtonSizedSquareInTheLowerRightCornerAndNothingElse) {
  HWND hwnd = window.handle();
  const Pixels before = ReadClient(hwnd);
  ASSERT_GT(before.width, GetSystemMetrics(SM_CXSIZE));
  ASSERT_GT(before.height, GetSystemMetrics(SM_CYSIZE));
  ASSERT_EQ(before.at(before.width - 1, before.height - 1), kWhite);

  effects.DrawSizeGrip();
  const Pixels after = ReadClient(hwnd);
  ExpectGripOver(before, after);
  EXPECT_NE(after.colors, before.colors) << "nothing was painted";
}

TEST_F(SizeGrip, InASmallerClientAreaOnlyThePartInsideIsPainted) {
  HWND hwnd = window.handle();
  const int width = GetSystemMetrics(SM_CXSIZE) - 7;
  const int height = GetSystemMetrics(SM_CYSIZE) - 5;
  ResizeClient(width, height);
  ASSERT_EQ(ClientRect(hwnd).right, width);
  ASSERT_EQ(ClientRect(hwnd).bottom, height);
  const Pixels client = ReadClient(hwnd);
  const Pixels whole = ReadWhole(hwnd);

  effects.DrawSizeGrip();
  ExpectGripOver(client, ReadClient(hwnd));
  // The frame around the client area is untouched.
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  const RECT outer = WindowRect(hwnd);
  const int clientX = origin.x - outer.left;
  const int clientY = origin.y - outer.top;
  const Pixels wholeAfter = ReadWhole(hwnd);
  int changedOutside = 0;
  for (int y = 0; y < whole.height; ++y) {
    for (int x = 0; x < whole.width; ++x) {
      const bool inClient =
          x >= clientX && x < clientX + width && y >= clientY && y < clientY + height;
      changedOutside += !inClient && wholeAfter.at(x, y) != whole.at(x, y);
    }
  }
  EXPECT_EQ(changedOutside, 0);
}

TEST_F(SizeGrip, AFullRepaintRemovesIt) {
  HWND hwnd = window.handle();
  const Pixels before = ReadClient(hwnd);
  effects.DrawSizeGrip();
  ASSERT_NE(ReadClient(hwnd).colors, before.colors);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  EXPECT_EQ(ReadClient(hwnd).colors, before.colors);
}

}  // namespace
}  // namespace fx
