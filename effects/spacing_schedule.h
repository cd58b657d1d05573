#pragma once

#include <cstdint>
#include <optional>

namespace fx {

// The letter spacings of the text animation, frame by frame: falling by 1 from the start to -4,
// then climbing ever more slowly (each value v from -3 up held for v + 4 frames) until the stop
// value, which is played once more as the last frame. Allocation-free; one object per run.
class SpacingSchedule {
 public:
  // A stop value the schedule can never reach is clamped to the nearest one it reaches.
  SpacingSchedule(std::int32_t startSpacing, std::int32_t stopSpacing);

  // The nearest stop value to `stopSpacing` that a run from `startSpacing` reaches.
  static std::int32_t ReachableStop(std::int32_t startSpacing, std::int32_t stopSpacing);

  // The spacing of the next frame, or nothing once the last frame has been played.
  std::optional<std::int32_t> next();

 private:
  std::int32_t spacing_;
  std::int32_t stop_;
  std::int32_t direction_ = -1;
  std::int32_t hold_ = 0;  // frames left before the climb takes its next step
  bool reversed_ = false;
  bool running_ = true;
};

}  // namespace fx
