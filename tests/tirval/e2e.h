#pragma once

#include <windows.h>

#include <string>

#include "tests/support/temporary_folder.h"

namespace test {

// The path of the tirval.exe under test, as the end-to-end tests' command line gives it.
const std::string& TirvalExecutable();

// Points TMP, which tirval inherits, at a fresh folder of the test's own while it lives. The folder
// goes with all it holds: the file of a window whose program was ended does not meet a later test.
class PrivateTemp {
 public:
  PrivateTemp() {
    saved_.resize(MAX_PATH);
    saved_.resize(GetEnvironmentVariableA("TMP", saved_.data(), MAX_PATH));
    SetEnvironmentVariableA("TMP", folder_.path().c_str());
  }
  ~PrivateTemp() { SetEnvironmentVariableA("TMP", saved_.empty() ? nullptr : saved_.c_str()); }
  const std::string& folder() const { return folder_.path(); }
  // How many files in the folder match `pattern`.
  int count(const char* pattern) const {
    int found = 0;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(folder_.file(pattern).c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        ++found;
      } while (FindNextFileA(search, &entry));
      FindClose(search);
    }
    return found;
  }

 private:
  const test::TemporaryFolder folder_;
  std::string saved_;
};

}  // namespace test
