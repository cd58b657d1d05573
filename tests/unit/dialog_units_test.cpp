#include "runtime/dialog_units.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(DialogUnits, BaseUnitsRoundTheAverageLetterWidth) {
  struct Case {
    int alphabetExtent, textHeight, x, y;
  };
  const Case cases[] = {
      {312, 13, 6, 13},  // exactly 6 per letter
      {285, 13, 5, 13},  // 5.48: rounds down
      {300, 16, 6, 16},  // 5.77: rounds up
      {0, 0, 0, 0},      // a font that measured nothing
  };
  for (const Case& c : cases) {
    const DialogBaseUnits base = BaseUnitsFromFont(c.alphabetExtent, c.textHeight);
    EXPECT_EQ(base.x, c.x) << c.alphabetExtent;
    EXPECT_EQ(base.y, c.y) << c.textHeight;
  }
}

TEST(DialogUnits, ConvertLikeMapDialogRect) {
  const DialogBaseUnits base{6, 13};
  // Four horizontal units make one average character; eight vertical units one line.
  EXPECT_EQ(DialogToPixelsX(310, base), 465);
  EXPECT_EQ(DialogToPixelsY(190, base), 309);  // 308.75 rounds up
  EXPECT_EQ(DialogToPixelsX(1, base), 2);      // 1.5 rounds away from zero
  EXPECT_EQ(DialogToPixelsX(-1, base), -2);
  EXPECT_EQ(DialogToPixelsY(0, base), 0);
  EXPECT_EQ(PixelsToDialogX(465, base), 310);
  EXPECT_EQ(PixelsToDialogY(309, base), 190);
}

TEST(DialogUnits, MulDivMatchesWindows) {
  EXPECT_EQ(MulDivRounded(7, 3, 2), 11);  // 10.5
  EXPECT_EQ(MulDivRounded(-7, 3, 2), -11);
  EXPECT_EQ(MulDivRounded(7, -3, -2), 11);
  EXPECT_EQ(MulDivRounded(5, 5, 0), -1);
  EXPECT_EQ(MulDivRounded(2000000000, 3, 4), 1500000000);  // no overflow on the product
}

}  // namespace
}  // namespace rt
