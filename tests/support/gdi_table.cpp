#include "tests/support/gdi_table.h"

namespace test {

NearlyFullGdiTable::NearlyFullGdiTable(int headroom) {
  while (HBRUSH brush = CreateSolidBrush(RGB(brushes_.size() % 256, 1, 2))) {
    brushes_.push_back(brush);
  }
  for (int i = 0; i < headroom && !brushes_.empty(); ++i) {
    DeleteObject(brushes_.back());
    brushes_.pop_back();
  }
}

NearlyFullGdiTable::~NearlyFullGdiTable() {
  for (HBRUSH brush : brushes_) {
    DeleteObject(brush);
  }
}

bool NearlyFullGdiTable::CanCreateBrush() {
  HBRUSH brush = CreateSolidBrush(RGB(7, 7, 7));
  if (!brush) {
    return false;
  }
  DeleteObject(brush);
  return true;
}

}  // namespace test
