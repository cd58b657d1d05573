#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/menu_ids.h"
#include "runtime/window.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

constexpr MenuItemDefinition kFileMenu[] = {
    {.text = "&Open", .label = "?OPEN", .field = -2, .message = "Open something"},
    {.kind = MenuItemKind::Separator},
    {.text = "E&xit",
     .label = "?EXIT",
     .field = -3,
     .message = "Leave",
     .action = StandardAction::CloseWindow},
};
constexpr MenuItemDefinition kEditMenu[] = {
    {.text = "&Copy", .label = "?COPY", .field = -5, .action = StandardAction::Copy},
    {.text = "&Paste", .label = "?PASTE", .field = -6, .action = StandardAction::Paste},
};
constexpr MenuItemDefinition kWindowMenu[] = {
    {.text = "T&ile", .label = "?TILE", .field = -7, .action = StandardAction::Tile},
    {.text = "&Cascade", .label = "?CASCADE", .field = -8, .action = StandardAction::Cascade},
};
constexpr MenuItemDefinition kMenuBar[] = {
    {.kind = MenuItemKind::Popup,
     .text = "&File",
     .label = "?FILEMENU",
     .field = -1,
     .items = kFileMenu},
    {.kind = MenuItemKind::Popup,
     .text = "&Edit",
     .label = "?EDITMENU",
     .field = -4,
     .items = kEditMenu},
    {.kind = MenuItemKind::Popup,
     .text = "&Window",
     .message = "Arrange",
     .windowList = true,
     .items = kWindowMenu},
    {.text = "&Go", .label = "?GO", .field = -9, .message = "An entry on the bar itself"},
};
constexpr int kZones[] = {kRemainingWidth, 80, 120, 45};
constexpr WindowDefinition kFrame{.name = "test$frame",
                                  .label = "P1$APPFRAME",
                                  .title = "Test Frame",
                                  .width = 310,
                                  .height = 190,
                                  .resizable = true,
                                  .systemMenu = true,
                                  .maximizeBox = true,
                                  .applicationFrame = true,
                                  .statusZones = kZones,
                                  .menuBar = kMenuBar};

std::string MenuText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

std::string StatusText(const Window& frame, int zone) {
  char text[256] = {};
  SendMessageA(frame.statusBar(), SB_GETTEXTA, zone, reinterpret_cast<LPARAM>(text));
  return text;
}

void Choose(const Window& frame, int field) {
  PostMessageA(frame.handle(), WM_COMMAND, MenuCommandId(field), 0);
}

HWND CreateChild(const Window& frame, const char* title) {
  MDICREATESTRUCTA child{"MDICLIENT_TEST_CHILD",
                         title,
                         GetModuleHandleA(nullptr),
                         CW_USEDEFAULT,
                         CW_USEDEFAULT,
                         200,
                         120,
                         WS_OVERLAPPEDWINDOW | WS_VISIBLE,  // the frame keeps children's styles
                         0};
  return reinterpret_cast<HWND>(
      SendMessageA(frame.clientHandle(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
}

class Frame : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA childClass{};
    childClass.lpfnWndProc = DefMDIChildProcA;
    childClass.hInstance = GetModuleHandleA(nullptr);
    childClass.lpszClassName = "MDICLIENT_TEST_CHILD";
    childClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassA(&childClass);
  }
  void SetUp() override { ASSERT_EQ(frame.nextEvent().kind, EventKind::OpenWindow); }

  Window frame{kFrame};
};

TEST_F(Frame, HasAnMdiClientAboveAStatusBarOfFourZones) {
  char className[32] = {};
  GetClassNameA(frame.clientHandle(), className, sizeof className);
  EXPECT_STREQ(className, "MDIClient");
  ASSERT_NE(frame.statusBar(), nullptr);
  int edges[8] = {};
  ASSERT_EQ(SendMessageA(frame.statusBar(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 4);
  const DialogBaseUnits base = frame.baseUnits();
  EXPECT_EQ(edges[2] - edges[1], DialogToPixelsX(120, base));
  EXPECT_EQ(edges[1] - edges[0], DialogToPixelsX(80, base));
  EXPECT_EQ(edges[3], -1);

  RECT client{}, bar{}, mdi{};
  GetClientRect(frame.handle(), &client);
  GetWindowRect(frame.statusBar(), &bar);
  GetClientRect(frame.clientHandle(), &mdi);
  MapWindowPoints(nullptr, frame.handle(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  RECT mdiInFrame{};
  GetWindowRect(frame.clientHandle(), &mdiInFrame);
  MapWindowPoints(nullptr, frame.handle(), reinterpret_cast<POINT*>(&mdiInFrame), 2);
  EXPECT_EQ(mdiInFrame.bottom, bar.top);
}

TEST_F(Frame, ZonesFollowTheFramesWidth) {
  SetWindowPos(frame.handle(), nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
  test::PumpMessages(20);
  int edges[4] = {};
  SendMessageA(frame.statusBar(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges));
  RECT client{};
  GetClientRect(frame.handle(), &client);
  const DialogBaseUnits base = frame.baseUnits();
  EXPECT_EQ(edges[0], client.right - DialogToPixelsX(80 + 120 + 45, base));
}

TEST_F(Frame, MenuBarCarriesTextsAndCommandIds) {
  HMENU bar = GetMenu(frame.handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  EXPECT_EQ(MenuText(bar, 3), "&Go");
  EXPECT_EQ(GetMenuItemID(bar, 3), static_cast<UINT>(MenuCommandId(-9)));
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(MenuText(file, 0), "&Open");
  EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(MenuCommandId(-2)));
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(MenuText(file, 2), "E&xit");
  EXPECT_EQ(GetMenuItemID(file, 2), static_cast<UINT>(MenuCommandId(-3)));
  EXPECT_EQ(frame.menuBar().entryForField(-1)->popup, file);
  EXPECT_EQ(frame.menuBar().entryForField(-3)->label, "?EXIT");
}

TEST_F(Frame, HighlightedEntryShowsItsMessageInTheFirstZone) {
  HMENU bar = GetMenu(frame.handle());
  HMENU file = GetSubMenu(bar, 0);
  struct Case {
    WPARAM item;
    UINT flags;
    HMENU menu;
    const char* expected;
  };
  const Case cases[] = {
      {static_cast<WPARAM>(MenuCommandId(-2)), MF_HILITE, file, "Open something"},
      {static_cast<WPARAM>(MenuCommandId(-3)), MF_HILITE, file, "Leave"},
      {2, MF_POPUP | MF_HILITE, bar, "Arrange"},  // the Window menu itself
      {static_cast<WPARAM>(MenuCommandId(-5)), MF_HILITE, GetSubMenu(bar, 1), ""},
      {static_cast<WPARAM>(MenuCommandId(-9)), MF_HILITE, bar, "An entry on the bar itself"},
  };
  for (const Case& c : cases) {
    SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(c.item, c.flags),
                 reinterpret_cast<LPARAM>(c.menu));
    EXPECT_EQ(StatusText(frame, 0), c.expected) << c.item;
  }
  SendMessageA(frame.handle(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(StatusText(frame, 0), "");
}

TEST_F(Frame, EntryWithoutActionIsAcceptedAndExitClosesTheFrame) {
  Choose(frame, -2);
  Choose(frame, -9);
  Choose(frame, -3);
  Event event = frame.nextEvent();
  EXPECT_EQ(event.kind, EventKind::Accepted);
  EXPECT_EQ(event.field, -2);
  event = frame.nextEvent();
  EXPECT_EQ(event.field, -9);
  EXPECT_EQ(frame.nextEvent().kind, EventKind::CloseWindow);
}

TEST_F(Frame, WindowMenuListsTheChildWindowsAndTileArrangesThem) {
  HMENU windowMenu = GetSubMenu(GetMenu(frame.handle()), 2);
  const int before = GetMenuItemCount(windowMenu);
  HWND first = CreateChild(frame, "First child");
  HWND second = CreateChild(frame, "Second child");
  ASSERT_TRUE(first && second);
  test::PumpMessages(20);
  // A separator and one entry per child.
  EXPECT_EQ(GetMenuItemCount(windowMenu), before + 3);
  EXPECT_NE(MenuText(windowMenu, before + 1).find("First child"), std::string::npos);

  Choose(frame, -7);
  EXPECT_TRUE(test::WaitUntil([&] {
    RECT a{}, b{}, overlap{};
    GetWindowRect(first, &a);
    GetWindowRect(second, &b);
    return !IntersectRect(&overlap, &a, &b);
  }));
  Choose(frame, -8);
  EXPECT_TRUE(test::WaitUntil([&] {
    RECT a{}, b{};
    GetWindowRect(first, &a);
    GetWindowRect(second, &b);
    return a.left != b.left && a.right - a.left == b.right - b.left;
  }));
}

TEST_F(Frame, CopyAndPasteGoToTheFocusedControl) {
  HWND child = CreateChild(frame, "Editor");
  HWND source = CreateWindowExA(0, "EDIT", "clip me", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, child,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND target = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 30, 100, 20, child,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  SetFocus(source);
  SendMessageA(source, EM_SETSEL, 0, -1);
  Choose(frame, -5);
  test::PumpMessages(20);
  SetFocus(target);
  Choose(frame, -6);
  EXPECT_TRUE(test::WaitUntil([&] {
    char text[32] = {};
    GetWindowTextA(target, text, sizeof text);
    return std::string(text) == "clip me";
  }));
}

}  // namespace
}  // namespace rt
