#pragma once

#include <span>
#include <vector>

namespace rt {

// Right edges of the status bar's zones for a bar `totalWidth` pixels wide, as SB_SETPARTS
// takes them. One zone may be kRemainingWidth (-1): it takes whatever the others leave.
// The last edge is -1 so the last zone reaches the bar's right end.
std::vector<int> StatusZoneEdges(std::span<const int> zoneWidths, int totalWidth);

}  // namespace rt
