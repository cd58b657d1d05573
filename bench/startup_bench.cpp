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

#include "window_probe.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

struct Program {
  std::string exe;
  std::string title;
  std::vector<double> ms;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

// One launch; returns the milliseconds until the window had painted, or a negative value.
double LaunchOnce(const Program& program) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + program.exe + "\"";
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(program.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", program.exe.c_str(), GetLastError());
    return -1;
  }
  double ms = -1;
  HWND hwnd = probe::WaitForWindow(process.dwProcessId, program.title, kTimeoutMs);
  if (hwnd && probe::WaitUntilPainted(hwnd, kTimeoutMs)) {
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    ms = Seconds(start, end) * 1000.0;
  } else {
    std::fprintf(stderr, "%s: window \"%s\" did not appear and paint\n", program.exe.c_str(),
                 program.title.c_str());
  }
  if (hwnd) {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "%s did not end; terminating it\n", program.exe.c_str());
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kTimeoutMs);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ms;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const Program& program) {
  if (program.ms.empty()) {
    std::printf("%-40s no successful run\n", program.title.c_str());
    return;
  }
  const auto [lo, hi] = std::minmax_element(program.ms.begin(), program.ms.end());
  std::printf("%-40s median %8.1f ms   min %8.1f ms   max %8.1f ms   (%zu runs)\n",
              program.title.c_str(), Median(program.ms), *lo, *hi, program.ms.size());
}

}  // namespace

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
