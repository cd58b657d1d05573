#include "runtime/image_name.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

TEST(ImageNames, TildeNamesAResourceAndTheFileAfterIt) {
  struct Case {
    const char* name;
    const char* resource;
    const char* file;
  };
  const Case cases[] = {
      {"~BkgndB1.bmp", "BKGNDB1_BMP", "BkgndB1.bmp"},
      {"~BkgndY7.gif", "BKGNDY7_GIF", "BkgndY7.gif"},
      {"~a.b.c", "A_B_C", "a.b.c"},
      {"~Sub\\x.gif", "SUB\\X_GIF", "Sub\\x.gif"},
      {"BkgndB1.gif", "", "BkgndB1.gif"},  // no "~": always a file
      {"C:\\pics\\~x.gif", "", "C:\\pics\\~x.gif"},
      {"~", "", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const ImageSource source = SourceOfImage(c.name);
    EXPECT_EQ(source.resourceName, c.resource) << c.name;
    EXPECT_EQ(source.fileName, c.file) << c.name;
  }
}

TEST(ImageNames, TrailingBlanksAreDropped) {
  EXPECT_EQ(WithoutTrailingBlanks("~BkgndG1.gif   "), "~BkgndG1.gif");
  EXPECT_EQ(WithoutTrailingBlanks("  a b  "), "  a b");
  EXPECT_EQ(WithoutTrailingBlanks("    "), "");
  EXPECT_EQ(WithoutTrailingBlanks(""), "");
}

}  // namespace
}  // namespace rt
