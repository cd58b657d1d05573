#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "framework/file_filter.h"

namespace fw {

// The open-file dialog, set up once with its title and file types and then asked any number of
// times.
class FileDialog {
 public:
  // Titles longer than this are cut.
  static constexpr std::size_t kMaxTitle = 80;

  // Adds an entry to the list of file types, for example "All Files" and "*.*".
  void addFilter(std::string_view description, std::string_view pattern);
  void setTitle(std::string_view title);
  const std::string& title() const { return title_; }

  // Lets the user choose an existing file, in a dialog modal to `owner`: its full path, or ""
  // when the user cancels. The dialog may leave the process in the chosen file's folder.
  std::string askFileName(HWND owner) const;

 private:
  std::string title_;
  std::vector<FileFilter> filters_;
};

}  // namespace fw
