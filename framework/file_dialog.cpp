#include "framework/file_dialog.h"

#include <commdlg.h>

namespace fw {
namespace {

// Room for the longest path the dialog hands back; a longer one counts as cancelled.
constexpr DWORD kMaxFileName = 1024;

}  // namespace

void FileDialog::addFilter(std::string_view description, std::string_view pattern) {
  filters_.push_back({std::string(description), std::string(pattern)});
}

void FileDialog::setTitle(std::string_view title) {
  title_ = title.substr(0, kMaxTitle);
}

std::string FileDialog::askFileName(HWND owner) const {
  const std::string filters = FilterList(filters_);
  std::string name(kMaxFileName, '\0');
  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filters_.empty() ? nullptr : filters.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = name.data();
  request.nMaxFile = kMaxFileName;
  request.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
  request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (!GetOpenFileNameA(&request)) {
    return {};
  }
  name.resize(name.find('\0'));
  return name;
}

}  // namespace fw
