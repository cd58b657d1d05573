// Child windows of the application frame, each opened by a thread of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/application_frame.h"
#include "runtime/menu_ids.h"
#include "runtime/thread.h"
#include "runtime/window.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

constexpr MenuItemDefinition kWindowMenu[] = {
    {.text = "T&ile", .label = "?TILE", .field = -2, .action = StandardAction::Tile},
    {.text = "&Cascade", .label = "?CASCADE", .field = -3, .action = StandardAction::Cascade},
    {.text = "&Arrange Icons",
     .label = "?ARRANGE",
     .field = -4,
     .action = StandardAction::ArrangeIcons},
};
constexpr MenuItemDefinition kMenuBar[] = {
    {.kind = MenuItemKind::Popup, .text = "&Window", .windowList = true, .items = kWindowMenu},
};
constexpr WindowDefinition kFrame{.name = "test$frame",
                                  .label = "P1$APPFRAME",
                                  .title = "Frame",
                                  .width = 400,
                                  .height = 260,
                                  .resizable = true,
                                  .systemMenu = true,
                                  .applicationFrame = true,
                                  .menuBar = kMenuBar};

constexpr ControlDefinition kChildControls[] = {
    {.type = ControlType::String, .label = "?STRING1", .text = "Inside", .x = 10, .y = 20},
};
constexpr WindowDefinition kChild{.name = "test$child",
                                  .label = "P1$WINDOW",
                                  .title = "Child",
                                  .width = 120,
                                  .height = 60,
                                  .centred = true,
                                  .systemMenu = true,
                                  .gray = true,
                                  .mdiChild = true,
                                  .controls = kChildControls};

constexpr DWORD kTimeoutMs = 10000;
constexpr std::size_t kStack = 25000;

// What the child procedures saw, for the test thread to check.
std::mutex recordsMutex;
std::vector<HWND> created;      // each child's handle as its window was created
std::vector<bool> shownAtOnce;  // whether it was visible before its first event
std::atomic<int> closedChildren{0};
std::atomic<bool> stubbornUntilReleased{false};

void Record(const Window& child) {
  const std::lock_guard lock(recordsMutex);
  created.push_back(child.handle());
  shownAtOnce.push_back(child.handle() && IsWindowVisible(child.handle()));
}

// A child's procedure: opens the window and runs it until it is asked to close.
void RunChild() {
  Window child(kChild);
  Record(child);
  while (child.nextEvent().kind != EventKind::CloseWindow) {
  }
  ++closedChildren;
}

// A child that will not close until the test releases it.
void RunStubbornChild() {
  Window child(kChild);
  Record(child);
  while (child.nextEvent().kind != EventKind::CloseWindow || stubbornUntilReleased) {
  }
  ++closedChildren;
}

std::vector<HWND> ChildrenOf(const Window& frame) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(frame.clientHandle(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

// Starts `count` children on threads of their own and waits until they all show.
std::vector<HWND> OpenChildren(const Window& frame, int count, void (*procedure)() = RunChild) {
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(StartThread(procedure, kStack));
  }
  std::vector<HWND> children;
  test::WaitUntil(
      [&] {
        children = ChildrenOf(frame);
        return static_cast<int>(children.size()) == count &&
               std::all_of(children.begin(), children.end(), IsWindowVisible);
      },
      kTimeoutMs);
  EXPECT_EQ(static_cast<int>(children.size()), count);
  return children;
}

RECT RectInClient(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string MenuText(HMENU menu, int position) {
  char text[128] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

void Choose(const Window& frame, int field) {
  PostMessageA(frame.handle(), WM_COMMAND, MenuCommandId(field), 0);
}

class MdiChildren : public testing::Test {
 protected:
  void SetUp() override {
    {
      const std::lock_guard lock(recordsMutex);
      created.clear();
      shownAtOnce.clear();
    }
    closedChildren = 0;
    stubbornUntilReleased = false;
    frame = std::make_unique<Window>(kFrame);
    ASSERT_EQ(frame->nextEvent().kind, EventKind::OpenWindow);
    ASSERT_EQ(ApplicationFrameClient(), frame->clientHandle());
  }
  void TearDown() override {
    frame.reset();
    EXPECT_TRUE(WaitForStartedThreads(kTimeoutMs));
    EXPECT_EQ(ApplicationFrameClient(), nullptr);
  }

  std::unique_ptr<Window> frame;
};

TEST_F(MdiChildren, ChildOpensHiddenInsideTheFrameOnItsOwnThreadCentredAtItsSize) {
  const std::vector<HWND> children = OpenChildren(*frame, 1);
  ASSERT_EQ(children.size(), 1u);
  HWND child = children[0];
  EXPECT_EQ(GetParent(child), frame->clientHandle());
  EXPECT_NE(GetWindowThreadProcessId(child, nullptr), GetCurrentThreadId());
  {
    const std::lock_guard lock(recordsMutex);
    ASSERT_EQ(created, std::vector<HWND>{child});
    EXPECT_FALSE(shownAtOnce[0]) << "shown before its first event: an opening animation could "
                                    "not play";
  }
  EXPECT_TRUE(GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_MDICHILD);
  const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
  EXPECT_TRUE((style & WS_SYSMENU) && (style & WS_CAPTION) == WS_CAPTION);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  char title[32] = {};
  GetWindowTextA(child, title, sizeof title);
  EXPECT_STREQ(title, "Child");
  EXPECT_NE(FindWindowExA(child, nullptr, "Static", "Inside"), nullptr);

  RECT client{};
  GetClientRect(child, &client);
  EXPECT_EQ(client.right, DialogToPixelsX(120, frame->baseUnits()));
  EXPECT_EQ(client.bottom, DialogToPixelsY(60, frame->baseUnits()));
  RECT area{};
  GetClientRect(frame->clientHandle(), &area);
  const RECT placed = RectInClient(child);
  EXPECT_EQ(placed.left, (area.right - (placed.right - placed.left)) / 2);
  EXPECT_EQ(placed.top, (area.bottom - (placed.bottom - placed.top)) / 2);
}

TEST_F(MdiChildren, WindowMenuListsEachChildUntilItClosesByItsCloseBox) {
  HMENU windowMenu = GetSubMenu(GetMenu(frame->handle()), 0);
  const int before = GetMenuItemCount(windowMenu);
  const std::vector<HWND> children = OpenChildren(*frame, 2);
  ASSERT_EQ(children.size(), 2u);
  // A separator and one entry per child.
  ASSERT_TRUE(test::WaitUntil([&] { return GetMenuItemCount(windowMenu) == before + 3; }));
  EXPECT_NE(MenuText(windowMenu, before + 1).find("Child"), std::string::npos);
  EXPECT_NE(MenuText(windowMenu, before + 2).find("Child"), std::string::npos);

  // The close box: the system menu's Close, on the child's own thread.
  PostMessageA(children[0], WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(children[0]); }, kTimeoutMs));
  EXPECT_TRUE(IsWindowVisible(children[1]));
  EXPECT_TRUE(test::WaitUntil([&] { return GetMenuItemCount(windowMenu) == before + 2; }));
  PostMessageA(children[1], WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForStartedThreads(kTimeoutMs));
  EXPECT_EQ(closedChildren, 2);
  EXPECT_TRUE(ChildrenOf(*frame).empty());
  EXPECT_EQ(GetMenuItemCount(windowMenu), before);
}

TEST_F(MdiChildren, TileCascadeAndArrangeIconsMoveChildrenOfOtherThreads) {
  std::vector<HWND> children = OpenChildren(*frame, 3);
  ASSERT_EQ(children.size(), 3u);
  RECT area{};
  GetClientRect(frame->clientHandle(), &area);
  const auto tiled = [&] {
    for (std::size_t i = 0; i < children.size(); ++i) {
      RECT a = RectInClient(children[i]), inside{};
      if (!IntersectRect(&inside, &a, &area) || !EqualRect(&inside, &a)) {
        return false;
      }
      for (std::size_t j = i + 1; j < children.size(); ++j) {
        RECT b = RectInClient(children[j]), overlap{};
        if (IntersectRect(&overlap, &a, &b)) {
          return false;
        }
      }
    }
    return true;
  };
  ASSERT_FALSE(tiled()) << "centred children lie on one another";
  Choose(*frame, -2);
  EXPECT_TRUE(test::WaitUntil(tiled));

  Choose(*frame, -3);
  EXPECT_TRUE(test::WaitUntil([&] {
    std::vector<RECT> rects;
    for (HWND child : children) {
      rects.push_back(RectInClient(child));
    }
    std::sort(rects.begin(), rects.end(),
              [](const RECT& a, const RECT& b) { return a.top < b.top; });
    const int step = rects[1].top - rects[0].top;
    return step > 0 && rects[0].left == 0 && rects[0].top == 0 &&
           rects[2].top - rects[1].top == step && rects[1].left - rects[0].left == step &&
           rects[2].left - rects[1].left == step;
  }));

  // Minimised children moved out of their row go back to the bottom of the area.
  for (HWND child : children) {
    ShowWindow(child, SW_MINIMIZE);
    SetWindowPos(child, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Choose(*frame, -4);
  EXPECT_TRUE(test::WaitUntil([&] {
    for (HWND child : children) {
      if (!IsIconic(child) || RectInClient(child).bottom != area.bottom) {
        return false;
      }
    }
    return true;
  }));
}

TEST_F(MdiChildren, ClosingTheFrameClosesEveryChildOnItsThreadAndWaitsForThem) {
  const std::vector<HWND> children = OpenChildren(*frame, 4);
  ASSERT_EQ(children.size(), 4u);
  frame.reset();
  // Every child went through its own close, and its thread has ended.
  EXPECT_EQ(closedChildren, 4);
  EXPECT_TRUE(WaitForStartedThreads(0));
  for (HWND child : children) {
    EXPECT_FALSE(IsWindow(child));
  }
}

TEST_F(MdiChildren, ChildThatWillNotCloseHoldsTheFrameOnlyForAWhile) {
  stubbornUntilReleased = true;
  const std::vector<HWND> children = OpenChildren(*frame, 1, RunStubbornChild);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_FALSE(CloseApplicationFrame(frame->clientHandle(), 300));
  EXPECT_TRUE(IsWindow(children[0]));

  // The frame is closing: a child started now does not open.
  ASSERT_TRUE(StartThread(RunChild, kStack));
  ASSERT_TRUE(test::WaitUntil([] { return closedChildren == 1; }, kTimeoutMs));
  {
    const std::lock_guard lock(recordsMutex);
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[1], nullptr);
  }
  stubbornUntilReleased = false;
  PostMessageA(children[0], WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForStartedThreads(kTimeoutMs));
  EXPECT_EQ(closedChildren, 2);
}

TEST(MdiChild, WithoutAFrameItDoesNotOpenAndEndsAtOnce) {
  ASSERT_EQ(ApplicationFrameClient(), nullptr);
  Window child(kChild);
  EXPECT_EQ(child.handle(), nullptr);
  EXPECT_EQ(child.nextEvent().kind, EventKind::CloseWindow);
}

}  // namespace
}  // namespace rt
