#pragma once

#include <string>

namespace test {

// The drag-full-windows setting as the user profile holds it ("0", "1", or "" when never
// written), which every process sees.
std::string StoredDragFullWindows();
// Sets it as a program does, written to the profile.
void StoreDragFullWindows(bool on);

}  // namespace test
