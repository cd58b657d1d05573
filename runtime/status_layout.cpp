#include "runtime/status_layout.h"

#include <algorithm>

#include "runtime/window_definition.h"

namespace rt {

std::vector<int> StatusZoneEdges(std::span<const int> zoneWidths, int totalWidth) {
  int fixed = 0;
  for (int width : zoneWidths) {
    if (width != kRemainingWidth) {
      fixed += width;
    }
  }
  const int remaining = std::max(0, totalWidth - fixed);
  std::vector<int> edges;
  int edge = 0;
  for (int width : zoneWidths) {
    edge += width == kRemainingWidth ? remaining : width;
    edges.push_back(edge);
  }
  if (!edges.empty()) {
    edges.back() = -1;
  }
  return edges;
}

}  // namespace rt
