#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace test {

// A fresh folder in the Windows temporary directory, removed with all it holds on destruction.
class TemporaryFolder {
 public:
  TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();

  const std::string& path() const { return path_; }
  // The full path of `name` in the folder.
  std::string file(std::string_view name) const { return path_ + "\\" + std::string(name); }
  // The names of the files (not folders) directly in the folder, sorted.
  std::vector<std::string> fileNames() const;

 private:
  std::string path_;
};

}  // namespace test
