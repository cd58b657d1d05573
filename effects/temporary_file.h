#pragma once

#include <cstddef>

namespace fx {

// Creates an empty file "Bcr<hex>.bmp" in the Windows temporary directory that no other file
// already had, and writes its full path into `path`. When no such file can be made, or its path
// does not fit, `path` is left empty and nothing is created.
void CreateTemporaryBmp(char* path, std::size_t capacity);

}  // namespace fx
