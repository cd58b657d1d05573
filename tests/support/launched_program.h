#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/temporary_folder.h"

namespace test {

// A file laid beside the program's copy before it starts: a name and its contents.
using LaidFile = std::pair<std::string, std::string>;

// A copy of a program started in a fresh temporary folder, as a user would start it.
// The destructor ends the process if it still runs and removes the folder with all it holds.
class LaunchedProgram {
 public:
  // `files` are written into the folder first, so the program finds them as it starts.
  explicit LaunchedProgram(const std::string& executable, const std::vector<LaidFile>& files = {});
  LaunchedProgram(const LaunchedProgram&) = delete;
  LaunchedProgram& operator=(const LaunchedProgram&) = delete;
  ~LaunchedProgram();

  const std::string& folder() const { return folder_.path(); }
  DWORD processId() const { return process_.dwProcessId; }
  // The program's visible top-level window with this title, waiting up to `timeoutMs` for it
  // (a first launch on a cold, busy machine can take many seconds).
  HWND findWindow(const char* title, DWORD timeoutMs = 30000) const;
  // Whether the process ended within `timeoutMs`.
  bool waitForExit(DWORD timeoutMs) const;
  // The code the process ended with; STILL_ACTIVE while it runs.
  DWORD exitCode() const;
  void kill() const;

 private:
  TemporaryFolder folder_;  // removed after the process has ended
  PROCESS_INFORMATION process_{};
};

// The text a window shows, read across processes without blocking on a busy program.
std::string WindowText(HWND window);

// Types keys into the foreground window: virtual-key codes, with Alt or Ctrl held around one.
void PressAltAnd(WORD altKey);
void PressCtrlAnd(WORD key);
void PressKey(WORD key);
// Makes a window of another process the foreground window so that it takes the keys.
bool BringToFront(HWND window);

}  // namespace test
