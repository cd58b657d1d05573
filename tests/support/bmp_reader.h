// Our own reader of the BMP files the captures write: both headers, the colour area, and the
// pixels decoded to 0xRRGGBB values, top row first.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace test {

struct BmpFile {
  // File header.
  std::uint16_t type = 0;
  std::uint32_t fileSize = 0;
  std::uint16_t reserved1 = 0;
  std::uint16_t reserved2 = 0;
  std::uint32_t pixelOffset = 0;
  // Information header.
  std::uint32_t infoSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t imageSize = 0;
  std::uint32_t colorsUsed = 0;
  // The 1024 bytes that follow the information header.
  std::vector<std::uint8_t> colorArea;
  std::uint32_t rowSize = 0;
  // 0xRRGGBB, row by row from the top.
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  // The colour area read as 32-bit little-endian words.
  std::uint32_t colorWord(std::size_t index) const {
    return colorArea[4 * index] | colorArea[4 * index + 1] << 8 | colorArea[4 * index + 2] << 16 |
           static_cast<std::uint32_t>(colorArea[4 * index + 3]) << 24;
  }
};

// Decodes an uncompressed BMP of 8 (palette), 16, 24 or 32 bits, with or without bit fields;
// nothing when the bytes are not such a file or are too short for what their headers say.
std::optional<BmpFile> DecodeBmp(const std::vector<std::uint8_t>& bytes);

// The whole content of a file; empty when it cannot be read.
std::vector<std::uint8_t> ReadAllBytes(const std::string& path);

}  // namespace test
