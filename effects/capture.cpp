#include "effects/capture.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>

#include "effects/bmp_layout.h"
#include "runtime/handles.h"

namespace fx {
namespace {

// The bitmap-information block that GetDIBits fills: the header and the whole colour area.
struct InfoBlock {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};
static_assert(sizeof(InfoBlock) == bmp::kInfoBlockSize);

// A LOGPALETTE with room for all 256 entries.
struct PaletteBlock {
  WORD version;
  WORD count;
  PALETTEENTRY entries[256];
};

// Selects a palette into a device context and realises it there; selects the previous palette
// back on destruction.
class RealizedPalette {
 public:
  RealizedPalette(HDC dc, HPALETTE palette)
      : dc_(dc), previous_(SelectPalette(dc, palette, FALSE)) {
    RealizePalette(dc);
  }
  RealizedPalette(const RealizedPalette&) = delete;
  RealizedPalette& operator=(const RealizedPalette&) = delete;
  ~RealizedPalette() {
    if (previous_) {
      SelectPalette(dc_, previous_, FALSE);
    }
  }

 private:
  HDC dc_;
  HPALETTE previous_;
};

bool IsPaletteDevice(HDC dc) {
  return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && GetDeviceCaps(dc, SIZEPALETTE) == 256;
}

rt::GdiObject SystemPalette(HDC dc) {
  PaletteBlock block{0x300, 256, {}};
  GetSystemPaletteEntries(dc, 0, 256, block.entries);
  return rt::GdiObject(CreatePalette(reinterpret_cast<const LOGPALETTE*>(&block)));
}

// Writes the parts one after the other into a new or emptied file; a file that could not be
// written whole is deleted, so that no half-written capture is taken for a whole one.
bool WriteWholeFile(const std::string& path,
                    std::initializer_list<std::span<const std::uint8_t>> parts) {
  rt::File file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return false;
  }
  for (const std::span<const std::uint8_t> part : parts) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(part.size());
    if (!WriteFile(file.get(), part.data(), size, &written, nullptr) || written != size) {
      file.reset();
      DeleteFileA(path.c_str());
      return false;
    }
  }
  return true;
}

// The screen's pixel format, with its colour table or bit fields, as GetDIBits reports it for a
// bitmap compatible with the screen. `memory` holds the palette the colours are taken from.
bool ReadScreenFormat(HDC source, HDC memory, InfoBlock& info) {
  const rt::GdiObject probe(CreateCompatibleBitmap(source, 1, 1));
  info.header.biSize = sizeof info.header;
  auto* const bitmapInfo = reinterpret_cast<BITMAPINFO*>(&info);
  const auto bitmap = static_cast<HBITMAP>(probe.get());
  std::uint32_t pixel = 0;  // a row of one pixel of at most 32 bits
  // The first call fills the header, the second the colour table or bit fields.
  return probe && GetDIBits(memory, bitmap, 0, 1, nullptr, bitmapInfo, DIB_RGB_COLORS) &&
         GetDIBits(memory, bitmap, 0, 1, &pixel, bitmapInfo, DIB_RGB_COLORS) == 1;
}

// Copies `width` x `height` pixels from the top left of `source` and writes them as a BMP file.
bool WriteCapture(HDC source, int width, int height, const std::string& path) {
  const rt::MemoryDc memory(CreateCompatibleDC(source));
  if (!memory) {
    return false;
  }
  // On a 256-colour palette screen the system palette gives the pixels their colours.
  rt::GdiObject palette;
  std::optional<RealizedPalette> realized;
  if (IsPaletteDevice(source)) {
    palette = SystemPalette(source);
    if (!palette) {
      return false;
    }
    realized.emplace(memory.get(), static_cast<HPALETTE>(palette.get()));
  }
  // Zero-filled, so the colour-area bytes GetDIBits leaves alone are written as zeros.
  InfoBlock info{};
  if (!ReadScreenFormat(source, memory.get(), info)) {
    return false;
  }
  const std::optional<bmp::Layout> layout = bmp::LayoutOf(width, height, info.header.biBitCount);
  if (!layout) {
    return false;
  }
  info.header.biWidth = width;
  info.header.biHeight = height;  // rows from the bottom up
  info.header.biSizeImage = layout->imageSize;
  // The pixels are copied once: BitBlt puts them into a bitmap in the screen's own format whose
  // rows are already those of the file, and they are written from there.
  void* pixels = nullptr;
  const rt::GdiObject captured(CreateDIBSection(memory.get(),
                                                reinterpret_cast<const BITMAPINFO*>(&info),
                                                DIB_RGB_COLORS, &pixels, nullptr, 0));
  if (!captured) {
    return false;
  }
  {
    const rt::SelectedObject selected(memory.get(), captured.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY)) {
      return false;
    }
  }
  GdiFlush();  // the bits are read directly
  std::array<std::uint8_t, bmp::kPixelOffset> headers;
  const auto fileHeader = bmp::FileHeader(*layout);
  std::memcpy(headers.data(), fileHeader.data(), fileHeader.size());
  std::memcpy(headers.data() + fileHeader.size(), &info, sizeof info);
  return WriteWholeFile(path,
                        {headers, {static_cast<const std::uint8_t*>(pixels), layout->imageSize}});
}

bool Capture(HWND window, CaptureArea area, int width, int height, std::string_view fileName) {
  const std::string path = bmp::CaptureFileName(fileName);
  if (path.empty() || width <= 0 || height <= 0 || !IsWindow(window)) {
    return false;
  }
  const rt::WindowDc source(
      window, area == CaptureArea::Client ? rt::WindowDc::Area::Client : rt::WindowDc::Area::Whole);
  return source && WriteCapture(source.get(), width, height, path);
}

}  // namespace

bool CaptureToBmp(HWND window, CaptureArea area, std::string_view fileName) {
  RECT rect{};
  if (area == CaptureArea::Client) {
    return GetClientRect(window, &rect) && Capture(window, area, rect.right, rect.bottom, fileName);
  }
  return GetWindowRect(window, &rect) &&
         Capture(window, area, bmp::WholeWindowCaptureWidth(rect.right - rect.left),
                 rect.bottom - rect.top, fileName);
}

bool CaptureClientPixelsToBmp(HWND window, int width, int height, std::string_view fileName) {
  return Capture(window, CaptureArea::Client, width, height, fileName);
}

}  // namespace fx
