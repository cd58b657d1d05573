// Capture of a 1920 x 1080 client area to a BMP file against a floor measured in the same run:
// one BitBlt into a freshly created 32-bit DIB section plus one write of the same number of bytes
// to the same path. The first capture into a new file and a capture that overwrites one are
// measured apart, each alternating with its floor run by run. Prints medians and their ratios.
//   capture_bench.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "capture_floor.h"
#include "effects/bmp_layout.h"
#include "effects/capture.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

LRESULT CALLBACK PaintBands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  for (int band = 0; band < 64; ++band) {
    const RECT rect{band * kWidth / 64, 0, (band + 1) * kWidth / 64, kHeight};
    HBRUSH brush = CreateSolidBrush(RGB(band * 4, 255 - band * 4, band * 2));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  EndPaint(hwnd, &paint);
  return 0;
}

HWND OpenPaintedWindow() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = PaintBands;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "CaptureBench";
  RegisterClassA(&windowClass);
  HWND hwnd =
      CreateWindowExA(0, "CaptureBench", "Capture Bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth,
                      kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  UpdateWindow(hwnd);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageA(&message);
  }
  return hwnd;
}

double Milliseconds(const std::function<bool()>& run) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const bool ok = run();
  QueryPerformanceCounter(&end);
  if (!ok) {
    std::fprintf(stderr, "a run failed\n");
    std::exit(1);
  }
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
  HWND hwnd = OpenPaintedWindow();
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "capture_bench.bmp";
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  const DWORD fileSize = fx::bmp::LayoutOf(kWidth, kHeight, bits)->fileSize;

  const auto capture = [&] { return fx::CaptureToBmp(hwnd, fx::CaptureArea::Client, path); };
  const auto floor = [&] { return bench::CaptureFloor(hwnd, kWidth, kHeight, path, fileSize); };
  const auto intoNewFile = [&](const std::function<bool()>& run) {
    DeleteFileA(path.c_str());
    return Milliseconds(run);
  };
  capture();  // warm up: first use of the DCs and of the file
  std::vector<double> floorNew, captureNew, floorOver, captureOver;
  for (int run = 0; run < runs; ++run) {
    floorNew.push_back(intoNewFile(floor));
    captureNew.push_back(intoNewFile(capture));
    floorOver.push_back(Milliseconds(floor));
    captureOver.push_back(Milliseconds(capture));
  }
  DeleteFileA(path.c_str());
  DestroyWindow(hwnd);

  std::printf(
      "Capture of a %d x %d client area to BMP (%d bits per pixel, %lu bytes), screen "
      "%d x %d; median of %d runs\n",
      kWidth, kHeight, bits, fileSize, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
      runs);
  std::printf("  %-22s %10s %10s %8s\n", "", "floor", "capture", "ratio");
  const auto row = [](const char* what, const std::vector<double>& floorMs,
                      const std::vector<double>& captureMs) {
    std::printf("  %-22s %7.2f ms %7.2f ms %7.2fx\n", what, Median(floorMs), Median(captureMs),
                Median(captureMs) / Median(floorMs));
  };
  row("into a new file", floorNew, captureNew);
  row("overwriting a file", floorOver, captureOver);
  std::printf("  goal: at most 1.5x the floor\n");
  return 0;
}
