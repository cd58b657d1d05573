#include "effects/gradient_bands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "effects/color.h"

namespace fx {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;

bool Empty(const Rect& rect) {
  return rect.right <= rect.left || rect.bottom <= rect.top;
}

TEST(GradientSteps, TheScreenDepthGivesTheStepCountOnce) {
  struct Case {
    std::int32_t depth;
    StepState recorded;
  };
  const Case cases[] = {
      {32, {32, 256}}, {24, {24, 256}}, {16, {16, 256}}, {15, {15, 32}}, {8, {8, 64}},
      {4, {4, 64}},    {1, {4, 64}},    {0, {4, 64}},    {2, {4, 64}},   {64, {4, 64}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepStateForDepth(c.depth), c.recorded) << c.depth;
  }
}

TEST(GradientSteps, TheCountIsCutToTheExtentAlongWhichTheColourChanges) {
  struct Case {
    std::int16_t steps, style;
    std::int32_t width, height;
    std::int16_t cut;
  };
  const Case cases[] = {
      {256, 0, 300, 200, 200},  // diagonal: the height first
      {256, 0, 150, 200, 150},  // then the width
      {256, 0, 300, 300, 256},
      {256, 1, 400, 100, 100},
      {256, 1, 50, 400, 256},
      {256, 2, 400, 100, 256},
      {256, 2, 100, 400, 100},
      {64, 2, 100, 400, 64},
      {256, 0, 0, 200, 0},
      {256, 2, 0, 200, 0},
      {256, 1, 0, 300, 256},
      {256, 1, 300, -5, -5},  // signed: a negative extent gives a count that paints no band
      // Other styles paint vertical bands and are never cut.
      {256, 3, 10, 10, 256},
      {256, 7, 0, 0, 256},
      {256, -1, 10, 10, 256},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CutSteps(c.steps, c.style, c.width, c.height), c.cut)
        << c.steps << " steps, style " << c.style << ", " << c.width << " x " << c.height;
  }
}

TEST(GradientSteps, SafeQuotientIsZeroForADivisorOfZero) {
  EXPECT_EQ(SafeQuotient(-255, 0), 0.0);
  EXPECT_EQ(SafeQuotient(0, 0), 0.0);
  EXPECT_EQ(SafeQuotient(-255, 256), -255.0 / 256);
  EXPECT_EQ(SafeQuotient(256, -4), -64.0);
}

TEST(GradientBands, WhiteToRedHorizontalFallsInGreenAndBlueWithPureRedLeftAtTheTop) {
  const std::vector<Band> bands = LayBands(1, 50, 300, 256, TwoColorRamp(kWhite, kRed, 256));
  ASSERT_EQ(bands.size(), 257u);
  for (int i = 0; i < 256; ++i) {
    const Band expected{.color = PackColor(255, 255 - i, 255 - i),
                        .strips = {Rect{0, 299 - i, 50, 300 - i}}};
    ASSERT_EQ(bands[i], expected) << "band " << i;
  }
  // 300 div 256 is 1: the 44 rows the bands leave are the to colour.
  EXPECT_EQ(bands.back(), (Band{.color = kRed, .strips = {Rect{0, 0, 50, 44}}}));
}

TEST(GradientBands, DiagonalBandsAreLsFromTheBottomRightAndTheRestMayBeEmpty) {
  const std::int16_t steps = CutSteps(256, 0, 300, 200);
  ASSERT_EQ(steps, 200);
  const std::vector<Band> bands = LayBands(0, 300, 200, steps, TwoColorRamp(0, 0xC8C8C8, steps));
  ASSERT_EQ(bands.size(), 201u);
  for (int i = 0; i < 200; ++i) {
    const Band expected{
        .color = PackColor(i, i, i),
        .strips = {Rect{0, 199 - i, 300 - i, 200 - i}, Rect{299 - i, 0, 300 - i, 200 - i}},
        .stripCount = 2};
    ASSERT_EQ(bands[i], expected) << "band " << i;
  }
  // The to colour itself is never painted.
  EXPECT_EQ(bands.back().filled().size(), 1u);
  EXPECT_EQ(bands.back().filled()[0], (Rect{0, 0, 100, 0}));
  EXPECT_TRUE(Empty(bands.back().filled()[0]));
}

TEST(GradientBands, VerticalAndOtherStylesRunFromTheRightEdge) {
  for (std::int16_t style : {2, 3, 7, -1}) {
    const std::vector<Band> bands = LayBands(style, 300, 40, 256, TwoColorRamp(0, kWhite, 256));
    ASSERT_EQ(bands.size(), 257u) << style;
    EXPECT_EQ(bands[0], (Band{.color = 0, .strips = {Rect{299, 0, 300, 40}}})) << style;
    EXPECT_EQ(bands[255],
              (Band{.color = PackColor(254, 254, 254), .strips = {Rect{44, 0, 45, 40}}}))
        << style;
    EXPECT_EQ(bands[256], (Band{.color = kWhite, .strips = {Rect{0, 0, 44, 40}}})) << style;
  }
  // Uncut, a window narrower than the count gets bands of no width and the rest in the to colour.
  const std::vector<Band> narrow = LayBands(3, 100, 40, 256, TwoColorRamp(0, kWhite, 256));
  for (int i = 0; i < 256; ++i) {
    ASSERT_TRUE(Empty(narrow[i].strips[0])) << i;
  }
  EXPECT_EQ(narrow.back(), (Band{.color = kWhite, .strips = {Rect{0, 0, 100, 40}}}));
}

TEST(GradientBands, NoStepsPaintTheWholeAreaInTheFromColour) {
  for (std::int16_t style : {0, 1, 2}) {
    EXPECT_EQ(LayBands(style, 120, 80, 0, TwoColorRamp(0x123456, kRed, 0)),
              (std::vector<Band>{{.color = 0x123456, .strips = {Rect{0, 0, 120, 80}}}}))
        << style;
  }
  // A negative count from a negative extent paints no band either.
  EXPECT_EQ(LayBands(1, 120, -5, -5, TwoColorRamp(0x123456, kRed, -5)).size(), 1u);
}

TEST(GradientBands, EqualColoursGiveOneFlatColour) {
  for (std::int16_t style : {0, 1, 2}) {
    for (const Band& band : LayBands(style, 333, 257, 256, TwoColorRamp(0x3366CC, 0x3366CC, 256))) {
      ASSERT_EQ(band.color, 0x3366CC) << style;
    }
  }
}

TEST(GradientBands, TheRestTakesTheTruncatedLevelsAfterTheLastBand) {
  // 1/6 added six times comes to just under 1: the rest is painted one level below the to colour.
  const std::vector<Band> bands = LayBands(1, 4, 8, 6, TwoColorRamp(0, 0x000001, 6));
  ASSERT_EQ(bands.size(), 7u);
  EXPECT_EQ(bands.back(), (Band{.color = 0, .strips = {Rect{0, 0, 4, 2}}}));
  // Only the colour's three bytes count; a high byte is ignored.
  EXPECT_EQ(
      LayBands(1, 4, 8, 0, TwoColorRamp(static_cast<std::int32_t>(0xFF0000FF), 0, 0))[0].color,
      kRed);
}

TEST(BlueBands, BlueRisesBy256OverTheCountAndTheRestIsPureBlue) {
  struct Case {
    std::int16_t steps;
    int blueStep;
  };
  for (const Case c : {Case{256, 1}, Case{64, 4}, Case{32, 8}}) {
    const std::vector<Band> bands = LayBlueBands(1, 10, 600, c.steps);
    ASSERT_EQ(bands.size(), static_cast<std::size_t>(c.steps) + 1);
    for (int i = 0; i < c.steps; ++i) {
      ASSERT_EQ(bands[i].color, PackColor(0, 0, i * c.blueStep)) << c.steps << " band " << i;
    }
    EXPECT_EQ(bands.back().color, PackColor(0, 0, 255)) << c.steps;
  }
  EXPECT_EQ(LayBlueBands(0, 0, 100, 0),
            (std::vector<Band>{{.color = PackColor(0, 0, 255), .strips = {Rect{0, 0, 0, 100}}}}));
  EXPECT_EQ(LayBlueBands(0, 300, 200, 200)[199].stripCount, 2);
}

}  // namespace
}  // namespace fx
