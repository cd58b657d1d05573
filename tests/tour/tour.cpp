// Screenshot tour of the effects demo: starts tirval.exe in a temporary folder, opens its windows
// one after the other as a user would, and saves each as a BMP.
//   tour.exe PATH\tirval.exe OUTPUT-FOLDER
// Exit code 0 when every screenshot was written and tirval closed by itself.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>

#include "window_probe.h"

namespace {

// Command id of the menu entry with field number `field` (negative), as tirval gives it.
constexpr int MenuCommandId(int field) { return 0x7000 - field; }

constexpr char kFrameTitle[] = "Animation Effects Demo";

enum class Close {
  kLeaveOpen,    // the frame: closed once the tour is over
  kWmClose,      // posted to the captured window, as its close box does
  kCloseButton,  // a click on its child button titled "Close"
};

struct Step {
  const char* output;  // file name in the output folder
  int openCommand;     // WM_COMMAND posted to the frame to open the window; 0: nothing to open
  const char* title;   // title of the window to capture
  Close close;
};

// One row per window shown, in order. A demo window's row looks like
//   {"02-gradient.bmp", MenuCommandId(-17), "Gradient Demo", Close::kWmClose},
constexpr Step kSteps[] = {
    {"01-frame.bmp", 0, kFrameTitle, Close::kLeaveOpen},
};

// Launching Wine programs on a cold server takes seconds; a hung program should still end the
// tour in bounded time.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kWindowTimeoutMs = 15000;

std::string Join(const std::string& folder, const std::string& name) {
  return folder.empty() || folder.back() == '\\' || folder.back() == '/' ? folder + name
                                                                          : folder + "\\" + name;
}

std::string MakeTempFolder() {
  char base[MAX_PATH];
  if (!GetTempPathA(MAX_PATH, base)) {
    return {};
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string folder = Join(base, "tour-" + std::to_string(GetCurrentProcessId()) + "-" +
                                              std::to_string(GetTickCount() + attempt));
    if (CreateDirectoryA(folder.c_str(), nullptr)) {
      return folder;
    }
  }
  return {};
}

// Deletes a folder and everything in it.
bool RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA(Join(folder, "*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") {
        continue;
      }
      const std::string path = Join(folder, name);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  return RemoveDirectoryA(folder.c_str()) != 0;
}

BOOL CALLBACK ClickCloseButton(HWND child, LPARAM clicked) {
  char text[64] = {};
  GetWindowTextA(child, text, sizeof text);
  const std::string title = text;
  if (title == "Close" || title == "&Close") {
    PostMessageA(child, BM_CLICK, 0, 0);
    *reinterpret_cast<bool*>(clicked) = true;
    return FALSE;
  }
  return TRUE;
}

bool CloseCaptured(HWND hwnd, Close how) {
  switch (how) {
    case Close::kLeaveOpen:
      return true;
    case Close::kWmClose:
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
      break;
    case Close::kCloseButton: {
      bool clicked = false;
      EnumChildWindows(hwnd, ClickCloseButton, reinterpret_cast<LPARAM>(&clicked));
      if (!clicked) {
        std::fprintf(stderr, "tour: no Close button found\n");
        return false;
      }
      break;
    }
  }
  return probe::WaitUntilGone(hwnd, kWindowTimeoutMs);
}

class Tour {
 public:
  Tour(HANDLE process, DWORD pid, std::string output)
      : process_(process), pid_(pid), output_(std::move(output)) {}

  bool Run() {
    frame_ = probe::WaitForWindow(process_, pid_, kFrameTitle, kStartTimeoutMs);
    if (!frame_) {
      std::fprintf(stderr, "tour: no window \"%s\" appeared\n", kFrameTitle);
      return false;
    }
    bool ok = true;
    for (const Step& step : kSteps) {
      ok = Take(step) && ok;
    }
    return ok;
  }

  HWND frame() const { return frame_; }

 private:
  bool Take(const Step& step) {
    if (!probe::WaitUntilPainted(frame_, kWindowTimeoutMs)) {
      std::fprintf(stderr, "tour: %s: the frame did not paint\n", step.output);
      return false;
    }
    if (step.openCommand != 0) {
      PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(step.openCommand, 0), 0);
    }
    HWND window = probe::WaitForWindow(process_, pid_, step.title, kWindowTimeoutMs);
    if (!window) {
      std::fprintf(stderr, "tour: %s: no window \"%s\" appeared\n", step.output, step.title);
      return false;
    }
    if (!probe::WaitUntilPainted(window, kWindowTimeoutMs)) {
      std::fprintf(stderr, "tour: %s: \"%s\" did not paint\n", step.output, step.title);
      return false;
    }
    probe::Image image;
    const std::string path = Join(output_, step.output);
    if (!probe::CaptureWindow(window, image) || !probe::WriteBmp(path, image)) {
      std::fprintf(stderr, "tour: %s: capture failed\n", step.output);
      return false;
    }
    std::printf("%s (%dx%d)\n", path.c_str(), image.width, image.height);
    if (!CloseCaptured(window, step.close)) {
      std::fprintf(stderr, "tour: %s: \"%s\" did not close\n", step.output, step.title);
      return false;
    }
    return true;
  }

  HANDLE process_;
  DWORD pid_;
  std::string output_;
  HWND frame_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tour.exe PATH\\tirval.exe OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string output = argv[2];
  CreateDirectoryA(output.c_str(), nullptr);
  const std::string folder = MakeTempFolder();
  if (folder.empty()) {
    std::fprintf(stderr, "tour: cannot create a temporary folder\n");
    return 1;
  }
  // tirval writes its INI file beside itself: a fresh copy in a fresh folder starts clean and
  // leaves the build tree untouched.
  const std::string exe = Join(folder, "tirval.exe");
  if (!CopyFileA(argv[1], exe.c_str(), FALSE)) {
    std::fprintf(stderr, "tour: cannot copy %s\n", argv[1]);
    RemoveTree(folder);
    return 1;
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "tour: cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
    RemoveTree(folder);
    return 1;
  }
  Tour tour(process.hProcess, process.dwProcessId, output);
  bool ok = tour.Run();
  if (tour.frame()) {
    PostMessageA(tour.frame(), WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, kWindowTimeoutMs) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "tour: tirval did not end; terminating it\n");
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, kWindowTimeoutMs);
    ok = false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The image of an ended process can stay locked for a moment.
  bool removed = false;
  for (int attempt = 0; attempt < 50 && !(removed = RemoveTree(folder)); ++attempt) {
    Sleep(100);
  }
  if (!removed) {
    std::fprintf(stderr, "tour: could not remove %s\n", folder.c_str());
    ok = false;
  }
  return ok ? 0 : 1;
}
