#include "runtime/status_layout.h"

#include <gtest/gtest.h>

#include "runtime/window_definition.h"

namespace rt {
namespace {

TEST(StatusZoneEdges, FirstZoneTakesWhatTheOthersLeave) {
  const int zones[] = {kRemainingWidth, 120, 180, 68};
  EXPECT_EQ(StatusZoneEdges(zones, 600), (std::vector<int>{232, 352, 532, -1}));
}

TEST(StatusZoneEdges, TooNarrowABarShrinksTheRemainingZoneToNothing) {
  const int zones[] = {kRemainingWidth, 120, 180, 68};
  EXPECT_EQ(StatusZoneEdges(zones, 100), (std::vector<int>{0, 120, 300, -1}));
}

TEST(StatusZoneEdges, RemainingZoneInTheMiddle) {
  const int zones[] = {50, kRemainingWidth, 50};
  EXPECT_EQ(StatusZoneEdges(zones, 300), (std::vector<int>{50, 250, -1}));
}

TEST(StatusZoneEdges, NoZones) {
  EXPECT_TRUE(StatusZoneEdges({}, 300).empty());
}

}  // namespace
}  // namespace rt
