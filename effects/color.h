#pragma once

#include <cstdint>

namespace fx {

// Packs a colour as red + green * 256 + blue * 65536. Components are not masked: one above 255
// spills into the next, as the gradient arithmetic expects.
constexpr std::int32_t PackColor(std::int32_t red, std::int32_t green, std::int32_t blue) {
  // Unsigned arithmetic: the shifts and sums wrap instead of overflowing.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(red) +
                                   (static_cast<std::uint32_t>(green) << 8) +
                                   (static_cast<std::uint32_t>(blue) << 16));
}

}  // namespace fx
