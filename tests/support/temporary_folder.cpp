#include "tests/support/temporary_folder.h"

#include <windows.h>

#include <algorithm>

namespace test {
namespace {

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") {
        continue;
      }
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  // A process that has just ended, or one the shell started there, can hold the folder for a
  // moment after it has gone.
  for (int attempt = 0; !RemoveDirectoryA(folder.c_str()) &&
                        GetLastError() == ERROR_SHARING_VIOLATION && attempt < 40;
       ++attempt) {
    Sleep(50);
  }
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  char name[MAX_PATH] = {};
  GetTempFileNameA(base, "run", 0, name);  // reserves a unique name, as a file
  DeleteFileA(name);
  CreateDirectoryA(name, nullptr);
  path_ = name;
}

TemporaryFolder::~TemporaryFolder() {
  RemoveFolder(path_);
}

std::vector<std::string> TemporaryFolder::fileNames() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.emplace_back(found.cFileName);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace test
