#pragma once

#include <span>
#include <string>
#include <string_view>

namespace fw {

// One entry of a file dialog's file-type list: what the user sees and the pattern it stands for.
struct FileFilter {
  std::string description;  // "All Files"
  std::string pattern;      // "*.*"; several patterns are separated by ';'
};

// The filters as the open-file dialog takes them: description NUL pattern NUL for each entry,
// and one more NUL at the end.
std::string FilterList(std::span<const FileFilter> filters);

}  // namespace fw
