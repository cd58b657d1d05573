// The text animation on real windows: a runtime window for the effect classes and
// AnimateControlText, plain Win32 for the HWND-level call. Pixels are read back from the window
// (what was drawn) and from the screen (what reached the display).
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "effects/animate_control_text.h"
#include "effects/text_animation.h"
#include "effects/text_effect.h"
#include "effects/window_effects.h"
#include "runtime/window.h"
#include "tests/support/wait.h"
#include "tests/tour/window_probe.h"

namespace fx {
namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);

enum Field { kPlain = 1, kBold, kSlanted, kRedLine, kEntry };

constexpr rt::ControlDefinition kControls[] = {
    {.type = rt::ControlType::String, .label = "?PLAIN", .text = "Plain words", .x = 4, .y = 4},
    {.type = rt::ControlType::String,
     .label = "?BOLD",
     .text = "Bold navy",
     .x = 4,
     .y = 20,
     .font = {"Verdana", 14, 700 | rt::kFontUnderline},
     .fontColor = static_cast<std::int32_t>(kNavy),
     .hidden = true},
    {.type = rt::ControlType::String,
     .label = "?SLANTED",
     .text = "Slanted",
     .x = 4,
     .y = 40,
     .font = {"Verdana", 10, 400 | rt::kFontItalic | rt::kFontStrikeOut}},
    {.type = rt::ControlType::String,
     .label = "?RED",
     .text = "Red letters",
     .x = 4,
     .y = 60,
     .font = {"Verdana", 14, 700},
     .fontColor = static_cast<std::int32_t>(kRed)},
    {.type = rt::ControlType::Entry,
     .label = "?ENTRY",
     .x = 170,
     .y = 4,
     .width = 60,
     .height = 12},
};
// A yellow background, so that the button-face erase stands out.
constexpr rt::WindowDefinition kWindow{.name = "test$animation",
                                       .label = "P1$WINDOW",
                                       .title = "Animation",
                                       .width = 240,
                                       .height = 90,
                                       .systemMenu = true,
                                       .color = static_cast<std::int32_t>(kYellow),
                                       .controls = kControls};

// The pixels of a window's client area as drawn, 32 bits each, top-down.
class ClientPixels {
 public:
  explicit ClientPixels(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB};
    const rt::WindowDc dc(window);
    const rt::MemoryDc memory(CreateCompatibleDC(dc.get()));
    void* bits = nullptr;
    const rt::GdiObject bitmap(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
      const rt::SelectedObject selected(memory.get(), bitmap.get());
      BitBlt(memory.get(), 0, 0, width_, height_, dc.get(), 0, 0, SRCCOPY);
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(pixels, pixels + width_ * height_);
  }

  int width() const { return width_; }
  COLORREF at(int x, int y) const {
    const std::uint32_t p = pixels_[static_cast<std::size_t>(y * width_ + x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of the rectangle have this colour.
  int count(RECT area, COLORREF color) const {
    int found = 0;
    for (int y = std::max<LONG>(area.top, 0); y < std::min<LONG>(area.bottom, height_); ++y) {
      for (int x = std::max<LONG>(area.left, 0); x < std::min<LONG>(area.right, width_); ++x) {
        found += at(x, y) == color;
      }
    }
    return found;
  }
  bool operator==(const ClientPixels&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// What AnimateControlText passed to AnimateText, and how things stood at that moment.
struct AnimateCall {
  std::string text;
  std::int32_t x, y, start, stop, color, delay;
  std::int32_t running;
  bool pixels;
  bool controlVisible;
};

// A TextEffect that records each AnimateText reaching it through its table, then animates.
class RecordingEffect : public TextEffect {
 public:
  void AnimateText(std::string_view text, std::int32_t x, std::int32_t y, std::int32_t startSpacing,
                   std::int32_t stopSpacing, std::int32_t textColor, std::int32_t delay) override {
    rt::Window* window = rt::CurrentWindow();
    calls.push_back({std::string(text), x, y, startSpacing, stopSpacing, textColor, delay,
                     BDOEFFECT, window->pixels(), IsWindowVisible(watched) != FALSE});
    started = true;
    TextEffect::AnimateText(text, x, y, startSpacing, stopSpacing, textColor, delay);
  }

  HWND watched = nullptr;
  std::vector<AnimateCall> calls;
  std::atomic<bool> started = false;
};

class TextAnimation : public testing::Test {
 protected:
  TextAnimation() : window(kWindow) {}
  void SetUp() override {
    ASSERT_EQ(window.nextEvent().kind, rt::EventKind::OpenWindow);
    test::PumpMessages(50);
  }

  HWND client() const { return window.clientHandle(); }
  int clientWidth() const {
    RECT area{};
    GetClientRect(client(), &area);
    return area.right;
  }

  rt::Window window;
};

TEST_F(TextAnimation, NothingIsDrawnWhileBdoeffectIsZero) {
  const ClientPixels before(client());
  TextEffect effect;
  effect.SetFont("Verdana", -20, 700, 0, 0, 0);
  effect.AnimateText("Hello", 10, 10, 128, -1, static_cast<std::int32_t>(kRed), 5);
  WindowEffects windowEffects;
  windowEffects.AnimateText("Hello", 10, 10, 128, -1, static_cast<std::int32_t>(kRed), 5);
  EXPECT_TRUE(ClientPixels(client()) == before);
  EXPECT_FALSE(window.pixels());
}

TEST_F(TextAnimation, EachFrameErasesThePreviousInButtonFaceWhateverTheBackground) {
  TextEffect effect;
  effect.SetFont("Verdana", -20, 700, 0, 0, 0);
  effect.BDOEFFECT = 1;
  // Drawn where only a hidden control lies, which does not clip the window's drawing.
  effect.AnimateText("Closing up", 2, 30, 12, -1, static_cast<std::int32_t>(kRed), 0);
  EXPECT_TRUE(window.pixels()) << "AnimateText leaves Pixels on";

  const ClientPixels after(client());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The letters settled at -1, to the left of where the wide first frames reached.
  EXPECT_GT(after.count({2, 32, 150, 50}, kRed), 20);
  EXPECT_EQ(after.count({2, 32, 150, 50}, kYellow), 0);
  EXPECT_GT(after.count({150, 32, 220, 50}, face), 500);
  EXPECT_EQ(after.count({150, 32, 220, 50}, kRed), 0);
  // Below the frames the window keeps its own background.
  EXPECT_EQ(after.at(200, 60), kYellow);
}

TEST_F(TextAnimation, ATextWiderThanTheWindowIsCutAtItsRightEdge) {
  TextEffect effect;
  effect.SetFont("Verdana", -20, 700, 0, 0, 0);
  effect.BDOEFFECT = 1;
  const std::string wide(200, 'W');
  effect.AnimateText(wide, 2, 30, 3, -1, static_cast<std::int32_t>(kRed), 0);
  const ClientPixels after(client());
  const int width = clientWidth();
  EXPECT_GT(after.count({width - 12, 32, width, 50}, kRed), 0) << "drawn up to the edge";
}

TEST(TextAnimationOnAnyWindow, ATextOfMoreThan1023CharactersIsCut) {
  // Letters of the same width w drawn with an extra spacing of -w all land on one spot, so a
  // second line after the first 1023 characters shows whether it was drawn.
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200,
                                      nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  LOGFONTA font{};
  font.lfHeight = -40;
  lstrcpyA(font.lfFaceName, "Verdana");
  int letter = 0;
  {
    const rt::WindowDc dc(window);
    const rt::GdiObject made(CreateFontIndirectA(&font));
    const rt::SelectedObject selected(dc.get(), made.get());
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), "l", 1, &size);
    letter = size.cx;
  }
  ASSERT_GE(letter, 4) << "a single frame needs a spacing of -4 or less";
  const auto secondLineInk = [&](std::size_t before) {
    std::string text(before, 'l');
    text += "\nMARK";
    text.resize(2000, 'l');
    test::PumpMessages(20);
    EXPECT_TRUE(AnimateText(window, font,
                            {.text = text,
                             .startSpacing = -letter,
                             .stopSpacing = -letter,
                             .textColor = kRed,
                             .delay = 0}));
    const int ink = ClientPixels(window).count({0, 45, 400, 200}, kRed);
    InvalidateRect(window, nullptr, TRUE);
    return ink;
  };
  EXPECT_GT(secondLineInk(1000), 0) << "the second line counts as drawn";
  EXPECT_EQ(secondLineInk(1023), 0);
  DestroyWindow(window);
  EXPECT_FALSE(AnimateText(window, font, {.text = "gone"}));
}

TEST_F(TextAnimation, ControlTextCarriesTheControlsFontPositionAndColour) {
  const int dpi = GetDeviceCaps(rt::WindowDc(client()).get(), LOGPIXELSY);
  struct Case {
    int field;
    const char* font;
    int points, weight;
    std::uint8_t italic, underline, strikeOut;
    COLORREF color;
  };
  const Case cases[] = {
      // No font or colour of its own: the window's font and the window text colour.
      {kPlain, "MS Sans Serif", 8, 400, 0, 0, 0, GetSysColor(COLOR_WINDOWTEXT)},
      {kBold, "Verdana", 14, 700, 0, 1, 0, kNavy},
      {kSlanted, "Verdana", 10, 400, 1, 0, 1, GetSysColor(COLOR_WINDOWTEXT)},
  };
  for (const Case& c : cases) {
    RecordingEffect effect;
    effect.watched = window.handle(c.field);
    window.setPixels(false);
    const int x = window.xpos(c.field);  // in dialog units: Pixels is off
    AnimateControlText(effect, c.field, -4, -4, 0);

    ASSERT_EQ(effect.calls.size(), 1u) << c.field;
    const AnimateCall& call = effect.calls[0];
    EXPECT_EQ(call.text, window.text(c.field));
    window.setPixels(true);
    EXPECT_EQ(call.x, window.xpos(c.field)) << "pixels, not the " << x << " dialog units";
    EXPECT_EQ(call.y, window.ypos(c.field));
    window.setPixels(false);
    EXPECT_EQ(call.color, static_cast<std::int32_t>(c.color)) << c.field;
    EXPECT_EQ(call.start, -4);
    EXPECT_EQ(call.stop, -4);
    EXPECT_EQ(call.running, 1);
    EXPECT_TRUE(call.pixels);
    EXPECT_FALSE(call.controlVisible) << "hidden while it plays";

    EXPECT_STREQ(effect.FONTNAME, c.font);
    EXPECT_EQ(effect.FONTSIZE, -MulDiv(c.points, dpi, 72));
    EXPECT_EQ(effect.FONTWEIGHT, c.weight) << c.field;
    EXPECT_EQ(effect.ITALICFONT, c.italic) << c.field;
    EXPECT_EQ(effect.UNDERLINEFONT, c.underline) << c.field;
    EXPECT_EQ(effect.STRIKEOUTFONT, c.strikeOut) << c.field;

    EXPECT_EQ(effect.BDOEFFECT, 0);
    EXPECT_FALSE(window.pixels());
    EXPECT_TRUE(IsWindowVisible(window.handle(c.field))) << "shown afterwards, hidden or not";
  }
}

TEST_F(TextAnimation, ControlTextOfAMissingFieldDoesNothing) {
  RecordingEffect effect;
  AnimateControlText(effect, 99, 128, -1, 5);
  AnimateControlText(effect, 0, 128, -1, 5);
  EXPECT_TRUE(effect.calls.empty());
  EXPECT_STREQ(effect.FONTNAME, "");
}

TEST_F(TextAnimation, UnreachableStopAndNegativeDelayStillEnd) {
  for (const auto& [stop, delay] : {std::pair{500, 0}, std::pair{-100, 0}, std::pair{-1, -5}}) {
    TextEffect effect;
    AnimateControlText(effect, kRedLine, 128, stop, delay);
    EXPECT_TRUE(IsWindowVisible(window.handle(kRedLine))) << stop << ", " << delay;
  }
}

TEST_F(TextAnimation, EveryFrameReachesTheScreenWhileInputWaits) {
  RecordingEffect effect;
  std::atomic<bool> finished = false;
  bool midRun = false;
  int inkOnScreen = 0;
  std::string entryMidRun = "unread";
  const HWND entry = window.handle(kEntry);
  RECT line{};  // the red line's area on the screen
  window.setPixels(true);
  line.left = window.xpos(kRedLine);
  line.top = window.ypos(kRedLine);
  window.setPixels(false);
  line.right = clientWidth();
  line.bottom = line.top + 30;
  MapWindowPoints(client(), nullptr, reinterpret_cast<POINT*>(&line), 2);

  std::thread observer([&] {
    while (!effect.started) {
      Sleep(5);
    }
    Sleep(1000);  // a third into a run of 137 frames of 20 ms
    PostMessageA(entry, WM_CHAR, 'x', 0);
    probe::Image shot;
    probe::CaptureScreen(line, shot);
    for (int y = 0; y < shot.height; ++y) {
      const std::uint8_t* row = shot.bits.data() + y * probe::Image::Stride(shot.width);
      for (int x = 0; x < shot.width; ++x) {
        inkOnScreen += row[3 * x] < 60 && row[3 * x + 1] < 60 && row[3 * x + 2] > 200;
      }
    }
    char text[32] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(entry, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &copied);
    entryMidRun = text;
    midRun = !finished;
  });
  AnimateControlText(effect, kRedLine, 128, -1, 20);
  finished = true;
  observer.join();

  EXPECT_TRUE(midRun) << "the screenshot came too late";
  EXPECT_GT(inkOnScreen, 20) << "the frames did not reach the screen";
  EXPECT_EQ(entryMidRun, "") << "input was taken during the run";
  test::PumpMessages(50);
  EXPECT_EQ(window.text(kEntry), "x") << "input waits until the run is over";
}

// Wine has no GetGuiResources: fill the GDI handle table to a few hundred free slots instead, so
// that a handle lost per run soon makes new objects fail.
TEST_F(TextAnimation, RunsReleaseEveryHandle) {
  std::vector<rt::GdiObject> filler;
  while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3))) {
    filler.emplace_back(brush);
    if (filler.size() > 100000) {
      break;
    }
  }
  ASSERT_GT(filler.size(), 300u);
  filler.resize(filler.size() - 300);
  TextEffect effect;
  for (int run = 0; run < 1000; ++run) {
    AnimateControlText(effect, kBold, -4, -4, 0);
  }
  const rt::GdiObject probe(CreateSolidBrush(RGB(4, 5, 6)));
  EXPECT_TRUE(probe);
}

}  // namespace
}  // namespace fx
