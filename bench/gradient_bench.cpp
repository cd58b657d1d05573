// The whole GradientFill on a 1920 x 1080 client area (paint the bands, save them, load them as
// the wallpaper, repaint the window with it) and each of its stages, against floors measured in
// the same run: one FillRect of the client area, the capture floor (one BitBlt into a DIB section
// and one write of a file of the BMP's size), and one paint of a bitmap already loaded. Runs and
// floors alternate; prints medians, each stage's share and the ratio to the sum of the floors.
//   gradient_bench.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "capture_floor.h"
#include "launch_timing.h"
#include "effects/gradient.h"
#include "effects/window_effects.h"
#include "runtime/handles.h"
#include "runtime/image.h"
#include "runtime/runtime.h"
#include "runtime/window.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0x0000FF;

constexpr rt::WindowDefinition kBenchWindow{.name = "bench$gradient",
                                            .label = "P1$WINDOW",
                                            .title = "Gradient Bench",
                                            .width = 200,
                                            .height = 100,
                                            .gray = true};

double Milliseconds(const std::function<void()>& run) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  run();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

// Lets the window's pending paints happen and its surface reach the screen, outside the timing.
void Settle() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageA(&message);
  }
}

// Places the window so that its client area is exactly the screen's 1920 x 1080 pixels.
void CoverTheScreen(rt::Window& window) {
  window.setPixels(true);
  window.setSize(kWidth, kHeight);
  POINT origin{};
  ClientToScreen(window.handle(), &origin);
  RECT outer{};
  GetWindowRect(window.handle(), &outer);
  SetWindowPos(window.handle(), HWND_TOP, outer.left - origin.x, outer.top - origin.y, 0, 0,
               SWP_NOSIZE);
  Settle();
}

using bench::Median;

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  rt::Start();
  fx::WindowEffects effects;
  rt::Window window(kBenchWindow);
  window.nextEvent();
  CoverTheScreen(window);
  HWND hwnd = window.handle();
  const RECT client{0, 0, kWidth, kHeight};

  // The floors' own material, made once: a brush, and a bitmap loaded before any timing.
  effects.GradientFill(1, kWhite, kRed);
  Settle();
  const rt::GdiObject brush(CreateSolidBrush(RGB(255, 0, 0)));
  const rt::GdiObject loaded = rt::LoadNamedImage(effects.GRADIENTFILE);
  const std::string floorFile = std::string(effects.GRADIENTFILE) + ".floor";
  WIN32_FILE_ATTRIBUTE_DATA saved{};
  GetFileAttributesExA(effects.GRADIENTFILE, GetFileExInfoStandard, &saved);
  const DWORD fileSize = saved.nFileSizeLow;

  const auto fillFloor = [&] {
    const rt::WindowDc dc(hwnd);
    FillRect(dc.get(), &client, static_cast<HBRUSH>(brush.get()));
  };
  const auto captureFloor = [&] {
    bench::CaptureFloor(hwnd, kWidth, kHeight, floorFile, fileSize);
  };
  const auto bitmapFloor = [&] {
    const rt::WindowDc dc(hwnd);
    const rt::MemoryDc source(CreateCompatibleDC(dc.get()));
    const rt::SelectedObject selected(source.get(), loaded.get());
    BitBlt(dc.get(), 0, 0, kWidth, kHeight, source.get(), 0, 0, SRCCOPY);
  };
  const auto whole = [&] {
    effects.GradientFill(1, kWhite, kRed);
    UpdateWindow(hwnd);
  };

  std::vector<double> fills, captures, bitmaps, wholes, paints, saves, wallPapers, repaints;
  for (int run = 0; run < runs; ++run) {
    fills.push_back(Milliseconds(fillFloor));
    captures.push_back(Milliseconds(captureFloor));
    bitmaps.push_back(Milliseconds(bitmapFloor));
    Settle();
    wholes.push_back(Milliseconds(whole));
    Settle();
    // The same work stage by stage.
    paints.push_back(Milliseconds([&] {
      fx::PaintGradient(
          hwnd,
          {.style = 1, .fromColor = kWhite, .toColor = kRed, .width = kWidth, .height = kHeight});
    }));
    saves.push_back(Milliseconds([&] { effects.SaveClientImage(); }));
    wallPapers.push_back(Milliseconds([&] { window.setWallPaper(effects.GRADIENTFILE); }));
    repaints.push_back(Milliseconds([&] { UpdateWindow(hwnd); }));
    Settle();
  }
  DeleteFileA(floorFile.c_str());

  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  std::printf(
      "GradientFill over a %d x %d client area (%d bits per pixel, %lu-byte file), "
      "screen %d x %d; median of %d runs\n",
      kWidth, kHeight, bits, fileSize, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
      runs);
  const double stages = Median(paints) + Median(saves) + Median(wallPapers) + Median(repaints);
  const auto stage = [&](const char* what, const std::vector<double>& times) {
    std::printf("  %-30s %8.2f ms %5.1f%%\n", what, Median(times), 100 * Median(times) / stages);
  };
  stage("paint 256 bands", paints);
  stage("save (SaveClientImage)", saves);
  stage("load as wallpaper", wallPapers);
  stage("repaint with the wallpaper", repaints);
  const auto floor = [](const char* what, const std::vector<double>& times) {
    std::printf("  %-30s %8.2f ms\n", what, Median(times));
  };
  floor("floor: one FillRect", fills);
  floor("floor: capture (BitBlt + write)", captures);
  floor("floor: paint a loaded bitmap", bitmaps);
  const double floors = Median(fills) + Median(captures) + Median(bitmaps);
  std::printf("  %-30s %8.2f ms\n", "sum of the floors", floors);
  std::printf("  %-30s %8.2f ms %6.2fx the floors\n", "whole GradientFill + repaint",
              Median(wholes), Median(wholes) / floors);
  std::printf("  goal: at most 3x the sum of the floors\n");
  return 0;
}
