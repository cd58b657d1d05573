#include "effects/capture.h"

#include <cstdint>
#include <cstring>
#include <optional>
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

// Writes `size` bytes into a new or emptied file; a file that could not be written whole is
// deleted, so that no half-written capture is taken for a whole one.
bool WriteWholeFile(const std::string& path, const std::uint8_t* bytes, std::uint32_t size) {
  rt::File file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    return false;
  }
  DWORD written = 0;
  if (WriteFile(file.get(), bytes, size, &written, nullptr) && written == size) {
    return true;
  }
  file.reset();
  DeleteFileA(path.c_str());
  return false;
}

// Copies `width` x `height` pixels from the top left of `source` and writes them as a BMP file.
bool WriteCapture(HDC source, int width, int height, const std::string& path) {
  const rt::MemoryDc memory(CreateCompatibleDC(source));
  const rt::GdiObject bitmap(CreateCompatibleBitmap(source, width, height));
  if (!memory || !bitmap) {
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
  {
    const rt::SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, source, 0, 0, SRCCOPY)) {
      return false;
    }
  }
  // Zero-filled, so the colour-area bytes GetDIBits leaves alone are written as zeros.
  InfoBlock info{};
  info.header.biSize = sizeof info.header;
  auto* const bitmapInfo = reinterpret_cast<BITMAPINFO*>(&info);
  const auto captured = static_cast<HBITMAP>(bitmap.get());
  if (!GetDIBits(memory.get(), captured, 0, height, nullptr, bitmapInfo, DIB_RGB_COLORS)) {
    return false;
  }
  const std::optional<bmp::Layout> layout =
      bmp::LayoutOf(info.header.biWidth, info.header.biHeight, info.header.biBitCount);
  if (!layout) {
    return false;
  }
  // One block holds the whole file; GetDIBits puts the rows straight into their place in it.
  const rt::GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, layout->fileSize));
  if (!block) {
    return false;
  }
  const rt::GlobalLockGuard lock(block.get());
  auto* const file = static_cast<std::uint8_t*>(lock.data());
  if (!file || GetDIBits(memory.get(), captured, 0, height, file + bmp::kPixelOffset, bitmapInfo,
                         DIB_RGB_COLORS) != height) {
    return false;
  }
  const auto header = bmp::FileHeader(*layout);
  std::memcpy(file, header.data(), header.size());
  std::memcpy(file + bmp::kFileHeaderSize, &info, sizeof info);
  return WriteWholeFile(path, file, layout->fileSize);
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
