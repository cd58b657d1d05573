#include "effects/bmp_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace fx::bmp {
namespace {

TEST(BmpLayout, RowsArePaddedToWholeWordsAndTheFileStartsItsPixelsAt1078) {
  struct Case {
    const char* what;
    std::int32_t width, height, bitCount;
    std::uint32_t rowSize;
  };
  const Case cases[] = {
      {"24-bit client 301 x 200", 301, 200, 24, 904},  // 903 rounded up
      {"24-bit, no padding needed", 300, 200, 24, 900},
      {"32-bit: always whole words", 301, 200, 32, 1204},
      {"16-bit 301 wide", 301, 200, 16, 604},  // 602 rounded up
      {"16-bit even width", 302, 200, 16, 604},
      {"8-bit palette: width rounded up to 4", 301, 200, 8, 304},
      {"8-bit, a multiple of 4", 300, 200, 8, 300},
      {"8-bit, one pixel", 1, 1, 8, 4},
      {"desktop 1024 x 768 at 32 bits", 1024, 768, 32, 4096},
      {"1-bit, 33 pixels take two words", 33, 2, 1, 8},
  };
  for (const Case& c : cases) {
    const std::optional<Layout> layout = LayoutOf(c.width, c.height, c.bitCount);
    ASSERT_TRUE(layout) << c.what;
    const std::uint32_t imageSize = c.rowSize * static_cast<std::uint32_t>(c.height);
    EXPECT_EQ(*layout, (Layout{c.rowSize, imageSize, imageSize + 1078})) << c.what;
  }
  EXPECT_EQ(kPixelOffset, 14u + 40u + 1024u);
}

TEST(BmpLayout, SizesThatMakeNoFileHaveNoLayout) {
  struct Case {
    std::int32_t width, height, bitCount;
  };
  const Case cases[] = {
      {0, 200, 32},
      {301, 0, 32},
      {-4, 200, 32},
      {301, -200, 32},
      {301, 200, 0},
      {65536, 16384, 32},                     // exactly 4 GiB of rows
      {32767, 32767, 64},                     // 8 GiB
      {4, (0xFFFFFFFF - 1078) / 16 + 1, 32},  // one row more than the size field holds
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(LayoutOf(c.width, c.height, c.bitCount))
        << c.width << " x " << c.height << " x " << c.bitCount;
  }
  // The largest file the size field can hold still has a layout.
  EXPECT_TRUE(LayoutOf(4, (0xFFFFFFFFu - 1078) / 16, 32));
}

TEST(BmpLayout, FileHeaderIsBmSizeZeroReservedAnd1078LittleEndian) {
  const Layout layout = *LayoutOf(301, 200, 24);  // image 180800 = 0x2C240, file 0x2C676
  const std::array<std::uint8_t, 14> expected = {
      'B', 'M', 0x76, 0xC6, 0x02, 0x00, 0, 0, 0, 0, 0x36, 0x04, 0x00, 0x00,
  };
  EXPECT_EQ(FileHeader(layout), expected);
}

TEST(BmpLayout, WholeWindowCapturesWidenOnlyARemainderOfThree) {
  struct Case {
    std::int32_t window, captured;
  };
  const Case cases[] = {
      {299, 300}, {300, 300}, {301, 301}, {302, 302}, {303, 304}, {3, 4}, {1024, 1024}, {1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WholeWindowCaptureWidth(c.window), c.captured) << c.window;
  }
}

TEST(BmpLayout, CaptureFileNamesLoseTrailingBlanksAndStopAt255Characters) {
  const std::string long300 = "C:\\captures\\" + std::string(288, 'a');
  const std::string blanksAt250 = std::string(250, 'b') + std::string(20, ' ') + "tail";
  struct Case {
    std::string name, written;
  };
  const Case cases[] = {
      {"cap.bmp", "cap.bmp"},
      {"cap.bmp   ", "cap.bmp"},
      {"  cap.bmp", "  cap.bmp"},  // leading blanks are part of the name
      {"my cap.bmp", "my cap.bmp"},
      {"   ", ""},
      {"", ""},
      {"cap.bmp\t", "cap.bmp\t"},  // only blanks are removed
      {long300, long300.substr(0, 255)},
      {std::string(255, 'c'), std::string(255, 'c')},
      // Cut in the middle of blanks: the name still does not end in one.
      {blanksAt250, std::string(250, 'b')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CaptureFileName(c.name), c.written) << '"' << c.name << '"';
  }
}

}  // namespace
}  // namespace fx::bmp
