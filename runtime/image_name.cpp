#include "runtime/image_name.h"

namespace rt {

ImageSource SourceOfImage(std::string_view name) {
  if (!name.starts_with('~')) {
    return {{}, std::string(name)};
  }
  const std::string_view file = name.substr(1);
  std::string resource;
  for (const char c : file) {
    const bool lower = c >= 'a' && c <= 'z';
    resource += c == '.' ? '_' : lower ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return {resource, std::string(file)};
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

}  // namespace rt
