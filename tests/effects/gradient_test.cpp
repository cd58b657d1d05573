// Gradient fills on real windows: the bands read back from the screen, the step count kept per
// process, the wallpaper made of the saved image, and the controls around the blue ramp.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "effects/color.h"
#include "effects/gradient.h"
#include "effects/window_effects.h"
#include "runtime/window.h"
#include "tests/support/bmp_reader.h"
#include "tests/support/gdi_table.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"

namespace fx {
namespace {

using test::Pixels;

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;

// A colour value (red + green * 256 + blue * 65536) as test::Pixels hold it.
std::uint32_t Shown(std::int32_t color) {
  return test::Rgb(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

constexpr rt::WindowDefinition kPlain{
    .name = "test$gradient", .label = "P1$WINDOW", .title = "Gradient", .width = 150};

// A window whose client area is `width` x `height` pixels, painted and ready.
class Canvas {
 public:
  Canvas(int width, int height) : window_(kPlain) {
    window_.nextEvent();
    window_.setPixels(true);
    window_.setSize(width, height);
    test::PumpMessages(30);
  }
  HWND handle() const { return window_.handle(); }
  Pixels pixels() const { return test::ClientPixels(window_.handle()); }

 private:
  rt::Window window_;
};

// The from colour sits on the edge(s) where the bands start; band i is the colour i steps on.
std::int32_t Step(std::int32_t from, int i) {
  return PackColor(from & 0xFF, (from >> 8 & 0xFF) - i, (from >> 16 & 0xFF) - i);
}

TEST(PaintGradient, WhiteToRedHorizontalGives256BandsWithPureRedAtTheTop) {
  const Canvas canvas(200, 300);
  EXPECT_EQ(PaintGradient(canvas.handle(), {1, kWhite, kRed, 200, 300}), 256);
  const Pixels shown = canvas.pixels();
  ASSERT_EQ(shown.height, 300);
  for (int i = 0; i < 256; ++i) {
    for (int x : {0, 100, 199}) {
      // Red stays 255 while green and blue fall together.
      ASSERT_EQ(shown.at(x, 299 - i), Shown(Step(kWhite, i))) << "band " << i << ", x " << x;
    }
  }
  for (int y = 0; y < 44; ++y) {
    ASSERT_EQ(shown.at(150, y), Shown(kRed)) << y;
  }
}

TEST(PaintGradient, DiagonalOn300x200BandsOfOnePixelNeverReachTheToColour) {
  const Canvas canvas(300, 200);
  EXPECT_EQ(PaintGradient(canvas.handle(), {0, 0x000000, 0xC8C8C8, 300, 200}), 200);
  const Pixels shown = canvas.pixels();
  for (int i = 0; i < 200; ++i) {
    const std::uint32_t band = test::Rgb(i, i, i);
    ASSERT_EQ(shown.at(299 - i, 199 - i), band) << i;  // the corner of the L
    ASSERT_EQ(shown.at(0, 199 - i), band) << i;        // along the bottom strip
    ASSERT_EQ(shown.at(299 - i, 0), band) << i;        // up the right strip
  }
  // The top-left corner belongs to the last band; the rest, (0, 0, 100, 0), is empty.
  EXPECT_EQ(shown.at(0, 0), test::Rgb(199, 199, 199));
}

TEST(PaintGradient, ACallCutToASmallWindowLeavesLaterCallsTheirFullCount) {
  const Canvas canvas(400, 300);
  EXPECT_EQ(PaintGradient(canvas.handle(), {1, kWhite, kRed, 400, 100}), 100);
  const Pixels before = canvas.pixels();
  EXPECT_EQ(PaintGradient(canvas.handle(), {0, kWhite, kRed, 0, 300}), 0);
  EXPECT_EQ(PaintGradient(canvas.handle(), {2, kWhite, kRed, 0, 300}), 0);
  EXPECT_EQ(canvas.pixels().values, before.values) << "an area of width 0 has nothing to paint";

  EXPECT_EQ(PaintGradient(canvas.handle(), {2, kWhite, kRed, 400, 300}), 256);
  const Pixels shown = canvas.pixels();
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(shown.at(399 - i, 150), Shown(Step(kWhite, i))) << "a band one pixel wide: " << i;
  }
  EXPECT_EQ(shown.at(143, 150), Shown(kRed));
  EXPECT_EQ(shown.at(0, 0), Shown(kRed));
}

TEST(PaintGradient, OtherStylesPaintUncutVerticalBands) {
  const Canvas canvas(300, 120);
  for (std::int16_t style : {3, 7, -1}) {
    EXPECT_EQ(PaintGradient(canvas.handle(), {style, kWhite, kRed, 300, 120}), 256) << style;
    const Pixels shown = canvas.pixels();
    for (int i = 0; i < 256; ++i) {
      ASSERT_EQ(shown.at(299 - i, 60), Shown(Step(kWhite, i))) << style << " band " << i;
    }
    EXPECT_EQ(shown.at(43, 119), Shown(kRed)) << style;
  }
  // Narrower than the count: bands of no width, and the whole area in the to colour.
  EXPECT_EQ(PaintGradient(canvas.handle(), {7, kWhite, 0x00FF00, 100, 120}), 256);
  EXPECT_EQ(canvas.pixels().at(99, 119), Shown(0x00FF00));
  EXPECT_EQ(canvas.pixels().at(100, 119), Shown(Step(kWhite, 199))) << "outside the area given";
}

TEST(PaintGradient, EqualColoursGiveOneFlatColour) {
  const Canvas canvas(260, 260);
  for (std::int16_t style : {0, 1, 2}) {
    PaintGradient(canvas.handle(), {style, 0x3366CC, 0x3366CC, 260, 260});
    const Pixels shown = canvas.pixels();
    int other = 0;
    for (std::uint32_t value : shown.values) {
      other += value != Shown(0x3366CC);
    }
    EXPECT_EQ(other, 0) << style;
  }
}

TEST(PaintGradient, NoWindowPaintsNothing) {
  EXPECT_EQ(PaintGradient(nullptr, {1, kWhite, kRed, 300, 300}), -1);
  EXPECT_EQ(PaintBlueGradient(reinterpret_cast<HWND>(0x1234), 1, 300, 300), -1);
}

// The effect objects act on the current window.
constexpr rt::ControlDefinition kControls[] = {
    {.type = rt::ControlType::Prompt,
     .label = "?PROMPT",
     .text = "Over the gradient",
     .x = 10,
     .y = 10,
     .width = 120,
     .transparent = true},
    {.type = rt::ControlType::Button,
     .label = "?BUTTON",
     .text = "Button",
     .x = 10,
     .y = 30,
     .width = 50,
     .height = 14},
    {.type = rt::ControlType::String,
     .label = "?HIDDEN",
     .text = "Hidden",
     .x = 70,
     .y = 30,
     .hidden = true},
};
constexpr rt::WindowDefinition kWithControls{.name = "test$gradientcontrols",
                                             .label = "P1$WINDOW",
                                             .title = "Gradient controls",
                                             .width = 200,
                                             .height = 150,
                                             .gray = true,
                                             .controls = kControls};

class OnCurrentWindow : public testing::Test {
 protected:
  void SetUp() override {
    window.nextEvent();
    test::PumpMessages(30);
  }

  rt::Window window{kWithControls};
  WindowEffects effects;
};

TEST_F(OnCurrentWindow, BlueGradientShowsEveryControlAfterwardsAndPaintsTheBlueRamp) {
  ASSERT_FALSE(IsWindowVisible(window.handle(3)));
  window.setPixels(true);
  window.setSize(300, 300);
  test::PumpMessages(30);
  effects.BlueGradient(1);
  for (int field = window.firstField(); field <= window.lastField(); ++field) {
    EXPECT_TRUE(IsWindowVisible(window.handle(field))) << field;
  }
  const Pixels shown = test::ClientPixels(window.handle());
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(shown.at(299, 299 - i), test::Rgb(0, 0, i)) << i;
  }
  EXPECT_EQ(shown.at(299, 0), test::Rgb(0, 0, 255));
  EXPECT_EQ(window.wallPaper(), "") << "the blue ramp keeps nothing";
}

TEST_F(OnCurrentWindow, BlueGradientStyle3OnlySetsADarkBlueBackground) {
  window.hide(2);
  effects.BlueGradient(3);
  EXPECT_EQ(window.color(), 0x7F0000);
  for (int field = window.firstField(); field <= window.lastField(); ++field) {
    EXPECT_TRUE(IsWindowVisible(window.handle(field))) << field;
  }
  test::PumpMessages(50);
  const Pixels shown = test::ClientPixels(window.handle());
  EXPECT_EQ(shown.at(shown.width - 1, shown.height - 1), test::Rgb(0, 0, 0x7F));
}

TEST_F(OnCurrentWindow, GradientFillSavesWhatItPaintedAndRepaintsItAsTheWallPaper) {
  window.setPixels(true);
  window.setSize(300, 280);
  window.setPixels(false);
  test::PumpMessages(30);
  effects.GradientFill(1, kWhite, kRed);
  EXPECT_TRUE(window.pixels());
  EXPECT_EQ(window.wallPaper(), effects.GRADIENTFILE);

  // The file holds the client area as it showed right after the bands were painted.
  const Pixels painted = test::ClientPixels(window.handle());
  const auto saved = test::DecodeBmp(test::ReadAllBytes(effects.GRADIENTFILE));
  ASSERT_TRUE(saved.has_value());
  ASSERT_EQ(saved->width, 300);
  ASSERT_EQ(saved->height, 280);
  EXPECT_EQ(saved->pixels, painted.values);
  for (int i = 0; i < 256; ++i) {
    ASSERT_EQ(saved->at(299, 279 - i), Shown(Step(kWhite, i))) << i;
  }
  EXPECT_EQ(saved->at(299, 0), Shown(kRed));

  // From then on the window paints that picture as its background by itself, and the
  // transparent prompt shows it around its letters.
  test::PumpMessages(100);
  const Pixels erased = test::Erased(window.handle(), 300, 280);
  EXPECT_EQ(erased.values, saved->pixels);
  const Pixels shown = test::ClientPixels(window.handle());
  for (int y = 0; y < 280; ++y) {
    ASSERT_EQ(shown.at(299, y), saved->at(299, y)) << y;
  }
  const int promptRight = window.xpos(1) + window.width(1) - 1;
  const int promptMiddle = window.ypos(1) + window.height(1) / 2;
  EXPECT_EQ(shown.at(promptRight, promptMiddle), saved->at(promptRight, promptMiddle));
}

TEST(WithoutAWindow, TheGradientsDoNothing) {
  ASSERT_EQ(rt::CurrentWindow(), nullptr);
  WindowEffects effects;
  effects.GradientFill(1, kWhite, kRed);
  effects.BlueGradient(1);
  effects.BlueGradient(3);
}

TEST_F(OnCurrentWindow, AThousandGradientsLeakNoHandle) {
  window.setPixels(true);
  window.setSize(60, 40);
  const test::NearlyFullGdiTable table;
  ASSERT_GT(table.filled(), 1000);
  for (int i = 0; i < 1000; ++i) {
    effects.GradientFill(static_cast<std::int16_t>(i % 3), kWhite, i);
    effects.BlueGradient(static_cast<std::int16_t>(i % 4));
  }
  EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
}

}  // namespace
}  // namespace fx
