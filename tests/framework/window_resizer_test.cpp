#include "framework/window_resizer.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/window_manager.h"

namespace fw {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr ControlDefinition kControls[] = {
    {.type = ControlType::Panel, .label = "?PANEL", .x = 10, .y = 10, .width = 180, .height = 50},
    {.type = ControlType::Text, .label = "?TEXT", .x = 15, .y = 15, .width = 170, .height = 40},
    {.type = ControlType::Entry, .label = "?ENTRY", .x = 10, .y = 68, .width = 100, .height = 10},
    {.type = ControlType::Button,
     .label = "?BUTTON",
     .text = "Close",
     .x = 150,
     .y = 80,
     .width = 40,
     .height = 14},
};
constexpr int kPanel = 1, kText = 2, kEntry = 3, kButton = 4;

constexpr rt::WindowDefinition kResizable{.name = "test$resizable",
                                          .label = "P1$WINDOW",
                                          .title = "Resizable",
                                          .width = 200,
                                          .height = 100,
                                          .resizable = true,
                                          .systemMenu = true,
                                          .gray = true,
                                          .controls = kControls};

RECT PlaceOf(const rt::Window& window, int field) {
  RECT rect{};
  GetWindowRect(window.handle(field), &rect);
  MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<RECT> Places(const rt::Window& window) {
  std::vector<RECT> places;
  for (int field = window.firstField(); field <= window.lastField(); ++field) {
    places.push_back(PlaceOf(window, field));
  }
  return places;
}

SIZE ClientSize(const rt::Window& window) {
  RECT client{};
  GetClientRect(window.handle(), &client);
  return {client.right, client.bottom};
}

void GrowBy(const rt::Window& window, int dx, int dy) {
  RECT frame{};
  GetWindowRect(window.handle(), &frame);
  SetWindowPos(window.handle(), nullptr, 0, 0, frame.right - frame.left + dx,
               frame.bottom - frame.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(WindowResizer, ControlsFollowTheWindowProportionallyAndComeBackExactly) {
  rt::Window window(kResizable);
  WindowResizer resizer;
  resizer.attach(window);
  const std::vector<RECT> before = Places(window);
  const SIZE small = ClientSize(window);

  for (const SIZE growth : {SIZE{300, 150}, SIZE{-100, -40}}) {
    GrowBy(window, growth.cx, growth.cy);
    resizer.resize();
    const SIZE now = ClientSize(window);
    const RECT panel = PlaceOf(window, kPanel);
    const RECT oldPanel = before[kPanel - 1];
    EXPECT_NEAR(panel.right - panel.left, MulDiv(oldPanel.right - oldPanel.left, now.cx, small.cx),
                1);
    EXPECT_NEAR(panel.bottom - panel.top, MulDiv(oldPanel.bottom - oldPanel.top, now.cy, small.cy),
                1);
    EXPECT_TRUE(Inside(PlaceOf(window, kText), panel)) << "the text stays inside its panel";
    for (const int singleLine : {kEntry, kButton}) {
      const RECT place = PlaceOf(window, singleLine);
      const RECT old = before[singleLine - 1];
      EXPECT_EQ(place.bottom - place.top, old.bottom - old.top) << singleLine;
      EXPECT_NEAR(place.right, MulDiv(old.right, now.cx, small.cx), 1) << singleLine;
      EXPECT_LE(place.bottom, now.cy) << singleLine;
    }
    GrowBy(window, -growth.cx, -growth.cy);
    resizer.resize();
    const std::vector<RECT> after = Places(window);
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_TRUE(EqualRect(&after[i], &before[i])) << "field " << i + 1;
    }
  }
}

TEST(WindowResizer, WithoutControlsOrAWindowDoesNothing) {
  constexpr rt::WindowDefinition kEmpty{
      .name = "test$empty", .label = "P1$WINDOW", .title = "Empty", .width = 50, .height = 30};
  WindowResizer unattached;
  unattached.resize();
  rt::Window window(kEmpty);
  WindowResizer resizer;
  resizer.attach(window);
  GrowBy(window, 40, 40);
  resizer.resize();
}

// A window procedure that grows its window once it has opened and notes where the panel is when
// the Sized event arrives.
class GrowingWindow : public WindowManager {
 public:
  explicit GrowingWindow(bool registerResizer)
      : WindowManager(kResizable), register_(registerResizer) {}
  RECT panelBefore{};
  RECT panelAfter{};

 protected:
  Level initialise() override {
    if (const Level level = WindowManager::initialise(); level != Level::Benign) {
      return level;
    }
    open();
    resizer_.attach(*window());
    if (register_) {
      registerResizer(resizer_);
    }
    panelBefore = PlaceOf(*window(), kPanel);
    return Level::Benign;
  }
  Level windowEvent() override {
    const Level level = WindowManager::windowEvent();
    if (event().kind == rt::EventKind::OpenWindow) {
      GrowBy(*window(), 200, 100);
    } else if (event().kind == rt::EventKind::Sized) {
      panelAfter = PlaceOf(*window(), kPanel);
      postCloseWindow();
    }
    return level;
  }

 private:
  bool register_;
  WindowResizer resizer_;
};

TEST(WindowResizer, RegisteredWithTheWindowManagerItFollowsSizedEvents) {
  for (const bool registered : {true, false}) {
    GrowingWindow procedure(registered);
    procedure.run();
    const LONG grown = procedure.panelAfter.right - procedure.panelBefore.right;
    if (registered) {
      EXPECT_GT(grown, 100);
    } else {
      EXPECT_EQ(grown, 0);
    }
    procedure.closeWindow();
  }
}

}  // namespace
}  // namespace fw
