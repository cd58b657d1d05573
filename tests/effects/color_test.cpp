#include "effects/color.h"

#include <gtest/gtest.h>

namespace fx {
namespace {

TEST(PackColor, PacksRedGreenBlueWithoutMasking) {
  struct Case {
    std::int32_t red, green, blue, packed;
  };
  const Case cases[] = {
      {0, 0, 0, 0},           {0, 0, 255, 16711680}, {255, 255, 255, 16777215},
      {0, 0, 128, 0x800000},  {256, 0, 0, 256},  // red spills into green …
      {0, 1, 0, 256},                            // … and equals one step of green
      {0, 256, 0, 65536},                        // green spills into blue
      {0, 0, 256, 0x1000000},                    // blue spills past the colour
      {-1, 0, 0, -1},                            // no masking of a negative component either
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PackColor(c.red, c.green, c.blue), c.packed)
        << c.red << ", " << c.green << ", " << c.blue;
  }
}

}  // namespace
}  // namespace fx
