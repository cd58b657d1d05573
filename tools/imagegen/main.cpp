// Makes the background demo's 42 catalogue images: for each entry a seamless wallpaper tile
// (GIF89a, written with giflib) and its 32 x 15 menu image (BMP), in the sizes, formats and
// average colours that the catalogue gives.
//   imagegen OUTPUT-FOLDER
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "lumboABC/catalogue.h"
#include "textures.h"

namespace {

using imagegen::Field;
using lumbo::CatalogueEntry;

struct Colour {
  double red, green, blue;
};

enum class Family { Blue, Grey, Yellow };

// How a texture's values become colours: per unit of value below and above the mean, the change
// of each channel. Darker parts of bluish images turn bluer, of yellowish ones browner.
struct Ramp {
  Colour dark;
  Colour light;
};

Ramp RampOf(Family family, double contrast) {
  const auto scaled = [contrast](Colour c) {
    return Colour{c.red * contrast, c.green * contrast, c.blue * contrast};
  };
  switch (family) {
    case Family::Blue:
      return {scaled({1.0, 1.0, 0.8}), scaled({0.95, 0.95, 0.8})};
    case Family::Grey:
      return {scaled({1.0, 1.0, 1.0}), scaled({1.0, 1.0, 1.0})};
    case Family::Yellow:
      return {scaled({0.9, 1.0, 1.5}), scaled({0.7, 0.75, 1.2})};
  }
  return {};
}

struct Design {
  Field (*texture)(int, int, std::uint32_t);
  double contrast;  // colour units per standard deviation of the texture
};

// The design of each catalogue entry, in catalogue order.
const std::array<Design, 21> kDesigns{{
    {imagegen::Paper, 9},        {imagegen::CloudyMarble, 9},  {imagegen::Weave, 20},
    {imagegen::Pebbles, 18},     {imagegen::Linen, 11},        {imagegen::VeinedMarble, 22},
    {imagegen::Paper, 9},        {imagegen::CloudyMarble, 9},  {imagegen::Weave, 20},
    {imagegen::Pebbles, 16},     {imagegen::Linen, 11},        {imagegen::VeinedMarble, 24},
    {imagegen::Stucco, 13},      {imagegen::Terrazzo, 14},     {imagegen::Paper, 9},
    {imagegen::CloudyMarble, 7}, {imagegen::Weave, 20},        {imagegen::Pebbles, 15},
    {imagegen::Linen, 11},       {imagegen::VeinedMarble, 16}, {imagegen::Parchment, 11},
}};

Family FamilyOf(const CatalogueEntry& entry) {
  switch (entry.wallPaper[6]) {  // "~Bkgnd" then the family letter
    case 'B':
      return Family::Blue;
    case 'G':
      return Family::Grey;
    default:
      return Family::Yellow;
  }
}

// A tile as palette indices, with its palette.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;
  std::vector<std::array<std::uint8_t, 3>> palette;

  const std::array<std::uint8_t, 3>& colourAt(int x, int y) const {
    return palette[indices[((y % height) * width) + (x % width)]];
  }
};

Colour AverageOf(const IndexedImage& image, int x0, int y0, int width, int height) {
  Colour sum{0, 0, 0};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto& c = image.colourAt(x0 + x, y0 + y);
      sum.red += c[0];
      sum.green += c[1];
      sum.blue += c[2];
    }
  }
  const double n = static_cast<double>(width) * height;
  return {sum.red / n, sum.green / n, sum.blue / n};
}

// Quantises the texture into the palette's levels and shifts the ramp until the tile's average
// colour is the catalogue's.
IndexedImage Colourise(const Field& field, const CatalogueEntry& entry, const Ramp& ramp) {
  std::vector<double> sorted = field.values();
  std::sort(sorted.begin(), sorted.end());
  const double low = sorted[sorted.size() / 500];
  const double high = sorted[sorted.size() - 1 - sorted.size() / 500];
  const int levels = entry.paletteSize;

  IndexedImage image{field.width(), field.height(), {}, {}};
  for (int y = 0; y < field.height(); ++y) {
    for (int x = 0; x < field.width(); ++x) {
      const double t = std::clamp((field.at(x, y) - low) / (high - low), 0.0, 1.0);
      image.indices.push_back(static_cast<std::uint8_t>(std::lround(t * (levels - 1))));
    }
  }
  const Colour target{double(entry.average.red), double(entry.average.green),
                      double(entry.average.blue)};
  Colour offset = target;
  for (int round = 0; round < 60; ++round) {
    image.palette.clear();
    for (int i = 0; i < levels; ++i) {
      const double value = low + (high - low) * i / (levels - 1);
      const Colour& slope = value < 0 ? ramp.dark : ramp.light;
      const auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
      };
      image.palette.push_back({channel(offset.red + value * slope.red),
                               channel(offset.green + value * slope.green),
                               channel(offset.blue + value * slope.blue)});
    }
    const Colour mean = AverageOf(image, 0, 0, image.width, image.height);
    offset.red += target.red - mean.red;
    offset.green += target.green - mean.green;
    offset.blue += target.blue - mean.blue;
  }
  return image;
}

bool WriteGif(const std::string& path, const IndexedImage& image, bool interlaced) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (!gif) {
    return false;
  }
  EGifSetGifVersion(gif, true);  // GIF89a
  std::vector<GifColorType> colours;
  for (const auto& c : image.palette) {
    colours.push_back({c[0], c[1], c[2]});
  }
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  bool ok =
      map && EGifPutScreenDesc(gif, image.width, image.height, map->BitsPerPixel, 0, map) == GIF_OK;
  ok = ok && EGifPutImageDesc(gif, 0, 0, image.width, image.height, interlaced, nullptr) == GIF_OK;
  // giflib writes rows as given: an interlaced image takes them in the four passes' order.
  std::vector<int> rows;
  if (interlaced) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      for (int y = start; y < image.height; y += step) {
        rows.push_back(y);
      }
    }
  } else {
    for (int y = 0; y < image.height; ++y) {
      rows.push_back(y);
    }
  }
  for (int y : rows) {
    std::vector<GifPixelType> line(image.indices.begin() + y * image.width,
                                   image.indices.begin() + (y + 1) * image.width);
    ok = ok && EGifPutLine(gif, line.data(), image.width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  return ok;
}

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The menu image: the 32 x 15 window of the tile (wrapping) whose average is nearest the tile's,
// as an uncompressed bottom-up BMP of 8 bits (the tile's palette) or 24 bits.
std::vector<std::uint8_t> MenuBmp(const IndexedImage& tile, int bitsPerPixel) {
  constexpr int kWidth = lumbo::kMenuImageWidth, kHeight = lumbo::kMenuImageHeight;
  const Colour whole = AverageOf(tile, 0, 0, tile.width, tile.height);
  int bestX = 0, bestY = 0;
  double bestError = 1e9;
  for (int y = 0; y < tile.height; ++y) {
    for (int x = 0; x < tile.width; ++x) {
      const Colour part = AverageOf(tile, x, y, kWidth, kHeight);
      const double error =
          std::max({std::fabs(part.red - whole.red), std::fabs(part.green - whole.green),
                    std::fabs(part.blue - whole.blue)});
      if (error < bestError) {
        bestError = error;
        bestX = x;
        bestY = y;
      }
    }
  }
  const int rowBytes = (kWidth * bitsPerPixel / 8 + 3) & ~3;
  const int paletteBytes = bitsPerPixel == 8 ? 256 * 4 : 0;
  const int offBits = 14 + 40 + paletteBytes;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, offBits + rowBytes * kHeight);
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, 40);
  Put32(out, kWidth);
  Put32(out, kHeight);
  Put16(out, 1);
  Put16(out, bitsPerPixel);
  Put32(out, 0);  // BI_RGB
  Put32(out, rowBytes * kHeight);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, bitsPerPixel == 8 ? 256 : 0);
  Put32(out, 0);
  if (bitsPerPixel == 8) {
    for (int i = 0; i < 256; ++i) {
      const auto c = i < static_cast<int>(tile.palette.size()) ? tile.palette[i]
                                                               : std::array<std::uint8_t, 3>{};
      out.insert(out.end(), {c[2], c[1], c[0], 0});
    }
  }
  for (int y = kHeight - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < kWidth; ++x) {
      const int tx = (bestX + x) % tile.width, ty = (bestY + y) % tile.height;
      if (bitsPerPixel == 8) {
        out.push_back(tile.indices[ty * tile.width + tx]);
      } else {
        const auto& c = tile.colourAt(tx, ty);
        out.insert(out.end(), {c[2], c[1], c[0]});
      }
    }
    out.resize(rowStart + rowBytes, 0);
  }
  return out;
}

std::string FileName(std::string_view imageName) {
  return std::string(imageName.substr(1));  // without the "~"
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagegen OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = true;
  for (std::size_t i = 0; i < lumbo::kCatalogue.size(); ++i) {
    const CatalogueEntry& entry = lumbo::kCatalogue[i];
    const Design& design = kDesigns[i];
    const Field field =
        design.texture(entry.tileWidth, entry.tileHeight, static_cast<std::uint32_t>(entry.number));
    const IndexedImage tile = Colourise(field, entry, RampOf(FamilyOf(entry), design.contrast));
    const std::string gif = folder + "/" + FileName(entry.wallPaper);
    const std::string bmp = folder + "/" + FileName(entry.menuImage);
    const std::vector<std::uint8_t> menu = MenuBmp(tile, entry.menuBitsPerPixel);
    std::ofstream(bmp, std::ios::binary)
        .write(reinterpret_cast<const char*>(menu.data()),
               static_cast<std::streamsize>(menu.size()));
    if (!WriteGif(gif, tile, entry.interlaced)) {
      std::fprintf(stderr, "imagegen: cannot write %s\n", gif.c_str());
      ok = false;
    }
    const Colour mean = AverageOf(tile, 0, 0, tile.width, tile.height);
    std::printf("%2d %-12s %3dx%-3d average %6.2f %6.2f %6.2f (wanted %d %d %d)\n", entry.number,
                FileName(entry.wallPaper).c_str(), tile.width, tile.height, mean.red, mean.green,
                mean.blue, entry.average.red, entry.average.green, entry.average.blue);
  }
  return ok ? 0 : 1;
}
