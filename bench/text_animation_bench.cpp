// Cost of the text animation on a real window, against a floor measured in the same process:
//   text_animation_bench.exe [RUNS]
// A full default run (137 frames with a pause of 5 ms) against 137 pauses of Sleep(5) alone, and
// one frame with no pause. Runs and floors alternate; prints medians and the ratio, judges nothing.
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "effects/text_animation.h"

namespace {

constexpr int kFrames = 137;  // start 128, stop -1

double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double TimedRun(HWND window, const LOGFONTA& font, std::int32_t delay) {
  const double start = NowMs();
  fx::AnimateText(window, font,
                  {.text = "Letters in motion",
                   .x = 10,
                   .y = 10,
                   .startSpacing = 128,
                   .stopSpacing = -1,
                   .textColor = RGB(0, 0, 128),
                   .delay = delay});
  return NowMs() - start;
}

// kFrames pauses of Sleep(5), at the timer resolution the animation itself asks for.
double TimedPauses() {
  timeBeginPeriod(1);
  const double start = NowMs();
  for (int frame = 0; frame < kFrames; ++frame) {
    Sleep(5);
  }
  const double elapsed = NowMs() - start;
  timeEndPeriod(1);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 500, 120, nullptr,
                                nullptr, nullptr, nullptr);
  if (!window) {
    std::fprintf(stderr, "cannot create a window\n");
    return 1;
  }
  UpdateWindow(window);
  LOGFONTA font{};
  font.lfHeight = -24;
  font.lfWeight = FW_BOLD;
  font.lfUnderline = TRUE;
  lstrcpyA(font.lfFaceName, "Verdana");

  TimedRun(window, font, 0);  // warms up the font and the window surface; not counted
  std::vector<double> full, pauses, quick;
  for (int run = 0; run < runs; ++run) {
    full.push_back(TimedRun(window, font, 5));
    pauses.push_back(TimedPauses());
    quick.push_back(TimedRun(window, font, 0));
  }
  DestroyWindow(window);

  const double fullMs = Median(full);
  const double floorMs = Median(pauses);
  std::printf("Text animation, %d frames, medians of %d runs:\n", kFrames, runs);
  std::printf("  full run, delay 5        %8.1f ms\n", fullMs);
  std::printf("  %d x Sleep(5) alone     %8.1f ms  (%.2f ms each)\n", kFrames, floorMs,
              floorMs / kFrames);
  std::printf("  ratio run / floor        %8.3f  (goal: at most 1.1)\n", fullMs / floorMs);
  std::printf("  one frame, delay 0       %8.1f us\n", Median(quick) * 1000.0 / kFrames);
  return 0;
}
