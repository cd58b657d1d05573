#pragma once

#include <span>
#include <vector>

// Where controls go when their window is resized and they follow it proportionally. Kept free
// of Windows headers so the rules can be checked directly.
namespace fw {

// A rectangle in pixels: a control's place in its window's client area.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Box&) const = default;
};

// A control as it was laid out, and whether it keeps its height (single-line controls, whose
// text does not grow with the window).
struct LaidOutControl {
  Box box;
  bool keepsHeight = false;
};

// For each box, the index of the smallest other box that wholly contains it, or -1. Of two
// equal boxes the earlier one encloses the later.
std::vector<int> FindEnclosers(std::span<const Box> boxes);

// Where `box`, placed inside `from`, goes when `from` becomes `to`: its edges keep their
// proportional distances; with `keepsHeight` it keeps its height and stays inside `to` as far
// as it fits.
Box Follow(const Box& box, const Box& from, const Box& to, bool keepsHeight);

// The new places of `controls`, laid out in a client area of size `laidOutIn`, once the client
// area has size `now`. A control inside another (`enclosers`, from FindEnclosers) follows its
// encloser, so it stays inside it.
std::vector<Box> FollowProportionally(std::span<const LaidOutControl> controls,
                                      std::span<const int> enclosers, const Box& laidOutIn,
                                      const Box& now);

}  // namespace fw
