// The gradients on the screen the test runs on, at whatever colour depth it has: the step count
// taken from that depth, the colours at the edges, and the saved picture made the wallpaper.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "effects/gradient.h"
#include "effects/gradient_bands.h"
#include "effects/window_effects.h"
#include "runtime/window.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"

namespace fx {
namespace {

constexpr rt::WindowDefinition kCanvas{.name = "test$depth",
                                       .label = "P1$WINDOW",
                                       .title = "Depth",
                                       .width = 150,
                                       .height = 100,
                                       .systemMenu = true};

int ScreenDepth() {
  HDC screen = GetDC(nullptr);
  const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return depth;
}

class OnThisScreen : public testing::Test {
 protected:
  void SetUp() override {
    window.nextEvent();
    window.setPixels(true);
    window.setSize(200, 300);
    test::PumpMessages(30);
    std::printf("screen depth %d\n", ScreenDepth());
  }

  rt::Window window{kCanvas};
};

TEST_F(OnThisScreen, TheStepCountComesFromTheDepthAndTheEdgesShowBothColours) {
  const int steps = StepStateForDepth(ScreenDepth()).steps;
  EXPECT_EQ(PaintGradient(window.handle(), {1, 0xFFFFFF, 0x0000FF, 200, 300}), steps);
  EXPECT_EQ(PaintBlueGradient(window.handle(), 1, 200, 300), steps);
  PaintGradient(window.handle(), {1, 0xFFFFFF, 0x0000FF, 200, 300});
  const test::Pixels shown = test::ClientPixels(window.handle());
  EXPECT_EQ(shown.at(100, 299), test::Rgb(255, 255, 255));
  EXPECT_EQ(shown.at(100, 0), test::Rgb(255, 0, 0));
}

TEST_F(OnThisScreen, TheSavedGradientLoadsAsTheWallPaper) {
  WindowEffects effects;
  effects.GradientFill(1, 0xFFFFFF, 0x0000FF);
  test::PumpMessages(50);
  const test::Pixels erased = test::Erased(window.handle(), 200, 300);
  EXPECT_EQ(erased.at(100, 299), test::Rgb(255, 255, 255));
  EXPECT_EQ(erased.at(100, 0), test::Rgb(255, 0, 0));
  EXPECT_EQ(test::ClientPixels(window.handle()).values, erased.values);
}

}  // namespace
}  // namespace fx
