#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The layout of the BMP files the captures write: a 14-byte file header, the 40-byte
// information header, a 1024-byte colour area written whole at every depth, then the pixel rows
// from the bottom up, each padded to a multiple of 4 bytes.
namespace fx::bmp {

inline constexpr std::uint16_t kSignature = 0x4D42;  // "BM"
inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kColorAreaSize = 1024;  // room for 256 four-byte colour entries
inline constexpr std::uint32_t kInfoBlockSize = kInfoHeaderSize + kColorAreaSize;
inline constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoBlockSize;  // 1078
inline constexpr std::size_t kMaxFileNameLength = 255;

// Sizes of one capture file.
struct Layout {
  std::uint32_t rowSize;    // bytes in one row of pixels, padding included
  std::uint32_t imageSize;  // bytes of all the rows
  std::uint32_t fileSize;   // headers, colour area and rows
  bool operator==(const Layout&) const = default;
};

// The sizes of a `width` x `height` image of `bitCount` bits per pixel; nothing when a size is
// not positive or the file would not fit the header's 32-bit size field.
std::optional<Layout> LayoutOf(std::int32_t width, std::int32_t height, std::int32_t bitCount);

// The file header of a capture of this layout, as its 14 bytes on disk.
std::array<std::uint8_t, kFileHeaderSize> FileHeader(const Layout& layout);

// The width of a whole-window capture: a window three pixels more than a multiple of four wide
// is captured one column wider; other widths are captured as they are.
constexpr std::int32_t WholeWindowCaptureWidth(std::int32_t windowWidth) {
  return windowWidth % 4 == 3 ? windowWidth + 1 : windowWidth;
}

// The name a capture is written under: cut to 255 characters, without trailing blanks.
std::string CaptureFileName(std::string_view name);

}  // namespace fx::bmp
