#pragma once

#include <array>
#include <string_view>

// The 21 built-in backgrounds, in menu order. Each has a menu image (a 32 x 15 BMP shown beside
// its number) and a wallpaper (a GIF tile); both are resources of the program, named by image
// names with a leading "~". The formats and average colours are what the images are made to.
namespace lumbo {

struct Rgb {
  int red;
  int green;
  int blue;
};

struct CatalogueEntry {
  int number;                  // the menu entry's text, 1 to 21
  std::string_view menuImage;  // "~BkgndB1.bmp"
  std::string_view wallPaper;  // "~BkgndB1.gif"
  int menuBitsPerPixel;        // 8 (with a 256-entry palette) or 24
  int tileWidth;
  int tileHeight;
  int paletteSize;  // entries of the wallpaper's global colour table
  bool interlaced;
  Rgb average;  // of the wallpaper tile; the menu image's lies within a few units of it
};

inline constexpr int kMenuImageWidth = 32;
inline constexpr int kMenuImageHeight = 15;

inline constexpr std::array<CatalogueEntry, 21> kCatalogue{{
    {1, "~BkgndB1.bmp", "~BkgndB1.gif", 8, 189, 103, 256, false, {141, 141, 157}},
    {2, "~BkgndB2.bmp", "~BkgndB2.gif", 8, 150, 112, 256, false, {217, 213, 239}},
    {3, "~BkgndB3.bmp", "~BkgndB3.gif", 8, 32, 32, 256, false, {121, 122, 135}},
    {4, "~BkgndB4.bmp", "~BkgndB4.gif", 8, 67, 54, 256, false, {155, 155, 172}},
    {5, "~BkgndB5.bmp", "~BkgndB5.gif", 8, 42, 40, 256, false, {193, 192, 196}},
    {6, "~BkgndB6.bmp", "~BkgndB6.gif", 8, 120, 120, 256, false, {89, 106, 130}},
    {7, "~BkgndG1.bmp", "~BkgndG1.gif", 8, 189, 103, 256, false, {165, 165, 165}},
    {8, "~BkgndG2.bmp", "~BkgndG2.gif", 8, 150, 112, 256, false, {187, 187, 187}},
    {9, "~BkgndG3.bmp", "~BkgndG3.gif", 8, 32, 32, 256, false, {140, 139, 149}},
    {10, "~BkgndG4.bmp", "~BkgndG4.gif", 8, 67, 54, 256, false, {185, 185, 185}},
    {11, "~BkgndG5.bmp", "~BkgndG5.gif", 8, 42, 40, 256, false, {172, 171, 181}},
    {12, "~BkgndG6.bmp", "~BkgndG6.gif", 8, 120, 120, 256, false, {123, 123, 123}},
    {13, "~BkgndG7.bmp", "~BkgndG7.gif", 24, 80, 80, 256, false, {200, 200, 200}},
    {14, "~BkgndG8.bmp", "~BkgndG8.gif", 24, 80, 80, 32, false, {223, 220, 220}},
    {15, "~BkgndY1.bmp", "~BkgndY1.gif", 8, 189, 103, 256, false, {199, 189, 145}},
    {16, "~BkgndY2.bmp", "~BkgndY2.gif", 8, 150, 112, 256, false, {233, 228, 219}},
    {17, "~BkgndY3.bmp", "~BkgndY3.gif", 8, 32, 32, 256, false, {204, 196, 125}},
    {18, "~BkgndY4.bmp", "~BkgndY4.gif", 8, 67, 54, 256, false, {214, 208, 169}},
    {19, "~BkgndY5.bmp", "~BkgndY5.gif", 8, 42, 40, 256, false, {217, 213, 178}},
    {20, "~BkgndY6.bmp", "~BkgndY6.gif", 8, 120, 120, 256, false, {221, 214, 159}},
    {21, "~BkgndY7.bmp", "~BkgndY7.gif", 8, 144, 144, 256, true, {224, 218, 202}},
}};

}  // namespace lumbo
