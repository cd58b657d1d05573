#include "effects/bmp_layout.h"

#include <limits>

namespace fx::bmp {

std::optional<Layout> LayoutOf(std::int32_t width, std::int32_t height, std::int32_t bitCount) {
  if (width <= 0 || height <= 0 || bitCount <= 0) {
    return std::nullopt;
  }
  const std::uint64_t rowSize = (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
  const std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(height);
  const std::uint64_t fileSize = imageSize + kPixelOffset;
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  return Layout{static_cast<std::uint32_t>(rowSize), static_cast<std::uint32_t>(imageSize),
                static_cast<std::uint32_t>(fileSize)};
}

std::array<std::uint8_t, kFileHeaderSize> FileHeader(const Layout& layout) {
  std::array<std::uint8_t, kFileHeaderSize> header{};
  const auto put = [&header](std::size_t offset, std::uint32_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
      header[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  };
  put(0, kSignature, 2);
  put(2, layout.fileSize, 4);
  // Bytes 6 to 9, the two reserved fields, stay 0.
  put(10, kPixelOffset, 4);
  return header;
}

std::string CaptureFileName(std::string_view name) {
  std::string_view kept = name.substr(0, kMaxFileNameLength);
  while (!kept.empty() && kept.back() == ' ') {
    kept.remove_suffix(1);
  }
  return std::string(kept);
}

}  // namespace fx::bmp
