#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/handles.h"

// Images by name (see image_name.h), decoded with the Windows Imaging Component.
namespace rt {

// Files larger than this, or images with more pixels, are not loaded.
inline constexpr std::uint64_t kMaxImageFileBytes = 64u << 20;
inline constexpr std::uint64_t kMaxImagePixels = 24u << 20;

// The bytes of the program's own "IMAGE" resource that a "~" name resolves to; empty if none.
std::span<const std::uint8_t> ImageResourceBytes(std::string_view name);

// Decodes the image of `name` (resource first for "~" names, then the file) into a 32-bit
// top-down DIB section. Empty when there is no such image, it does not decode, or it is too
// large; never throws. Callable from any thread.
GdiObject LoadNamedImage(std::string_view name);

}  // namespace rt
