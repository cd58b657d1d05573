#include "effects/window_animation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/animation_recorder.h"
#include "tests/support/gdi_table.h"

namespace fx {
namespace {

constexpr rt::WindowDefinition WindowColoured(std::int32_t color) {
  return {.name = "test$animated",
          .label = "P1$WINDOW",
          .title = "Animated",
          .width = 120,
          .height = 60,
          .systemMenu = true,
          .gray = true,
          .doubleFrame = true,
          .color = color};
}

constexpr rt::WindowDefinition kPlain = WindowColoured(rt::kNoColor);
constexpr rt::WindowDefinition kHighlight = WindowColoured(rt::SystemColor(COLOR_HIGHLIGHT));
constexpr rt::WindowDefinition kTeal = WindowColoured(0x808000);

constexpr AnimationFunction kMissingFunction{"user32.dll", "NoSuchAnimateWindow"};
constexpr AnimationFunction kMissingLibrary{"no_such_library.dll", "AnimateWindow"};
constexpr AnimationFunction kRecorded{test::AnimationRecorder::kLibrary,
                                      test::AnimationRecorder::kFunction};

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A 32-bit memory bitmap larger than the test windows, standing for the DC that the animation
// hands to WM_PRINTCLIENT; it starts filled with kUntouched.
class Canvas {
 public:
  static constexpr int kWidth = 600;
  static constexpr int kHeight = 400;

  Canvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    selected_.emplace(dc_.get(), bitmap_.get());
    const RECT all{0, 0, kWidth, kHeight};
    const rt::GdiObject brush(CreateSolidBrush(kUntouched));
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(brush.get()));
  }
  HDC dc() const { return dc_.get(); }
  COLORREF at(int x, int y) const { return GetPixel(dc_.get(), x, y); }

 private:
  rt::MemoryDc dc_;
  rt::GdiObject bitmap_;
  std::optional<rt::SelectedObject> selected_;
};

LRESULT PrintClient(HWND window, const Canvas& canvas) {
  return SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
}

TEST(PrintClientProc, FillsTheClientAreaWithTheWindowsColourOrButtonFace) {
  const struct {
    const rt::WindowDefinition* definition;
    COLORREF expected;
  } cases[] = {
      {&kPlain, GetSysColor(COLOR_BTNFACE)},
      {&kHighlight, GetSysColor(COLOR_BTNFACE)},
      {&kTeal, 0x808000},
  };
  ASSERT_NE(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_BTNFACE));
  for (const auto& each : cases) {
    rt::Window window(*each.definition);
    RECT client{};
    GetClientRect(window.handle(), &client);
    ASSERT_LT(client.right, Canvas::kWidth);
    ASSERT_LT(client.bottom, Canvas::kHeight);

    Canvas before;
    PrintClient(window.handle(), before);
    EXPECT_EQ(before.at(client.right / 2, client.bottom / 2), kUntouched) << "not yet subclassed";

    SubclassWithPrintClient(window);
    Canvas canvas;
    PrintClient(window.handle(), canvas);
    for (const POINT inside : {POINT{0, 0}, POINT{client.right - 1, client.bottom - 1},
                               POINT{client.right / 2, client.bottom / 2}}) {
      EXPECT_EQ(canvas.at(inside.x, inside.y), each.expected) << each.definition->color;
    }
    EXPECT_EQ(canvas.at(client.right, client.bottom / 2), kUntouched) << "beyond the client area";
    EXPECT_EQ(canvas.at(client.right / 2, client.bottom), kUntouched) << "beyond the client area";
  }
}

// The window's own procedure while a test runs: records each message and answers WM_APP+n
// with a value of its own; passes the rest to the runtime.
struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received&) const = default;
};
std::vector<Received> received;
WNDPROC runtimeProcedure = nullptr;

LRESULT CALLBACK RecordingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  received.push_back({message, wParam, lParam});
  if (message >= WM_APP) {
    return static_cast<LRESULT>(wParam * 3 + static_cast<WPARAM>(lParam));
  }
  return CallWindowProcA(runtimeProcedure, hwnd, message, wParam, lParam);
}

TEST(PrintClientProc, PassesEveryMessageUnchangedToTheWindowsOwnProcedure) {
  rt::Window window(kTeal);
  runtimeProcedure = window.procedure();
  window.setProcedure(RecordingProcedure);
  SubclassWithPrintClient(window);
  EXPECT_EQ(window.procedure(), PrintClientProc);
  const Canvas canvas;
  const char title[] = "Renamed";
  const Received messages[] = {
      {WM_NULL, 0, 0},
      {WM_APP + 5, 0x1234, -7},
      {WM_APP, ~WPARAM{0}, 0x7FFFFFFF},
      {WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT | PRF_ERASEBKGND},
      {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 7)},
      {WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title)},
      {WM_USER + 9, 1, 2},
  };
  for (const Received& message : messages) {
    received.clear();
    const LRESULT result =
        SendMessageA(window.handle(), message.message, message.wParam, message.lParam);
    ASSERT_EQ(received.size(), 1u) << std::hex << message.message;
    EXPECT_EQ(received[0], message) << std::hex << message.message;
    if (message.message >= WM_APP) {
      EXPECT_EQ(result,
                static_cast<LRESULT>(message.wParam * 3 + static_cast<WPARAM>(message.lParam)));
    }
  }
  EXPECT_EQ(window.text(), "Renamed");
  window.setProcedure(runtimeProcedure);
}

TEST(PrintClientProc, SubclassingTwiceKeepsTheOriginalProcedure) {
  rt::Window window(kPlain);
  const WNDPROC own = window.procedure();
  SubclassWithPrintClient(window);
  SubclassWithPrintClient(window);
  Canvas canvas;
  PrintClient(window.handle(), canvas);  // would recurse for ever if it had saved itself
  EXPECT_EQ(canvas.at(1, 1), GetSysColor(COLOR_BTNFACE));
  RestoreProcedure(window);
  EXPECT_EQ(window.procedure(), own);
  RestoreProcedure(window);
  EXPECT_EQ(window.procedure(), own);
}

TEST(PrintClientProc, ReleasesItsBrushEveryTime) {
  rt::Window window(kTeal);
  SubclassWithPrintClient(window);
  const Canvas canvas;
  const test::NearlyFullGdiTable table;
  ASSERT_GT(table.filled(), 5000);
  for (int i = 0; i < 1000; ++i) {
    PrintClient(window.handle(), canvas);
  }
  EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
  EXPECT_EQ(canvas.at(2, 2), 0x808000u);
}

TEST(KeptAnimation, OpensAndClosesWithTheGivenFlagsAndFreesTheLibrary) {
  rt::Window window(kPlain);
  test::AnimationRecorder recorder([&](const test::AnimationCall&) {
    EXPECT_EQ(window.procedure(), PrintClientProc) << "subclassed while it animates";
  });
  ASSERT_TRUE(recorder.loaded());
  {
    KeptAnimation animation(kRecorded);
    ASSERT_TRUE(animation.open(window));
    EXPECT_FALSE(IsWindowVisible(window.handle())) << "open() alone shows nothing";
    animation.play(300, AW_ACTIVATE | AW_CENTER);
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    EXPECT_EQ(GetActiveWindow(), window.handle());
    animation.close(250, AW_HIDE | AW_CENTER);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_EQ(window.procedure(), PrintClientProc) << "kept until the window is destroyed";
  }
  const std::vector<test::AnimationCall> expected = {
      {window.handle(), 300, 0x20010},
      {window.handle(), 250, 0x10010},
  };
  EXPECT_EQ(recorder.calls(), expected);
  recorder.unload();
  EXPECT_EQ(GetModuleHandleA(test::AnimationRecorder::kLibrary), nullptr)
      << "close() frees the library";
}

TEST(KeptAnimation, MissingFunctionOrLibraryIsReportedAndAnimatesNothing) {
  for (const AnimationFunction& missing : {kMissingFunction, kMissingLibrary}) {
    rt::Window window(kPlain);
    KeptAnimation animation(missing);
    EXPECT_FALSE(animation.open(window)) << missing.library << " " << missing.name;
    animation.play(300, AW_ACTIVATE | AW_CENTER);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_EQ(window.nextEvent().kind, rt::EventKind::OpenWindow);
    EXPECT_TRUE(IsWindowVisible(window.handle())) << "shown in the ordinary way";
    animation.close(300, AW_HIDE | AW_CENTER);
    EXPECT_TRUE(IsWindowVisible(window.handle()));
  }
}

TEST(KeptAnimation, RealAnimateWindowShowsAndHides) {
  rt::Window window(kPlain);
  KeptAnimation animation;
  ASSERT_TRUE(animation.open(window));
  animation.play(50, AW_ACTIVATE | AW_SLIDE | AW_HOR_POSITIVE | AW_VER_POSITIVE);
  EXPECT_TRUE(IsWindowVisible(window.handle()));
  animation.close(50, AW_HIDE | AW_SLIDE | AW_HOR_NEGATIVE | AW_VER_NEGATIVE);
  EXPECT_FALSE(IsWindowVisible(window.handle()));
}

TEST(AnimateOpening, AnimatesSubclassedAndLeavesTheProcedureAsItWas) {
  rt::Window window(kPlain);
  const WNDPROC own = window.procedure();
  test::AnimationRecorder recorder(
      [&](const test::AnimationCall&) { EXPECT_EQ(window.procedure(), PrintClientProc); });
  AnimateOpening(window, 200, AW_ACTIVATE | AW_CENTER, kRecorded);
  EXPECT_EQ(window.procedure(), own);
  EXPECT_TRUE(IsWindowVisible(window.handle()));
  AnimateClosing(window, 200, AW_HIDE | AW_CENTER, kRecorded);
  EXPECT_FALSE(IsWindowVisible(window.handle()));
  EXPECT_EQ(window.procedure(), PrintClientProc) << "the window is destroyed next";
  const std::vector<test::AnimationCall> expected = {
      {window.handle(), 200, AW_ACTIVATE | AW_CENTER},
      {window.handle(), 200, AW_HIDE | AW_CENTER},
  };
  EXPECT_EQ(recorder.calls(), expected);
  recorder.unload();
  EXPECT_EQ(GetModuleHandleA(test::AnimationRecorder::kLibrary), nullptr);
}

TEST(AnimateOpening, MissingFunctionOpensPlainlyWithoutAMessage) {
  for (const AnimationFunction& missing : {kMissingFunction, kMissingLibrary}) {
    rt::Window window(kPlain);
    const WNDPROC own = window.procedure();
    AnimateOpening(window, 200, AW_ACTIVATE | AW_CENTER, missing);
    EXPECT_EQ(window.procedure(), own);
    EXPECT_FALSE(IsWindowVisible(window.handle()));
    EXPECT_EQ(window.nextEvent().kind, rt::EventKind::OpenWindow);
    EXPECT_TRUE(IsWindowVisible(window.handle()));
    // No message box or other window of this thread appeared.
    EXPECT_EQ(GetActiveWindow(), window.handle());
    AnimateClosing(window, 200, AW_HIDE | AW_CENTER, missing);
    EXPECT_TRUE(IsWindowVisible(window.handle()));
  }
}

// Window procedures that tell themselves apart: each answers kWhoAreYou with its number.
constexpr UINT kWhoAreYou = WM_APP + 40;
WNDPROC runtimeProcedures[8];

template <int N>
LRESULT CALLBACK NumberedProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWhoAreYou) {
    return N;
  }
  return CallWindowProcA(runtimeProcedures[N], hwnd, message, wParam, lParam);
}

constexpr WNDPROC kNumberedProcedures[] = {
    NumberedProcedure<0>, NumberedProcedure<1>, NumberedProcedure<2>, NumberedProcedure<3>,
    NumberedProcedure<4>, NumberedProcedure<5>, NumberedProcedure<6>, NumberedProcedure<7>,
};

TEST(WindowAnimation, ManyWindowsOnManyThreadsKeepTheirOwnProcedures) {
  constexpr int kRounds = 300;
  std::atomic<int> wrongAnswers = 0;
  std::atomic<int> wrongProcedures = 0;
  std::atomic<int> ready = 0;
  std::vector<std::thread> threads;
  for (int n = 0; n < 8; ++n) {
    threads.emplace_back([&, n] {
      rt::Window window(kTeal);
      runtimeProcedures[n] = window.procedure();
      window.setProcedure(kNumberedProcedures[n]);
      ++ready;
      while (ready < 8) {
        std::this_thread::yield();
      }
      const Canvas canvas;
      for (int round = 0; round < kRounds; ++round) {
        // Lifetime B: subclassed around one (missing) animation.
        AnimateOpening(window, 0, AW_ACTIVATE | AW_CENTER, kMissingFunction);
        wrongProcedures += window.procedure() != kNumberedProcedures[n];
        // Lifetime A: subclassed for a while, taking messages meanwhile.
        KeptAnimation animation(kMissingFunction);
        animation.open(window);
        PrintClient(window.handle(), canvas);
        wrongAnswers += SendMessageA(window.handle(), kWhoAreYou, 0, 0) != n;
        animation.close(0, AW_HIDE | AW_CENTER);
        RestoreProcedure(window);
        wrongProcedures += window.procedure() != kNumberedProcedures[n];
      }
      window.setProcedure(runtimeProcedures[n]);
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(wrongAnswers, 0);
  EXPECT_EQ(wrongProcedures, 0);
}

}  // namespace
}  // namespace fx
