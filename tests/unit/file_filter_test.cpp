#include "framework/file_filter.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

using namespace std::string_literals;

TEST(FilterList, DescriptionAndPatternPairsEndedByAnEmptyEntry) {
  const struct {
    std::vector<FileFilter> filters;
    std::string expected;
  } cases[] = {
      {{{"All Files", "*.*"}}, "All Files\0*.*\0\0"s},
      {{{"Bitmaps", "*.bmp"}, {"Images", "*.gif;*.bmp"}},
       "Bitmaps\0*.bmp\0Images\0*.gif;*.bmp\0\0"s},
      {{}, "\0"s},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(FilterList(each.filters), each.expected);
  }
}

}  // namespace
}  // namespace fw
