#pragma once

#include <string>

// The chosen background, kept in the INI file between runs.
namespace lumbo {

// GLO:WallPaper: the image name of the saved background ("" for none). Every thread has its own
// copy and fills it from the INI file right before it uses it, so no thread sees another's.
std::string& GloWallPaper();

// Fills GLO:WallPaper from the INI file (a missing key leaves it empty) and returns it.
const std::string& FetchSavedBackground();

// Writes GLO:WallPaper to the INI file; false when the file could not be written.
bool SaveBackground();

}  // namespace lumbo
