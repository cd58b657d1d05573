// lumboABC's secondary windows, seen from outside: each a child of the frame on a thread of its
// own, opened at start and by Show Window, arranged by the Window menu, closed one by one or all
// together with the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "runtime/font.h"
#include "tests/lumboABC/e2e.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"
#include "tests/tour/window_probe.h"

namespace e2e {
namespace {

constexpr char kText[] = "Let your users choose window background!";
constexpr COLORREF kNavy = RGB(0, 0, 128);

RECT PlaceInClient(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND TextOf(HWND window) {
  return FindWindowExA(window, nullptr, "Static", kText);
}

// Shows `more` secondary windows with Show Window and waits for all of them, the first included.
std::vector<HWND> ShowWindows(HWND frame, int more) {
  for (int i = 0; i < more; ++i) {
    Choose(frame, kShowWindow);
  }
  return WaitForWindows(frame, static_cast<std::size_t>(more) + 1);
}

// What a secondary window shows: its background around the text, and the text's own rectangle.
struct WindowPixels {
  test::Pixels around;  // the client area with the text's rectangle kCovered
  test::Pixels text;    // the text's rectangle alone
};

WindowPixels PixelsOfWindow(HWND window) {
  WindowPixels shown{ClientPixelsOf(window), {}};
  RECT text{};
  GetWindowRect(TextOf(window), &text);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&text), 2);
  shown.text.width = text.right - text.left;
  shown.text.height = text.bottom - text.top;
  for (int y = text.top; y < text.bottom; ++y) {
    for (int x = text.left; x < text.right; ++x) {
      std::uint32_t& pixel =
          shown.around.values[static_cast<std::size_t>(y) * shown.around.width + x];
      shown.text.values.push_back(pixel);
      pixel = kCovered;
    }
  }
  return shown;
}

bool NoneOverlapInside(const std::vector<HWND>& windows, const RECT& area) {
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const RECT a = PlaceInClient(windows[i]);
    RECT inside{};
    if (!IntersectRect(&inside, &a, &area) || !EqualRect(&inside, &a)) {
      return false;
    }
    for (std::size_t j = i + 1; j < windows.size(); ++j) {
      const RECT b = PlaceInClient(windows[j]);
      RECT overlap{};
      if (IntersectRect(&overlap, &a, &b)) {
        return false;
      }
    }
  }
  return true;
}

// Tiled: each window at the corner of a tile of its own, the tiles dividing the area into equal
// columns and rows. The windows keep their size, as windows of a fixed size do.
bool Tiled(const std::vector<HWND>& windows, const RECT& area) {
  std::set<LONG> lefts;
  std::set<LONG> tops;
  std::set<std::pair<LONG, LONG>> corners;
  for (HWND window : windows) {
    const RECT placed = PlaceInClient(window);
    lefts.insert(placed.left);
    tops.insert(placed.top);
    corners.insert({placed.left, placed.top});
  }
  const LONG width = area.right / static_cast<LONG>(lefts.size());
  const LONG height = area.bottom / static_cast<LONG>(tops.size());
  const auto onGrid = [](const std::set<LONG>& edges, LONG step) {
    LONG expected = 0;
    for (LONG edge : edges) {
      if (edge != expected) {
        return false;
      }
      expected += step;
    }
    return true;
  };
  return corners.size() == windows.size() && lefts.size() > 1 && tops.size() > 1 &&
         onGrid(lefts, width) && onGrid(tops, height);
}

// Cascaded: from the corner down, each window one equal step right of and below the one before.
bool Cascaded(const std::vector<HWND>& windows) {
  std::vector<RECT> rects;
  for (HWND window : windows) {
    rects.push_back(PlaceInClient(window));
  }
  std::sort(rects.begin(), rects.end(), [](const RECT& a, const RECT& b) { return a.top < b.top; });
  const LONG step = rects.size() > 1 ? rects[1].top - rects[0].top : 0;
  if (step <= 0 || rects[0].left != 0 || rects[0].top != 0) {
    return false;
  }
  for (std::size_t i = 1; i < rects.size(); ++i) {
    if (rects[i].top - rects[i - 1].top != step || rects[i].left - rects[i - 1].left != step) {
      return false;
    }
  }
  return true;
}

using SecondaryWindows = LumboABC;

TEST_F(SecondaryWindows, EachShowWindowAddsOneCentredInTheFrameOnAThreadOfItsOwn) {
  Start();
  const std::vector<HWND> windows = ShowWindows(frame, 3);
  ASSERT_EQ(windows.size(), 4u);
  const rt::GdiObject font = rt::CreateDefinedFont(rt::kDefaultFont);
  const rt::DialogBaseUnits base = rt::MeasureBaseUnits(static_cast<HFONT>(font.get()));
  RECT area{};
  GetClientRect(ClientAreaOf(frame), &area);
  const DWORD frameThread = GetWindowThreadProcessId(frame, nullptr);
  std::set<DWORD> threads;
  for (HWND window : windows) {
    EXPECT_EQ(GetParent(window), ClientAreaOf(frame));
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    EXPECT_EQ(process, program->processId());
    EXPECT_NE(thread, frameThread);
    threads.insert(thread);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, rt::DialogToPixelsX(167, base));
    EXPECT_EQ(client.bottom, rt::DialogToPixelsY(100, base));
    const RECT placed = PlaceInClient(window);
    EXPECT_EQ(placed.left, (area.right - (placed.right - placed.left)) / 2);
    EXPECT_EQ(placed.top, (area.bottom - (placed.bottom - placed.top)) / 2);
    EXPECT_NE(TextOf(window), nullptr);
  }
  EXPECT_EQ(threads.size(), 4u) << "windows share a thread";
}

TEST_F(SecondaryWindows, TileAndCascadeArrangeEveryWindow) {
  Start();
  const std::vector<HWND> windows = ShowWindows(frame, 3);
  ASSERT_EQ(windows.size(), 4u);
  RECT area{};
  GetClientRect(ClientAreaOf(frame), &area);
  ASSERT_FALSE(Tiled(windows, area)) << "centred windows lie on one another";
  Choose(frame, kTile);
  EXPECT_TRUE(test::WaitUntil([&] { return Tiled(windows, area); }, kTimeoutMs));
  Choose(frame, kCascade);
  EXPECT_TRUE(test::WaitUntil([&] { return Cascaded(windows); }, kTimeoutMs));
}

TEST_F(SecondaryWindows, SavedBackgroundIsTiledAroundTheNavyText) {
  struct Case {
    const char* saved;
    const char* tile;  // nullptr: the plain button face
  };
  const Case cases[] = {{"~BkgndY3.gif", "BkgndY3.gif"}, {nullptr, nullptr}};
  for (const Case& c : cases) {
    Start(c.saved);
    const std::vector<HWND> windows = WaitForWindows(frame, 1);
    ASSERT_EQ(windows.size(), 1u);
    const WindowPixels shown = PixelsOfWindow(windows[0]);
    ASSERT_GT(shown.around.width, 64);
    ASSERT_GT(shown.around.height, 64);
    test::Pixels background = Tile("BkgndY3.gif");  // 32 x 32
    if (!c.tile) {
      const COLORREF face = GetSysColor(COLOR_BTNFACE);
      background = {1, 1, {test::Rgb(GetRValue(face), GetGValue(face), GetBValue(face))}};
    }
    EXPECT_EQ(PixelsOffTheTile(shown.around, background), 0) << c.saved;
    // The text is transparent: its rectangle shows navy letters over the same background.
    RECT text{};
    GetWindowRect(TextOf(windows[0]), &text);
    MapWindowPoints(nullptr, windows[0], reinterpret_cast<POINT*>(&text), 2);
    int letters = 0;
    int wrong = 0;
    for (int y = 0; y < shown.text.height; ++y) {
      for (int x = 0; x < shown.text.width; ++x) {
        const std::uint32_t pixel = shown.text.at(x, y);
        const std::uint32_t under =
            background.at((text.left + x) % background.width, (text.top + y) % background.height);
        letters += pixel == test::Rgb(GetRValue(kNavy), GetGValue(kNavy), GetBValue(kNavy));
        wrong += pixel != under && pixel != test::Rgb(0, 0, 128);
      }
    }
    EXPECT_GT(letters, 100) << c.saved;
    EXPECT_EQ(wrong, 0) << c.saved;
  }
}

TEST_F(SecondaryWindows, ClosingOneLeavesTheOthersAsTheyWere) {
  Start("~BkgndY3.gif");
  std::vector<HWND> windows = ShowWindows(frame, 2);
  ASSERT_EQ(windows.size(), 3u);
  // Room for the tiles to keep the windows apart.
  SetWindowPos(frame, nullptr, 0, 0, 1000, 800, SWP_NOMOVE | SWP_NOZORDER);
  RECT area{};
  ASSERT_TRUE(test::WaitUntil([&] {
    GetClientRect(ClientAreaOf(frame), &area);
    return area.right > 900;
  }));
  Choose(frame, kTile);
  ASSERT_TRUE(test::WaitUntil([&] { return NoneOverlapInside(windows, area); }, kTimeoutMs));
  const test::Pixels tile = Tile("BkgndY3.gif");
  const auto closeAndCheckTheRest = [&](const char* how, void (*close)(HWND)) {
    std::vector<RECT> before;
    for (std::size_t i = 1; i < windows.size(); ++i) {
      before.push_back(PlaceInClient(windows[i]));
    }
    close(windows[0]);
    ASSERT_TRUE(probe::WaitUntilGone(windows[0], kTimeoutMs)) << how;
    windows.erase(windows.begin());
    EXPECT_EQ(ChildWindows(frame, kWindowTitle).size(), windows.size()) << how;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const RECT after = PlaceInClient(windows[i]);
      EXPECT_TRUE(EqualRect(&after, &before[i])) << how;
      EXPECT_EQ(PixelsOffTheTile(PixelsOfWindow(windows[i]).around, tile), 0) << how;
    }
  };
  // Its close box, then the keyboard's Ctrl+F4 on the active one.
  closeAndCheckTheRest("close box",
                       [](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
  closeAndCheckTheRest("Ctrl+F4", [](HWND window) {
    PostMessageA(GetParent(window), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    test::WaitUntil([&] {
      return reinterpret_cast<HWND>(SendMessageA(GetParent(window), WM_MDIGETACTIVE, 0, 0)) ==
             window;
    });
    test::BringToFront(GetAncestor(window, GA_ROOT));
    test::PressCtrlAnd(VK_F4);
  });
  EXPECT_FALSE(program->waitForExit(0));
}

TEST_F(SecondaryWindows, ExitAndTheCloseBoxEndTheProcessWithWindowsOpen) {
  struct Case {
    const char* how;
    bool exitMenu;      // File, Exit; else the frame's close box
    bool windowsShown;  // else the frame closes while they are still opening
  };
  const Case cases[] = {{"File, Exit", true, true},
                        {"close box", false, true},
                        {"File, Exit while windows open", true, false}};
  for (const Case& c : cases) {
    Start();
    if (c.windowsShown) {
      ASSERT_EQ(ShowWindows(frame, 3).size(), 4u) << c.how;
    } else {
      for (int i = 0; i < 3; ++i) {
        Choose(frame, kShowWindow);
      }
    }
    if (c.exitMenu) {
      Choose(frame, kExit);
    } else {
      PostMessageA(frame, WM_CLOSE, 0, 0);
    }
    ASSERT_TRUE(program->waitForExit(kTimeoutMs)) << c.how;
    EXPECT_EQ(program->exitCode(), 0u) << c.how;
    // The frame's own close-down ran to its end.
    EXPECT_EQ(IniValue(program->folder(), "Main", "Maximize"), "No") << c.how;
  }
}

TEST_F(SecondaryWindows, BackgroundChoiceRestartsWhateverWindowsAreOpen) {
  Start();
  ASSERT_EQ(ShowWindows(frame, 2).size(), 3u);
  const auto next = ChooseAndRestart(ImageEntry(17));
  ASSERT_NE(next->frame(), nullptr);
  EXPECT_EQ(Saved(), "~BkgndY3.gif");
  const std::vector<HWND> windows = ChildWindows(next->frame(), kWindowTitle);
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(PixelsOffTheTile(PixelsOfWindow(windows[0]).around, Tile("BkgndY3.gif")), 0);
}

}  // namespace
}  // namespace e2e
