// Seamless procedural textures: every field here repeats exactly with the tile, so a tile laid
// edge to edge shows no seam. Values are unitless; the colouring maps them to the palette.
#pragma once

#include <cstdint>
#include <vector>

namespace imagegen {

// A field of values over a tile, indexed with wrap-around.
class Field {
 public:
  Field(int width, int height) : width_(width), height_(height), values_(width * height, 0.0) {}
  int width() const { return width_; }
  int height() const { return height_; }
  double& at(int x, int y);
  double at(int x, int y) const;
  const std::vector<double>& values() const { return values_; }

 private:
  int width_;
  int height_;
  std::vector<double> values_;
};

// A small deterministic random source, so the committed images can be made again exactly.
class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  std::uint32_t next();
  double uniform();  // [0, 1)
  double between(double low, double high) { return low + (high - low) * uniform(); }

 private:
  std::uint32_t state_;
};

// Gradient noise repeating every `cellsX` x `cellsY` lattice cells, sampled at tile pixels.
double PeriodicNoise(std::uint32_t seed, double x, double y, int width, int height, int cellsX,
                     int cellsY);
// Octaves of PeriodicNoise, each twice as fine and `gain` times as strong; about -1..1.
double Fbm(std::uint32_t seed, double x, double y, int width, int height, double cellPixels,
           int octaves, double gain = 0.5);

// Distances from a point to the nearest and second-nearest of `points` (wrapping), and the index
// of the nearest.
struct Cell {
  double nearest;
  double second;
  int index;
};
struct Point {
  double x;
  double y;
};
Cell NearestPoints(const std::vector<Point>& points, double x, double y, int width, int height);
std::vector<Point> ScatterPoints(Random& random, int count, int width, int height);

// The textures, each over a tile of the given size.
Field Paper(int width, int height, std::uint32_t seed);
Field CloudyMarble(int width, int height, std::uint32_t seed);
Field VeinedMarble(int width, int height, std::uint32_t seed);
Field Weave(int width, int height, std::uint32_t seed);
Field Pebbles(int width, int height, std::uint32_t seed);
Field Linen(int width, int height, std::uint32_t seed);
Field Stucco(int width, int height, std::uint32_t seed);
Field Terrazzo(int width, int height, std::uint32_t seed);
Field Parchment(int width, int height, std::uint32_t seed);

}  // namespace imagegen
