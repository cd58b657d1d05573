// Launch timing shared by the benchmarks: start a program, wait until its window titled as given
// has painted, close it; medians and reports of the milliseconds measured.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "window_probe.h"

namespace bench {

inline constexpr DWORD kTimeoutMs = 30000;

struct Program {
  std::string exe;
  std::string title;
  std::vector<double> ms;
};

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

// One launch; returns the milliseconds until the window had painted, or a negative value.
inline double LaunchOnce(const Program& program) {
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

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline void Report(const Program& program) {
  if (program.ms.empty()) {
    std::printf("%-40s no successful run\n", program.title.c_str());
    return;
  }
  const auto [lo, hi] = std::minmax_element(program.ms.begin(), program.ms.end());
  std::printf("%-40s median %8.1f ms   min %8.1f ms   max %8.1f ms   (%zu runs)\n",
              program.title.c_str(), Median(program.ms), *lo, *hi, program.ms.size());
}

}  // namespace bench
