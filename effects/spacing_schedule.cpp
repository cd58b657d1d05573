#include "effects/spacing_schedule.h"

#include <algorithm>

namespace fx {
namespace {

constexpr std::int32_t kTurn = -4;      // the fall turns into the climb below -3
constexpr std::int32_t kHighest = 128;  // the climb turns back down above this

}  // namespace

SpacingSchedule::SpacingSchedule(std::int32_t startSpacing, std::int32_t stopSpacing)
    : spacing_(startSpacing), stop_(ReachableStop(startSpacing, stopSpacing)) {}

std::int32_t SpacingSchedule::ReachableStop(std::int32_t startSpacing, std::int32_t stopSpacing) {
  // The climb starts at the start value itself when that lies below the turn.
  return std::clamp(stopSpacing, std::min(startSpacing, kTurn), kHighest);
}

std::optional<std::int32_t> SpacingSchedule::next() {
  if (!running_) {
    return std::nullopt;
  }
  if (spacing_ < kTurn + 1 && !reversed_) {
    reversed_ = true;
    direction_ = 1;
    hold_ = spacing_ + 4;
  }
  if (spacing_ > kHighest) {
    direction_ = -1;
  }
  if (direction_ == 1) {
    if (spacing_ == stop_) {
      running_ = false;
    } else if (--hold_ <= 0) {
      ++spacing_;
      hold_ = spacing_ + 4;
    }
  } else {
    --spacing_;
  }
  return spacing_;
}

}  // namespace fx
