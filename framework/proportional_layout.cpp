#include "framework/proportional_layout.h"

#include <algorithm>
#include <cstdint>

namespace fw {
namespace {

bool Contains(const Box& outer, const Box& inner) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

std::int64_t Area(const Box& box) {
  return static_cast<std::int64_t>(box.width) * box.height;
}

// A distance from the start of a span of `from` pixels, in a span of `to` pixels.
int Scale(int distance, int from, int to) {
  if (from <= 0) {
    return distance;
  }
  const std::int64_t scaled = static_cast<std::int64_t>(distance) * to;
  // Rounded to the nearest pixel, so that equal gaps stay equal.
  return static_cast<int>((scaled + (scaled >= 0 ? from / 2 : -from / 2)) / from);
}

}  // namespace

std::vector<int> FindEnclosers(std::span<const Box> boxes) {
  std::vector<int> enclosers(boxes.size(), -1);
  for (std::size_t inner = 0; inner < boxes.size(); ++inner) {
    for (std::size_t outer = 0; outer < boxes.size(); ++outer) {
      if (outer == inner || !Contains(boxes[outer], boxes[inner])) {
        continue;
      }
      // An equal box encloses only the ones after it, so no two boxes enclose each other.
      if (boxes[outer] == boxes[inner] && outer > inner) {
        continue;
      }
      const int best = enclosers[inner];
      if (best < 0 || Area(boxes[outer]) < Area(boxes[static_cast<std::size_t>(best)])) {
        enclosers[inner] = static_cast<int>(outer);
      }
    }
  }
  return enclosers;
}

Box Follow(const Box& box, const Box& from, const Box& to, bool keepsHeight) {
  const int left = to.x + Scale(box.x - from.x, from.width, to.width);
  const int right = to.x + Scale(box.x + box.width - from.x, from.width, to.width);
  int top = to.y + Scale(box.y - from.y, from.height, to.height);
  int height = to.y + Scale(box.y + box.height - from.y, from.height, to.height) - top;
  if (keepsHeight) {
    height = box.height;
    top = std::max(to.y, std::min(top, to.y + to.height - height));
  }
  return {left, top, right - left, height};
}

std::vector<Box> FollowProportionally(std::span<const LaidOutControl> controls,
                                      std::span<const int> enclosers, const Box& laidOutIn,
                                      const Box& now) {
  std::vector<Box> placed(controls.size());
  std::vector<bool> done(controls.size(), false);
  // Containment has no cycles, so following encloser after encloser always ends.
  const auto place = [&](auto& self, std::size_t index) -> const Box& {
    if (!done[index]) {
      const int encloser = enclosers[index];
      const auto outer = static_cast<std::size_t>(encloser);
      const Box& from = encloser < 0 ? laidOutIn : controls[outer].box;
      const Box& to = encloser < 0 ? now : self(self, outer);
      placed[index] = Follow(controls[index].box, from, to, controls[index].keepsHeight);
      done[index] = true;
    }
    return placed[index];
  };
  for (std::size_t index = 0; index < controls.size(); ++index) {
    place(place, index);
  }
  return placed;
}

}  // namespace fw
