// Start-up time of a GUI program against a floor program measured in the same run:
//   startup_bench.exe PROGRAM TITLE FLOOR-PROGRAM FLOOR-TITLE [RUNS]
// Each run launches the program and measures from CreateProcess until its top-level window titled
// TITLE is visible and has painted (see probe::HasPainted), then closes it and waits for it to end.
// The two programs alternate run by run, so drift in the machine's load touches both alike. Prints
// median, minimum and maximum of each and the ratio of the medians; it judges nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launch_timing.h"

using bench::LaunchOnce;
using bench::Median;
using bench::Program;
using bench::Report;

int main(int argc, char** argv) {
  if (argc != 5 && argc != 6) {
    std::fprintf(stderr,
                 "usage: startup_bench.exe PROGRAM TITLE FLOOR-PROGRAM FLOOR-TITLE [RUNS]\n");
    return 2;
  }
  Program measured{argv[1], argv[2], {}};
  Program baseline{argv[3], argv[4], {}};
  const int runs = argc == 6 ? std::max(1, std::atoi(argv[5])) : 15;

  // A first launch pays for loading the programs' pages and Wine's DLLs; it is not counted.
  LaunchOnce(measured);
  LaunchOnce(baseline);
  for (int run = 0; run < runs; ++run) {
    for (Program* program : {&measured, &baseline}) {
      const double ms = LaunchOnce(*program);
      if (ms >= 0) {
        program->ms.push_back(ms);
      }
    }
  }
  std::printf("Start-up until the window has painted, %d runs each, alternating:\n", runs);
  Report(measured);
  Report(baseline);
  if (!measured.ms.empty() && !baseline.ms.empty()) {
    std::printf("ratio %s / %s (medians): %.2f\n", measured.title.c_str(), baseline.title.c_str(),
                Median(measured.ms) / Median(baseline.ms));
  }
  return 0;
}
