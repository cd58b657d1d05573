#include "tirval/shell_path_list.h"

#include <gtest/gtest.h>

namespace tirval {
namespace {

using namespace std::string_literals;

TEST(ShellPathList, TrailingBlanksGoAndTwoNulsEndTheList) {
  const std::string longest(127, 'p');
  const struct {
    std::string typed;
    std::string list;
  } cases[] = {
      {"C:\\data\\a.txt", "C:\\data\\a.txt\0\0"s},
      {"C:\\data\\a.txt   ", "C:\\data\\a.txt\0\0"s},
      {"  C:\\lead.txt", "  C:\\lead.txt\0\0"s},
      {"C:\\a b\\*.txt ", "C:\\a b\\*.txt\0\0"s},
      {"", "\0\0"s},
      {"    ", "\0\0"s},
      {longest, longest + "\0\0"s},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(ShellPathList(each.typed), each.list) << each.typed;
  }
}

}  // namespace
}  // namespace tirval
