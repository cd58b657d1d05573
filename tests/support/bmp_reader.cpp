#include "tests/support/bmp_reader.h"

#include <bit>
#include <fstream>
#include <iterator>

namespace test {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | bytes[offset + static_cast<std::size_t>(i)];
  }
  return value;
}

// One channel of a bit-field pixel, scaled to 0..255.
std::uint32_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) {
    return 0;
  }
  const std::uint32_t maximum = mask >> std::countr_zero(mask);
  const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
  return (value * 255 + maximum / 2) / maximum;
}

}  // namespace

std::optional<BmpFile> DecodeBmp(const std::vector<std::uint8_t>& bytes) {
  constexpr std::size_t kHeaders = 14 + 40;
  if (bytes.size() < kHeaders) {
    return std::nullopt;
  }
  BmpFile bmp;
  bmp.type = static_cast<std::uint16_t>(Little(bytes, 0, 2));
  bmp.fileSize = Little(bytes, 2, 4);
  bmp.reserved1 = static_cast<std::uint16_t>(Little(bytes, 6, 2));
  bmp.reserved2 = static_cast<std::uint16_t>(Little(bytes, 8, 2));
  bmp.pixelOffset = Little(bytes, 10, 4);
  bmp.infoSize = Little(bytes, 14, 4);
  bmp.width = static_cast<std::int32_t>(Little(bytes, 18, 4));
  bmp.height = static_cast<std::int32_t>(Little(bytes, 22, 4));
  bmp.planes = static_cast<std::uint16_t>(Little(bytes, 26, 2));
  bmp.bitCount = static_cast<std::uint16_t>(Little(bytes, 28, 2));
  bmp.compression = Little(bytes, 30, 4);
  bmp.imageSize = Little(bytes, 34, 4);
  bmp.colorsUsed = Little(bytes, 46, 4);
  const bool knownDepth =
      bmp.bitCount == 8 || bmp.bitCount == 16 || bmp.bitCount == 24 || bmp.bitCount == 32;
  const bool knownCompression =
      bmp.compression == kBiRgb || (bmp.compression == kBiBitfields && bmp.bitCount != 8);
  if (bmp.type != 0x4D42 || bmp.infoSize != 40 || bmp.width <= 0 || bmp.height <= 0 ||
      !knownDepth || !knownCompression || bytes.size() < kHeaders + 1024) {
    return std::nullopt;
  }
  bmp.colorArea.assign(bytes.begin() + kHeaders, bytes.begin() + kHeaders + 1024);
  bmp.rowSize = (static_cast<std::uint32_t>(bmp.width) * bmp.bitCount + 31) / 32 * 4;
  if (bytes.size() < bmp.pixelOffset + static_cast<std::size_t>(bmp.rowSize) *
                                           static_cast<std::size_t>(bmp.height)) {
    return std::nullopt;
  }
  std::uint32_t masks[3] = {0xFF0000, 0xFF00, 0xFF};
  if (bmp.bitCount == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x3E0;
    masks[2] = 0x1F;
  }
  if (bmp.compression == kBiBitfields) {
    for (std::size_t i = 0; i < 3; ++i) {
      masks[i] = bmp.colorWord(i);
    }
  }
  bmp.pixels.resize(static_cast<std::size_t>(bmp.width) * static_cast<std::size_t>(bmp.height));
  for (int y = 0; y < bmp.height; ++y) {
    // Rows are stored from the bottom up.
    const std::size_t row =
        bmp.pixelOffset + static_cast<std::size_t>(bmp.height - 1 - y) * bmp.rowSize;
    for (int x = 0; x < bmp.width; ++x) {
      std::uint32_t rgb = 0;
      const auto ux = static_cast<std::size_t>(x);
      switch (bmp.bitCount) {
        case 8:
          rgb = bmp.colorWord(bytes[row + ux]) & 0xFFFFFF;  // blue, green, red, reserved
          break;
        case 24:
          rgb = Little(bytes, row + 3 * ux, 3);
          break;
        default: {
          const std::uint32_t pixel = Little(bytes, row + ux * bmp.bitCount / 8, bmp.bitCount / 8);
          rgb = Channel(pixel, masks[0]) << 16 | Channel(pixel, masks[1]) << 8 |
                Channel(pixel, masks[2]);
        }
      }
      bmp.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(bmp.width) + ux] = rgb;
    }
  }
  return bmp;
}

std::vector<std::uint8_t> ReadAllBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace test
