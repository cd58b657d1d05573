#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rt {

struct ColorDialogArgs {
  std::string_view title;
  std::int32_t initial = 0;  // red + green * 256 + blue * 65536
  // Off, the basic colours' grid is left out and the dialog opens on the colour spectrum.
  bool standardColors = true;
};

// Shows the colour dialog, owned by the calling thread's current window, and returns the colour
// the user confirmed, or nothing when the dialog was cancelled.
std::optional<std::int32_t> ColorDialog(const ColorDialogArgs& args);

}  // namespace rt
