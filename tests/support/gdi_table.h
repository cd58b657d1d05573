#pragma once

#include <windows.h>

#include <vector>

namespace test {

// Fills the process's GDI handle table until only `headroom` slots are left, and frees it all
// again on destruction. An operation that leaks one handle per call, run a thousand times under
// it, leaves no room for one more brush.
class NearlyFullGdiTable {
 public:
  explicit NearlyFullGdiTable(int headroom = 300);
  NearlyFullGdiTable(const NearlyFullGdiTable&) = delete;
  NearlyFullGdiTable& operator=(const NearlyFullGdiTable&) = delete;
  ~NearlyFullGdiTable();

  int filled() const { return static_cast<int>(brushes_.size()); }
  // Whether a new brush can still be created (and deleted again).
  static bool CanCreateBrush();

 private:
  std::vector<HBRUSH> brushes_;
};

}  // namespace test
