#include "framework/proportional_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {

// How failures show a Box.
void PrintTo(const Box& box, std::ostream* out) {
  *out << "{" << box.x << "," << box.y << "," << box.width << "," << box.height << "}";
}

namespace {

TEST(FindEnclosers, SmallestContainingBoxInAnyOrder) {
  const struct {
    const char* what;
    std::vector<Box> boxes;
    std::vector<int> enclosers;
  } cases[] = {
      {"side by side", {{0, 0, 10, 10}, {20, 0, 10, 10}}, {-1, -1}},
      {"panel around a text, button outside",
       {{0, 0, 100, 50}, {5, 5, 90, 40}, {10, 60, 20, 10}},
       {-1, 0, -1}},
      {"three deep: the nearest one",
       {{0, 0, 100, 100}, {10, 10, 50, 50}, {20, 20, 10, 10}},
       {-1, 0, 1}},
      {"contents listed before their frame", {{20, 20, 10, 10}, {0, 0, 100, 100}}, {1, -1}},
      {"sharing an edge still inside", {{0, 0, 100, 50}, {0, 0, 100, 10}}, {-1, 0}},
      {"overlapping is not enclosing", {{0, 0, 50, 50}, {40, 40, 50, 50}}, {-1, -1}},
      {"equal boxes: the earlier encloses", {{0, 0, 10, 10}, {0, 0, 10, 10}}, {-1, 0}},
      {"flat boxes nest without a cycle", {{0, 2, 0, 5}, {0, 0, 0, 10}}, {1, -1}},
      {"none", {}, {}},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(FindEnclosers(each.boxes), each.enclosers) << each.what;
  }
}

TEST(Follow, EdgesKeepTheirProportionsSingleLinesKeepTheirHeight) {
  const struct {
    const char* what;
    Box box;
    Box from;
    Box to;
    bool keepsHeight;
    Box expected;
  } cases[] = {
      {"twice the size",
       {10, 20, 30, 40},
       {0, 0, 100, 100},
       {0, 0, 200, 200},
       false,
       {20, 40, 60, 80}},
      {"single line keeps its height",
       {10, 20, 30, 14},
       {0, 0, 100, 100},
       {0, 0, 200, 200},
       true,
       {20, 40, 60, 14}},
      {"single line stays inside when the area shrinks",
       {0, 80, 50, 14},
       {0, 0, 100, 100},
       {0, 0, 100, 50},
       true,
       {0, 36, 50, 14}},
      {"inside a moved and grown encloser",
       {15, 15, 10, 10},
       {10, 10, 20, 20},
       {100, 100, 40, 40},
       false,
       {110, 110, 20, 20}},
      {"edges round to the nearest pixel",
       {1, 1, 1, 1},
       {0, 0, 3, 3},
       {0, 0, 4, 4},
       false,
       {1, 1, 2, 2}},
      {"an empty area keeps offsets",
       {5, 5, 10, 10},
       {0, 0, 0, 0},
       {0, 0, 50, 50},
       false,
       {5, 5, 10, 10}},
      {"same size changes nothing",
       {7, 9, 11, 13},
       {0, 0, 90, 40},
       {0, 0, 90, 40},
       true,
       {7, 9, 11, 13}},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(Follow(each.box, each.from, each.to, each.keepsHeight), each.expected) << each.what;
  }
}

TEST(FollowProportionally, EnclosedControlsFollowTheirEncloser) {
  // A text inside a panel (listed first), and a button below the panel.
  const LaidOutControl controls[] = {
      {{20, 20, 160, 40}, false},
      {{10, 10, 180, 60}, false},
      {{150, 80, 40, 14}, true},
  };
  const Box boxes[] = {controls[0].box, controls[1].box, controls[2].box};
  const std::vector<int> enclosers = FindEnclosers(boxes);
  ASSERT_EQ(enclosers, (std::vector<int>{1, -1, -1}));
  const std::vector<Box> placed =
      FollowProportionally(controls, enclosers, {0, 0, 200, 100}, {0, 0, 400, 150});
  EXPECT_EQ(placed, (std::vector<Box>{{40, 30, 320, 60}, {20, 15, 360, 90}, {300, 120, 80, 14}}));
}

TEST(FollowProportionally, SingleLinesStayInsideTheirEncloserWhenItShrinks) {
  // An entry near the bottom of a group box.
  const LaidOutControl controls[] = {
      {{0, 0, 100, 60}, false},
      {{10, 40, 80, 14}, true},
  };
  const Box boxes[] = {controls[0].box, controls[1].box};
  const std::vector<int> enclosers = FindEnclosers(boxes);
  for (const int height : {60, 40, 20, 16}) {
    const std::vector<Box> placed =
        FollowProportionally(controls, enclosers, {0, 0, 100, 60}, {0, 0, 100, height});
    const Box& frame = placed[0];
    const Box& entry = placed[1];
    EXPECT_EQ(entry.height, 14) << height;
    EXPECT_GE(entry.y, frame.y) << height;
    EXPECT_LE(entry.y + entry.height, frame.y + frame.height) << height;
  }
}

}  // namespace
}  // namespace fw
