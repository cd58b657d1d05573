#include "effects/temporary_file.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace fx {
namespace {

constexpr DWORD kDirectoryCapacity = 255;
// Windows picks unique ".tmp" names only: a ".bmp" of the same number may already be there
// (a leftover, or another object's file), so a few numbers are tried.
constexpr int kAttempts = 64;

}  // namespace

void CreateTemporaryBmp(char* path, std::size_t capacity) {
  path[0] = '\0';
  char directory[kDirectoryCapacity + 1];
  const DWORD length = GetTempPathA(kDirectoryCapacity, directory);
  if (length == 0 || length >= kDirectoryCapacity) {
    return;
  }
  // Names whose ".bmp" was taken keep their ".tmp" until the end, so that the next
  // GetTempFileName moves on to another number.
  std::vector<std::string> taken;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    char created[MAX_PATH];
    if (GetTempFileNameA(directory, "Bcr", 0, created) == 0) {
      break;
    }
    std::string bmp = created;
    bmp.replace(bmp.size() - 4, 4, ".bmp");
    if (bmp.size() >= capacity) {
      DeleteFileA(created);
      break;
    }
    if (MoveFileA(created, bmp.c_str())) {
      std::copy_n(bmp.c_str(), bmp.size() + 1, path);
      break;
    }
    taken.emplace_back(created);
  }
  for (const std::string& name : taken) {
    DeleteFileA(name.c_str());
  }
}

}  // namespace fx
