#pragma once

#include <string>
#include <string_view>

// Image names as programs give them: "~BkgndB1.bmp" names an image among the program's own
// resources (falling back to the file "BkgndB1.bmp"); a name without "~" is a file name.
namespace rt {

struct ImageSource {
  std::string resourceName;  // the "IMAGE" resource to look for first; empty: none
  std::string fileName;      // the file to open when there is no such resource
};

// Where the image of `name` comes from: "~BkgndB1.bmp" → resource BKGNDB1_BMP, else file
// "BkgndB1.bmp"; "C:\x.gif" → the file only. An empty name names no image (both empty).
ImageSource SourceOfImage(std::string_view name);

// The name without its trailing blanks, as fixed-width texts are handed on.
std::string_view WithoutTrailingBlanks(std::string_view text);

}  // namespace rt
