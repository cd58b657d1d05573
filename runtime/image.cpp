#include "runtime/image.h"

#include <objbase.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "runtime/com_pointer.h"
#include "runtime/image_name.h"

namespace rt {
namespace {

// COM for the calling thread while an image decodes; each thread that decodes needs it.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) {
      CoUninitialize();
    }
  }

 private:
  bool initialised_;  // false when the thread already had another kind of apartment
};

std::vector<std::uint8_t> ReadSmallFile(const std::string& path) {
  File file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      static_cast<std::uint64_t>(size.QuadPart) > kMaxImageFileBytes) {
    return {};
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
      read != bytes.size()) {
    return {};
  }
  return bytes;
}

GdiObject DecodeImage(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > kMaxImageFileBytes) {
    return {};
  }
  const ComApartment apartment;
  ComPointer<IWICImagingFactory> factory;
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  ComPointer<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()),
                                          static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height)) ||
      width == 0 || height == 0 || width > 32767 || height > 32767 ||
      std::uint64_t{width} * height > kMaxImagePixels ||
      // 32-bit BGR is a target that every WIC converts palette images to; 24-bit is not.
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return {};
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC hands rows over
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const UINT stride = width * 4;
  if (!bitmap || !bits ||
      FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    return {};
  }
  // Opaque everywhere: where a 32-bit image is drawn with its alpha (menus), it must show.
  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0, count = std::size_t{width} * height; i < count; ++i) {
    pixel[i] |= 0xFF000000u;
  }
  return bitmap;
}

}  // namespace

std::span<const std::uint8_t> ImageResourceBytes(std::string_view name) {
  const ImageSource source = SourceOfImage(name);
  if (source.resourceName.empty()) {
    return {};
  }
  HMODULE program = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(program, source.resourceName.c_str(), "IMAGE");
  HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;  // never freed: part of the exe
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) {
    return {};
  }
  return {static_cast<const std::uint8_t*>(data), SizeofResource(program, found)};
}

GdiObject LoadNamedImage(std::string_view name) {
  if (const std::span<const std::uint8_t> resource = ImageResourceBytes(name); !resource.empty()) {
    return DecodeImage(resource);
  }
  const ImageSource source = SourceOfImage(name);
  if (source.fileName.empty()) {
    return {};
  }
  return DecodeImage(ReadSmallFile(source.fileName));
}

}  // namespace rt
