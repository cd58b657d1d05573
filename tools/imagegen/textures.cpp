#include "textures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace imagegen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

int Wrap(int value, int period) {
  const int r = value % period;
  return r < 0 ? r + period : r;
}

double WrapDistance(double delta, int period) {
  delta = std::fmod(std::fabs(delta), period);
  return std::min(delta, period - delta);
}

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u ^ a * 0x85EBCA77u ^ b * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

double Fade(double t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

double Corner(std::uint32_t seed, int ix, int iy, double dx, double dy) {
  const double angle = Hash(ix, iy, seed) / 4294967296.0 * kTau;
  return std::cos(angle) * dx + std::sin(angle) * dy;
}

// Normalises a field to mean 0 and standard deviation 1.
void Normalise(Field& field) {
  const auto& v = field.values();
  double mean = 0;
  for (double x : v) {
    mean += x;
  }
  mean /= v.size();
  double variance = 0;
  for (double x : v) {
    variance += (x - mean) * (x - mean);
  }
  const double deviation = std::sqrt(variance / v.size());
  for (int y = 0; y < field.height(); ++y) {
    for (int x = 0; x < field.width(); ++x) {
      field.at(x, y) = deviation > 0 ? (field.at(x, y) - mean) / deviation : 0;
    }
  }
}

template <typename Function>
Field Fill(int width, int height, Function value) {
  Field field(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      field.at(x, y) = value(x, y);
    }
  }
  Normalise(field);
  return field;
}

// Adds thin strokes of `strength` along random short curves, wrapping at the edges.
void AddFibres(Field& field, Random& random, int count, double minLength, double maxLength,
               double strength) {
  for (int i = 0; i < count; ++i) {
    double x = random.between(0, field.width());
    double y = random.between(0, field.height());
    double angle = random.between(0, kTau);
    const double length = random.between(minLength, maxLength);
    const double sign = random.uniform() < 0.7 ? 1.0 : -1.0;
    for (double s = 0; s < length; s += 0.5) {
      angle += random.between(-0.08, 0.08);
      x += 0.5 * std::cos(angle);
      y += 0.5 * std::sin(angle);
      const double fade = std::sin(std::numbers::pi * s / length);
      field.at(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))) +=
          sign * strength * fade * 0.5;
    }
  }
}

}  // namespace

double& Field::at(int x, int y) {
  return values_[Wrap(y, height_) * width_ + Wrap(x, width_)];
}

double Field::at(int x, int y) const {
  return values_[Wrap(y, height_) * width_ + Wrap(x, width_)];
}

std::uint32_t Random::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

double Random::uniform() {
  return next() / 4294967296.0;
}

double PeriodicNoise(std::uint32_t seed, double x, double y, int width, int height, int cellsX,
                     int cellsY) {
  const double u = x / width * cellsX;
  const double v = y / height * cellsY;
  const int ix = static_cast<int>(std::floor(u));
  const int iy = static_cast<int>(std::floor(v));
  const double fx = u - ix;
  const double fy = v - iy;
  const int x0 = Wrap(ix, cellsX), x1 = Wrap(ix + 1, cellsX);
  const int y0 = Wrap(iy, cellsY), y1 = Wrap(iy + 1, cellsY);
  const double a = Corner(seed, x0, y0, fx, fy);
  const double b = Corner(seed, x1, y0, fx - 1, fy);
  const double c = Corner(seed, x0, y1, fx, fy - 1);
  const double d = Corner(seed, x1, y1, fx - 1, fy - 1);
  const double sx = Fade(fx), sy = Fade(fy);
  return (a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy) * 1.4;
}

double Fbm(std::uint32_t seed, double x, double y, int width, int height, double cellPixels,
           int octaves, double gain) {
  int cellsX = std::max(1, static_cast<int>(std::lround(width / cellPixels)));
  int cellsY = std::max(1, static_cast<int>(std::lround(height / cellPixels)));
  double sum = 0, amplitude = 1, total = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    sum += amplitude * PeriodicNoise(seed + octave * 101u, x, y, width, height, cellsX, cellsY);
    total += amplitude;
    amplitude *= gain;
    cellsX *= 2;
    cellsY *= 2;
  }
  return sum / total;
}

std::vector<Point> ScatterPoints(Random& random, int count, int width, int height) {
  std::vector<Point> points;
  for (int i = 0; i < count; ++i) {
    points.push_back({random.between(0, width), random.between(0, height)});
  }
  return points;
}

Cell NearestPoints(const std::vector<Point>& points, double x, double y, int width, int height) {
  Cell cell{1e9, 1e9, 0};
  for (int i = 0; i < static_cast<int>(points.size()); ++i) {
    const double dx = WrapDistance(points[i].x - x, width);
    const double dy = WrapDistance(points[i].y - y, height);
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d < cell.nearest) {
      cell.second = cell.nearest;
      cell.nearest = d;
      cell.index = i;
    } else if (d < cell.second) {
      cell.second = d;
    }
  }
  return cell;
}

Field Paper(int width, int height, std::uint32_t seed) {
  Field field = Fill(width, height, [&](int x, int y) {
    return 0.3 * Fbm(seed, x, y, width, height, 48, 5, 0.55) +
           0.25 * Fbm(seed + 7, x, y, width, height, 6, 2);
  });
  Random random(seed);
  AddFibres(field, random, width * height / 40, 6, 22, 1.4);
  Normalise(field);
  return field;
}

Field CloudyMarble(int width, int height, std::uint32_t seed) {
  return Fill(width, height, [&](int x, int y) {
    const double turbulence = Fbm(seed, x, y, width, height, 40, 3);
    const double band = std::sin(kTau * (x / double(width) + y / double(height)) + 5 * turbulence);
    const double cloud = Fbm(seed + 3, x, y, width, height, 60, 4);
    return 0.55 * cloud - 0.35 * std::pow(1 - std::fabs(band), 4);
  });
}

Field VeinedMarble(int width, int height, std::uint32_t seed) {
  return Fill(width, height, [&](int x, int y) {
    const double turbulence = Fbm(seed, x, y, width, height, 40, 4, 0.5);
    const double vein =
        std::sin(kTau * (x / double(width) + 2 * y / double(height)) + 5 * turbulence);
    const double fine = Fbm(seed + 9, x, y, width, height, 8, 2);
    const double cloud = Fbm(seed + 4, x, y, width, height, 60, 3);
    return 0.5 * cloud + 0.1 * fine - 0.7 * std::pow(1 - std::fabs(vein), 6) +
           0.3 * std::pow(1 - std::fabs(vein), 2);
  });
}

Field Weave(int width, int height, std::uint32_t seed) {
  constexpr int kThread = 4;
  Random random(seed);
  std::vector<double> rows(height / kThread), columns(width / kThread);
  for (double& r : rows) {
    r = random.between(-0.35, 0.35);
  }
  for (double& c : columns) {
    c = random.between(-0.35, 0.35);
  }
  return Fill(width, height, [&](int x, int y) {
    const int i = x / kThread, j = y / kThread;
    const double fx = (x % kThread + 0.5) / kThread, fy = (y % kThread + 0.5) / kThread;
    const bool horizontalOnTop = (i + j) % 2 == 0;
    const double across = horizontalOnTop ? fy : fx;  // position across the top thread
    const double along = horizontalOnTop ? fx : fy;   // and along it
    const double shade = horizontalOnTop ? rows[j] : columns[i];
    const double round = std::sin(std::numbers::pi * across);
    const double dip = 0.75 + 0.25 * std::sin(std::numbers::pi * along);
    const double fuzz = 0.15 * Fbm(seed + 1, x, y, width, height, 4, 2);
    return round * dip + shade + fuzz + (horizontalOnTop ? 0.08 : -0.08);
  });
}

Field Pebbles(int width, int height, std::uint32_t seed) {
  Random random(seed);
  const std::vector<Point> points = ScatterPoints(random, width * height / 220, width, height);
  std::vector<double> shades(points.size());
  for (double& s : shades) {
    s = random.between(-0.4, 0.4);
  }
  return Fill(width, height, [&](int x, int y) {
    const Cell cell = NearestPoints(points, x + 0.5, y + 0.5, width, height);
    const double edge = cell.second - cell.nearest;
    const double mortar = edge < 2.0 ? -1.4 + edge * 0.5 : 0;
    // Pebbles are rounded: brighter in the middle, darker towards their rims.
    const double ratio = cell.nearest / cell.second;
    const double dome = 0.5 * std::sqrt(std::max(0.0, 1 - ratio * ratio));
    const double grain = 0.25 * Fbm(seed + 5, x, y, width, height, 5, 2);
    return shades[cell.index] + mortar + dome + grain;
  });
}

Field Linen(int width, int height, std::uint32_t seed) {
  Random random(seed);
  std::vector<double> rows(height), columns(width);
  for (double& r : rows) {
    r = random.between(-1, 1);
  }
  for (double& c : columns) {
    c = random.between(-1, 1);
  }
  return Fill(width, height, [&](int x, int y) {
    // Slubs: each thread thickens and thins slowly along its length.
    const double slubX = PeriodicNoise(seed + 2, x, y, width, height, width / 10, height);
    const double slubY = PeriodicNoise(seed + 3, x, y, width, height, width, height / 10);
    const double weft = rows[y] * (0.6 + 0.4 * slubX);
    const double warp = columns[x] * (0.6 + 0.4 * slubY);
    const double checker = ((x + y) % 2 == 0) ? 0.25 : -0.25;
    return weft + warp + checker;
  });
}

Field Stucco(int width, int height, std::uint32_t seed) {
  Field heightField(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double ridged = 1 - std::fabs(Fbm(seed, x, y, width, height, 20, 5, 0.5));
      heightField.at(x, y) = ridged * ridged;
    }
  }
  // Light from the upper left over the plaster's relief.
  return Fill(width, height, [&](int x, int y) {
    const double dx = heightField.at(x + 1, y) - heightField.at(x - 1, y);
    const double dy = heightField.at(x, y + 1) - heightField.at(x, y - 1);
    return -(dx + dy) * 4 + 0.3 * heightField.at(x, y);
  });
}

Field Terrazzo(int width, int height, std::uint32_t seed) {
  Random random(seed);
  const std::vector<Point> chips = ScatterPoints(random, width * height / 90, width, height);
  std::vector<double> shades(chips.size()), sizes(chips.size());
  for (std::size_t i = 0; i < chips.size(); ++i) {
    shades[i] = random.uniform() < 0.5 ? random.between(-3.2, -1.5) : random.between(0.8, 1.6);
    sizes[i] = random.between(0.8, 2.4);
  }
  return Fill(width, height, [&](int x, int y) {
    const Cell cell = NearestPoints(chips, x + 0.5, y + 0.5, width, height);
    const double ground = 0.35 * Fbm(seed + 8, x, y, width, height, 26, 3);
    return cell.nearest < sizes[cell.index] ? shades[cell.index] : ground;
  });
}

Field Parchment(int width, int height, std::uint32_t seed) {
  Field field = Fill(width, height, [&](int x, int y) {
    const double blotch = Fbm(seed, x, y, width, height, 72, 5, 0.6);
    const double stain = std::max(0.0, Fbm(seed + 11, x, y, width, height, 48, 3) - 0.25);
    const double grain = Fbm(seed + 12, x, y, width, height, 3, 1);
    return blotch - 1.5 * stain + 0.12 * grain;
  });
  Random random(seed);
  AddFibres(field, random, width * height / 200, 8, 30, 0.6);
  Normalise(field);
  return field;
}

}  // namespace imagegen
