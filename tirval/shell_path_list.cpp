#include "tirval/shell_path_list.h"

namespace tirval {

std::string ShellPathList(std::string_view typed) {
  const std::size_t end = typed.find_last_not_of(' ');
  std::string list(typed.substr(0, end == std::string_view::npos ? 0 : end + 1));
  list.append(2, '\0');
  return list;
}

}  // namespace tirval
