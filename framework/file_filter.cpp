#include "framework/file_filter.h"

namespace fw {

std::string FilterList(std::span<const FileFilter> filters) {
  std::string list;
  for (const FileFilter& filter : filters) {
    list += filter.description;
    list += '\0';
    list += filter.pattern;
    list += '\0';
  }
  list += '\0';
  return list;
}

}  // namespace fw
