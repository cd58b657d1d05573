#include "effects/style_font.h"

#include <gtest/gtest.h>

namespace fx {
namespace {

TEST(FontOfStyle, SplitsWeightAndFlags) {
  struct Case {
    std::int32_t style, weight;
    bool italic, underline, strikeOut;
  };
  const Case cases[] = {
      {700, 700, false, false, false},
      {400, 400, false, false, false},
      {100, 100, false, false, false},
      {700 | 0x2000, 700, false, true, false},  // bold underlined
      {400 | 0x1000, 400, true, false, false},
      {400 | 0x4000, 400, false, false, true},
      {700 | 0x7000, 700, true, true, true},
      {0x1000, 0, true, false, false},  // no weight: the default
      {600, 0, false, false, false},    // a weight the animation does not take
      {900 | 0x2000, 0, false, true, false},
  };
  for (const Case& c : cases) {
    const StyleFont font = FontOfStyle(c.style);
    EXPECT_EQ(font.weight, c.weight) << c.style;
    EXPECT_EQ(font.italic != 0, c.italic) << c.style;
    EXPECT_EQ(font.underline != 0, c.underline) << c.style;
    EXPECT_EQ(font.strikeOut != 0, c.strikeOut) << c.style;
  }
}

}  // namespace
}  // namespace fx
