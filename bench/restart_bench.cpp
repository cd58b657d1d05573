// The background demo's restart against two bare launches of a floor program, in the same run:
//   restart_bench.exe PATH\lumboABC.exe FLOOR-PROGRAM FLOOR-TITLE [RUNS]
// A run chooses a background in a running lumboABC (the next catalogue entry each time) and
// measures from that choice until the new process's frame has painted its wallpaper; the floor is
// two launches of FLOOR-PROGRAM one after the other, each until its window has painted. Runs
// alternate; prints medians and their ratio, and judges nothing.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "launch_timing.h"

namespace {

constexpr char kFrameTitle[] = "Application";

// Menu field of catalogue entry n in lumboABC's Background menu, as the frame numbers them.
constexpr int MenuCommandOfEntry(int n) {
  return 0x7000 + 16 + n;
}

struct Frame {
  HWND window = nullptr;
  HANDLE process = nullptr;
};

struct Search {
  DWORD otherThan;
  HWND found = nullptr;
};

BOOL CALLBACK MatchFrame(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->otherThan && IsWindowVisible(window) && probe::TitleIs(window, kFrameTitle)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The visible lumboABC frame of a process other than `otherThan`, waiting for it to paint.
Frame WaitForFrame(DWORD otherThan) {
  const uint64_t deadline = probe::NowMs() + bench::kTimeoutMs;
  Search search{otherThan};
  while (!search.found && probe::NowMs() < deadline) {
    EnumWindows(MatchFrame, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
      Sleep(1);
    }
  }
  if (!search.found || !probe::WaitUntilPainted(search.found, bench::kTimeoutMs)) {
    return {};
  }
  DWORD pid = 0;
  GetWindowThreadProcessId(search.found, &pid);
  return {search.found, OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid)};
}

void Close(const Frame& frame) {
  PostMessageA(frame.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(frame.process, bench::kTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(frame.process, 1);
    WaitForSingleObject(frame.process, bench::kTimeoutMs);
  }
  CloseHandle(frame.process);
}

// Starts lumboABC from its folder and waits until its frame has painted (not timed).
Frame StartLumbo(const std::string& exe, const std::string& folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    return {};
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return WaitForFrame(0);
}

// One restart: milliseconds from choosing entry `entry` until the new frame has painted.
double RestartOnce(const std::string& exe, const std::string& folder, int entry) {
  const Frame first = StartLumbo(exe, folder);
  if (!first.window) {
    std::fprintf(stderr, "lumboABC did not show its frame\n");
    return -1;
  }
  DWORD firstPid = 0;
  GetWindowThreadProcessId(first.window, &firstPid);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  PostMessageA(first.window, WM_COMMAND, MenuCommandOfEntry(entry), 0);
  const Frame next = WaitForFrame(firstPid);
  LARGE_INTEGER end;
  QueryPerformanceCounter(&end);
  WaitForSingleObject(first.process, bench::kTimeoutMs);
  CloseHandle(first.process);
  if (!next.window) {
    std::fprintf(stderr, "no new lumboABC frame after the choice\n");
    return -1;
  }
  Close(next);
  return bench::Seconds(start, end) * 1000.0;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: restart_bench.exe PATH\\lumboABC.exe FLOOR-PROGRAM FLOOR-TITLE "
                 "[RUNS]\n");
    return 2;
  }
  const std::string exe = argv[1];
  const std::string folder = FolderOf(exe);
  bench::Program restart{exe, "restart with a new background", {}};
  bench::Program floor{argv[2], argv[3], {}};
  bench::Program twoLaunches{argv[2], "two launches of " + floor.title, {}};
  const int runs = argc == 5 ? std::max(1, std::atoi(argv[4])) : 9;

  // A first round pays for loading the programs' pages and Wine's DLLs; it is not counted.
  RestartOnce(exe, folder, 1);
  bench::LaunchOnce(floor);
  for (int run = 0; run < runs; ++run) {
    const double ms = RestartOnce(exe, folder, run % 21 + 1);
    if (ms >= 0) {
      restart.ms.push_back(ms);
    }
    const double a = bench::LaunchOnce(floor);
    const double b = bench::LaunchOnce(floor);
    if (a >= 0 && b >= 0) {
      twoLaunches.ms.push_back(a + b);
    }
  }
  std::printf("Restart with a new background, %d runs, alternating with the floor:\n", runs);
  bench::Report(restart);
  bench::Report(twoLaunches);
  if (!restart.ms.empty() && !twoLaunches.ms.empty()) {
    std::printf("ratio restart / two bare launches (medians): %.2f\n",
                bench::Median(restart.ms) / bench::Median(twoLaunches.ms));
  }
  return 0;
}
