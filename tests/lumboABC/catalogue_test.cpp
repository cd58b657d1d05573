// The committed catalogue images, as the program holds them: formats, sizes and colours as the
// catalogue gives them, and every image name resolving to its resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "lumboABC/catalogue.h"
#include "runtime/image.h"
#include "tests/support/pixels.h"

namespace lumbo {
namespace {

using Bytes = std::span<const std::uint8_t>;

unsigned Read16(Bytes bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

unsigned Read32(Bytes bytes, std::size_t at) {
  return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

// What a GIF file holds, block by block.
struct GifFacts {
  std::string version;
  int width = 0;
  int height = 0;
  int globalColours = 0;  // 0: no global colour table
  int images = 0;
  int extensions = 0;
  bool interlaced = false;
  bool endsWithTrailer = false;
};

// Skips data sub-blocks from `at`; returns the position after the terminator, or npos.
std::size_t SkipSubBlocks(Bytes bytes, std::size_t at) {
  while (at < bytes.size() && bytes[at] != 0) {
    at += bytes[at] + 1u;
  }
  return at < bytes.size() ? at + 1 : std::string::npos;
}

GifFacts ReadGif(Bytes bytes) {
  GifFacts facts;
  if (bytes.size() < 13) {
    return facts;
  }
  facts.version.assign(bytes.begin(), bytes.begin() + 6);
  facts.width = static_cast<int>(Read16(bytes, 6));
  facts.height = static_cast<int>(Read16(bytes, 8));
  const std::uint8_t flags = bytes[10];
  facts.globalColours = flags & 0x80 ? 2 << (flags & 7) : 0;
  std::size_t at = 13 + 3u * facts.globalColours;
  while (at != std::string::npos && at < bytes.size()) {
    if (bytes[at] == 0x21) {  // extension: label, then sub-blocks
      ++facts.extensions;
      at = SkipSubBlocks(bytes, at + 2);
    } else if (bytes[at] == 0x2C && at + 10 < bytes.size()) {  // image descriptor
      ++facts.images;
      const std::uint8_t imageFlags = bytes[at + 9];
      facts.interlaced = (imageFlags & 0x40) != 0;
      at += 10 + (imageFlags & 0x80 ? 3u * (2 << (imageFlags & 7)) : 0);
      at = SkipSubBlocks(bytes, at + 1);  // after the LZW code size
    } else {
      facts.endsWithTrailer = bytes[at] == 0x3B && at == bytes.size() - 1;
      break;
    }
  }
  return facts;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string CommittedPath(std::string_view imageName) {
  return std::string(LUMBO_IMAGES_DIR) + "/" + std::string(imageName.substr(1));
}

void ExpectAverageNear(const test::Average& average, const Rgb& wanted, double tolerance,
                       std::string_view name) {
  EXPECT_NEAR(average.red, wanted.red, tolerance) << name;
  EXPECT_NEAR(average.green, wanted.green, tolerance) << name;
  EXPECT_NEAR(average.blue, wanted.blue, tolerance) << name;
}

TEST(Catalogue, ListsTwentyOneEntriesInMenuOrder) {
  const char* const order[] = {"B1", "B2", "B3", "B4", "B5", "B6", "G1", "G2", "G3", "G4", "G5",
                               "G6", "G7", "G8", "Y1", "Y2", "Y3", "Y4", "Y5", "Y6", "Y7"};
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    const CatalogueEntry& entry = kCatalogue[i];
    EXPECT_EQ(entry.number, static_cast<int>(i) + 1);
    EXPECT_EQ(entry.menuImage, "~Bkgnd" + std::string(order[i]) + ".bmp");
    EXPECT_EQ(entry.wallPaper, "~Bkgnd" + std::string(order[i]) + ".gif");
  }
}

TEST(Catalogue, EveryNameResolvesToItsResourceHoldingTheCommittedFile) {
  for (const CatalogueEntry& entry : kCatalogue) {
    for (std::string_view name : {entry.menuImage, entry.wallPaper}) {
      const Bytes resource = rt::ImageResourceBytes(name);
      ASSERT_FALSE(resource.empty()) << name;
      const std::vector<std::uint8_t> committed = ReadFile(CommittedPath(name));
      ASSERT_FALSE(committed.empty()) << CommittedPath(name);
      EXPECT_TRUE(std::equal(resource.begin(), resource.end(), committed.begin(), committed.end()))
          << name << " is not stored byte for byte";
    }
  }
  EXPECT_FALSE(rt::ImageResourceBytes("~BkgndY7.gif").empty());  // BKGNDY7_GIF
  EXPECT_TRUE(rt::ImageResourceBytes("~BkgndY8.gif").empty());
}

TEST(Catalogue, MenuImagesAreSmallUncompressedBitmaps) {
  for (const CatalogueEntry& entry : kCatalogue) {
    const Bytes bmp = rt::ImageResourceBytes(entry.menuImage);
    ASSERT_GE(bmp.size(), 54u) << entry.menuImage;
    const bool eightBit = entry.menuBitsPerPixel == 8;
    EXPECT_EQ(entry.menuBitsPerPixel, entry.number == 13 || entry.number == 14 ? 24 : 8);
    EXPECT_EQ(bmp.size(), eightBit ? 1558u : 1494u) << entry.menuImage;
    EXPECT_EQ(Read16(bmp, 0), 0x4D42u) << entry.menuImage;                  // "BM"
    EXPECT_EQ(Read32(bmp, 2), bmp.size()) << entry.menuImage;               // bfSize
    EXPECT_EQ(Read32(bmp, 10), eightBit ? 1078u : 54u) << entry.menuImage;  // bfOffBits
    EXPECT_EQ(Read32(bmp, 14), 40u) << entry.menuImage;                     // BITMAPINFOHEADER
    EXPECT_EQ(static_cast<int>(Read32(bmp, 18)), kMenuImageWidth) << entry.menuImage;
    EXPECT_EQ(static_cast<int>(Read32(bmp, 22)), kMenuImageHeight) << entry.menuImage;  // > 0
    EXPECT_EQ(Read16(bmp, 26), 1u) << entry.menuImage;
    EXPECT_EQ(static_cast<int>(Read16(bmp, 28)), entry.menuBitsPerPixel) << entry.menuImage;
    EXPECT_EQ(Read32(bmp, 30), 0u) << entry.menuImage;  // BI_RGB
    const unsigned coloursUsed = Read32(bmp, 46);
    EXPECT_TRUE(eightBit ? coloursUsed == 0 || coloursUsed == 256 : coloursUsed == 0)
        << entry.menuImage;
  }
}

TEST(Catalogue, WallpapersAreSingleImageGif89aWithAGlobalTableAndNoExtension) {
  for (const CatalogueEntry& entry : kCatalogue) {
    const GifFacts gif = ReadGif(rt::ImageResourceBytes(entry.wallPaper));
    EXPECT_EQ(gif.version, "GIF89a") << entry.wallPaper;
    EXPECT_EQ(gif.width, entry.tileWidth) << entry.wallPaper;
    EXPECT_EQ(gif.height, entry.tileHeight) << entry.wallPaper;
    EXPECT_EQ(gif.globalColours, entry.number == 14 ? 32 : 256) << entry.wallPaper;
    EXPECT_EQ(gif.globalColours, entry.paletteSize) << entry.wallPaper;
    EXPECT_EQ(gif.images, 1) << entry.wallPaper;
    EXPECT_EQ(gif.extensions, 0) << entry.wallPaper;
    EXPECT_EQ(gif.interlaced, entry.number == 21) << entry.wallPaper;
    EXPECT_EQ(gif.interlaced, entry.interlaced) << entry.wallPaper;
    EXPECT_TRUE(gif.endsWithTrailer) << entry.wallPaper;
  }
}

TEST(Catalogue, ImagesDecodeToTheTabledSizesAndAverageColours) {
  for (const CatalogueEntry& entry : kCatalogue) {
    const rt::GdiObject tile = rt::LoadNamedImage(entry.wallPaper);
    const rt::GdiObject menu = rt::LoadNamedImage(entry.menuImage);
    ASSERT_TRUE(tile && menu) << entry.number;
    const test::Pixels tilePixels = test::PixelsOf(tile.get());
    const test::Pixels menuPixels = test::PixelsOf(menu.get());
    EXPECT_EQ(tilePixels.width, entry.tileWidth);
    EXPECT_EQ(tilePixels.height, entry.tileHeight);
    EXPECT_EQ(menuPixels.width, kMenuImageWidth);
    EXPECT_EQ(menuPixels.height, kMenuImageHeight);
    ExpectAverageNear(test::AverageOf(tilePixels), entry.average, 1.0, entry.wallPaper);
    ExpectAverageNear(test::AverageOf(menuPixels), entry.average, 4.0, entry.menuImage);
  }
}

}  // namespace
}  // namespace lumbo
