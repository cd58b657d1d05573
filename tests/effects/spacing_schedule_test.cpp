#include "effects/spacing_schedule.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace fx {
namespace {

// Every spacing a run plays; a run longer than `limit` frames counts as endless.
std::vector<std::int32_t> Play(std::int32_t start, std::int32_t stop, std::size_t limit = 20000) {
  std::vector<std::int32_t> spacings;
  SpacingSchedule schedule(start, stop);
  while (const auto spacing = schedule.next()) {
    spacings.push_back(*spacing);
    if (spacings.size() > limit) {
      ADD_FAILURE() << "endless run from " << start << " to " << stop;
      break;
    }
  }
  return spacings;
}

std::vector<std::int32_t> CountDown(std::int32_t from, std::int32_t to) {
  std::vector<std::int32_t> values;
  for (std::int32_t v = from; v >= to; --v) {
    values.push_back(v);
  }
  return values;
}

std::vector<std::int32_t> Then(std::vector<std::int32_t> first,
                               const std::vector<std::int32_t>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The climb as (value, frames) pairs, taken from the end of a run.
std::vector<std::pair<std::int32_t, int>> Runs(const std::vector<std::int32_t>& spacings) {
  std::vector<std::pair<std::int32_t, int>> runs;
  for (std::int32_t spacing : spacings) {
    if (runs.empty() || runs.back().first != spacing) {
      runs.push_back({spacing, 0});
    }
    ++runs.back().second;
  }
  return runs;
}

TEST(SpacingSchedule, PlaysTheListedRuns) {
  struct Case {
    std::int32_t start, stop;
    std::vector<std::int32_t> spacings;
  };
  const Case cases[] = {
      {128, -1, Then(CountDown(127, -4), {-3, -2, -2, -1, -1})},
      {-10, -10, {-10}},
      {-1, -1, {-2, -3, -4, -3, -2, -2, -1, -1}},
      {0, -1, {-1, -2, -3, -4, -3, -2, -2, -1, -1}},
      // Below the turn there is no fall: one frame per value up to -3, then the slow climb.
      {-10, -1, {-9, -8, -7, -6, -5, -4, -3, -2, -2, -1, -1}},
      {-4, -4, {-4}},
      {-3, -4, {-4, -4}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Play(c.start, c.stop), c.spacings) << c.start << " to " << c.stop;
  }
  EXPECT_EQ(Play(128, -1).size(), 137u);
}

TEST(SpacingSchedule, EachClimbingValueIsHeldLongerThanTheLast) {
  const std::vector<std::int32_t> spacings = Play(128, 5);
  const std::vector<std::int32_t> fall = CountDown(127, -4);
  ASSERT_GT(spacings.size(), fall.size());
  EXPECT_EQ(std::vector<std::int32_t>(spacings.begin(), spacings.begin() + fall.size()), fall);
  const std::vector<std::int32_t> climb(spacings.begin() + fall.size(), spacings.end());
  const std::vector<std::pair<std::int32_t, int>> expected = {
      {-3, 1}, {-2, 2}, {-1, 3}, {0, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 8}, {5, 2}};
  EXPECT_EQ(Runs(climb), expected);
}

TEST(SpacingSchedule, AStartAbove128CountsDown) {
  const std::vector<std::int32_t> spacings = Play(999, -1);
  EXPECT_EQ(spacings, Then(CountDown(998, -4), {-3, -2, -2, -1, -1}));
}

TEST(SpacingSchedule, AStopItCannotReachIsClampedSoTheRunEnds) {
  struct Case {
    std::int32_t start, stop, last;
  };
  const Case cases[] = {
      {128, 500, 128},  // above the top of the climb
      {128, 129, 128},  // 129 is played once but only on the way back down
      {10, -100, -4},   // below the turn
      {-10, -50, -10},  // below a start that lies below the turn
      {200, -5, -4},
  };
  for (const Case& c : cases) {
    const std::vector<std::int32_t> spacings = Play(c.start, c.stop);
    ASSERT_GE(spacings.size(), 1u);
    EXPECT_EQ(spacings.back(), c.last) << c.start << " to " << c.stop;
    EXPECT_EQ(SpacingSchedule::ReachableStop(c.start, c.stop), c.last);
  }
}

TEST(SpacingSchedule, StopsInsideTheLimitAreKept) {
  for (std::int32_t start : {-20, -4, 0, 128, 300}) {
    for (std::int32_t stop = std::min(start, -4); stop <= 128; stop += 11) {
      EXPECT_EQ(SpacingSchedule::ReachableStop(start, stop), stop);
      EXPECT_EQ(Play(start, stop).back(), stop) << start << " to " << stop;
    }
  }
}

}  // namespace
}  // namespace fx
