// Screenshot tour of a demo program: starts tirval.exe in a temporary folder, opens its windows
// one after the other as a user would, and saves each as a BMP; or starts lumboABC.exe once per
// saved background and captures its frame with its secondary windows.
//   tour.exe PATH\tirval.exe|PATH\lumboABC.exe OUTPUT-FOLDER
// Exit code 0 when every screenshot was written and the program closed by itself.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/menu_ids.h"
#include "tests/support/launched_program.h"
#include "window_probe.h"

namespace {

using rt::MenuCommandId;

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
  // When set, the capture waits until a child showing this text is visible: a window that
  // animates its texts is captured once they have settled.
  const char* shownText = nullptr;
  // When set, the window's button with this text is pressed first, and the capture waits until
  // the window shows the change.
  const char* press = nullptr;
};

// One row per window shown, in order. A demo window's row looks like
//   {"02-gradient.bmp", MenuCommandId(-17), "Gradient Demo", Close::kWmClose},
constexpr Step kSteps[] = {
    {"01-frame.bmp", 0, kFrameTitle, Close::kLeaveOpen},
    {"02-animated-window.bmp", MenuCommandId(-11), "Animated Window", Close::kCloseButton},
    {"03-copy-file.bmp", MenuCommandId(-14), "Copy File", Close::kCloseButton},
    {"04-animated-text.bmp", MenuCommandId(-15), "Animated Text", Close::kCloseButton,
     "Letters in motion"},
    {"05-screen-capture.bmp", MenuCommandId(-16), "Capture Options", Close::kCloseButton},
    {"06a-gradient.bmp", MenuCommandId(-17), "Gradient Demo", Close::kLeaveOpen},
    {"06b-gradient-diagonal.bmp", 0, "Gradient Demo", Close::kCloseButton, nullptr, "Diagonal"},
    {"07a-office-2000-before.bmp", MenuCommandId(-18), "Office 2000 style", Close::kLeaveOpen},
    {"07b-office-2000-after.bmp", 0, "Office 2000 style", Close::kCloseButton, nullptr,
     "Apply Office 2000 Style"},
};

// Launching Wine programs on a cold server takes seconds; a hung program should still end the
// tour in bounded time.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kWindowTimeoutMs = 15000;

BOOL CALLBACK ClickCloseButton(HWND child, LPARAM clicked) {
  const std::string text = test::WindowText(child);
  if (text == "Close" || text == "&Close") {
    PostMessageA(child, BM_CLICK, 0, 0);
    *reinterpret_cast<bool*>(clicked) = true;
    return FALSE;
  }
  return TRUE;
}

bool WaitUntilChildShown(HWND hwnd, const char* text) {
  const uint64_t deadline = probe::NowMs() + kWindowTimeoutMs;
  for (;;) {
    HWND child = FindWindowExA(hwnd, nullptr, nullptr, text);
    if (child && IsWindowVisible(child)) {
      return true;
    }
    if (!IsWindow(hwnd) || probe::NowMs() > deadline) {
      return false;
    }
    Sleep(10);
  }
}

// Presses the window's button titled `text`, as a click does, and waits until the window looks
// different from how it looked before.
bool PressAndWaitForChange(HWND hwnd, const char* text) {
  HWND button = FindWindowExA(hwnd, nullptr, "Button", text);
  probe::Image before;
  if (!button || !probe::CaptureWindow(hwnd, before)) {
    return false;
  }
  PostMessageA(button, BM_CLICK, 0, 0);
  const uint64_t deadline = probe::NowMs() + kWindowTimeoutMs;
  probe::Image now;
  while (probe::CaptureWindow(hwnd, now) && now.bits == before.bits) {
    if (probe::NowMs() > deadline) {
      return false;
    }
    Sleep(10);
  }
  return true;
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
        return false;
      }
      break;
    }
  }
  return probe::WaitUntilGone(hwnd, kWindowTimeoutMs);
}

// Opens, captures and closes one window; false, with the reason on stderr, if any of it failed.
bool Take(const test::LaunchedProgram& tirval, HWND frame, const Step& step,
          const std::string& output) {
  const auto fail = [&](const char* what) {
    std::fprintf(stderr, "tour: %s: \"%s\" %s\n", step.output, step.title, what);
    return false;
  };
  if (!probe::WaitUntilPainted(frame, kWindowTimeoutMs)) {
    return fail("was not reached: the frame did not paint");
  }
  if (step.openCommand != 0) {
    PostMessageA(frame, WM_COMMAND, MAKEWPARAM(step.openCommand, 0), 0);
  }
  HWND window = probe::WaitForWindow(tirval.processId(), step.title, kWindowTimeoutMs);
  if (!window) {
    return fail("did not appear");
  }
  if (step.shownText && !WaitUntilChildShown(window, step.shownText)) {
    return fail("never showed its settled text");
  }
  if (!probe::WaitUntilPainted(window, kWindowTimeoutMs)) {
    return fail("did not paint");
  }
  if (step.press) {
    if (!PressAndWaitForChange(window, step.press)) {
      return fail("did not change when its button was pressed");
    }
    if (!probe::WaitUntilPainted(window, kWindowTimeoutMs)) {
      return fail("did not paint after the press");
    }
  }
  probe::Image image;
  const std::string path = output + "\\" + step.output;
  if (!probe::CaptureWindow(window, image) || !probe::WriteBmp(path, image)) {
    return fail("could not be captured");
  }
  std::printf("%s (%dx%d)\n", path.c_str(), image.width, image.height);
  if (!CloseCaptured(window, step.close)) {
    return fail("did not close");
  }
  return true;
}

// lumboABC: one start per row, with the background saved in its INI file, capturing the frame
// once it shows its secondary windows.
struct LumboStep {
  const char* output;
  const char* wallPaper;
  int moreWindows = 0;   // Show Window chosen this many times after the first window opened
  bool cascade = false;  // Window, Cascade chosen before the capture
};

constexpr LumboStep kLumboSteps[] = {
    {"10-lumbo-paper.bmp", "~BkgndY1.gif"},
    {"11-lumbo-marble.bmp", "~BkgndB6.gif"},
    {"12-lumbo-stucco.bmp", "~BkgndG7.gif"},
    {"14-lumbo-cascaded.bmp", "~BkgndY3.gif", 3, true},
};

constexpr int kShowWindowField = -9;
constexpr int kCascadeField = -11;

// The frame's visible secondary windows, each in the frame's client area.
std::vector<HWND> SecondaryWindows(HWND frame) {
  return probe::VisibleChildrenTitled(FindWindowExA(frame, nullptr, "MDIClient", nullptr),
                                      "Window");
}

// Waits until the frame shows `count` secondary windows, each painted.
bool WaitForSecondaryWindows(HWND frame, std::size_t count) {
  const uint64_t deadline = probe::NowMs() + kWindowTimeoutMs;
  while (SecondaryWindows(frame).size() != count) {
    if (probe::NowMs() > deadline) {
      return false;
    }
    Sleep(5);
  }
  for (HWND window : SecondaryWindows(frame)) {
    if (!probe::WaitUntilPainted(window, kWindowTimeoutMs)) {
      return false;
    }
  }
  return probe::WaitUntilPainted(frame, kWindowTimeoutMs);
}

bool TakeLumbo(const std::string& program, const LumboStep& step, const std::string& output) {
  const auto fail = [&](const char* what) {
    std::fprintf(stderr, "tour: %s: %s\n", step.output, what);
    return false;
  };
  const std::string ini =
      std::string("[Preserved]\r\nlumboGLO:WallPaper=") + step.wallPaper + "\r\n";
  const test::LaunchedProgram lumbo(program, {{"lumboABC.INI", ini}});
  HWND frame = probe::WaitForWindow(lumbo.processId(), "Application", kStartTimeoutMs);
  if (!frame || !WaitForSecondaryWindows(frame, 1)) {
    return fail("the frame and its first window did not show");
  }
  for (int i = 0; i < step.moreWindows; ++i) {
    PostMessageA(frame, WM_COMMAND, MenuCommandId(kShowWindowField), 0);
  }
  const std::size_t windows = static_cast<std::size_t>(step.moreWindows) + 1;
  if (!WaitForSecondaryWindows(frame, windows)) {
    return fail("the secondary windows did not show");
  }
  if (step.cascade) {
    PostMessageA(frame, WM_COMMAND, MenuCommandId(kCascadeField), 0);
    // The windows have moved once the frame has handled the command and everything repainted.
    if (!probe::RoundTripAllThreads(frame, kWindowTimeoutMs) ||
        !WaitForSecondaryWindows(frame, windows)) {
      return fail("the cascaded windows did not show");
    }
  }
  probe::Image image;
  const std::string path = output + "\\" + step.output;
  if (!probe::CaptureWindow(frame, image) || !probe::WriteBmp(path, image)) {
    return fail("could not be captured");
  }
  std::printf("%s (%dx%d)\n", path.c_str(), image.width, image.height);
  PostMessageA(frame, WM_CLOSE, 0, 0);
  if (!lumbo.waitForExit(kWindowTimeoutMs)) {
    return fail("lumboABC did not end after WM_CLOSE");
  }
  return true;
}

bool IsLumbo(const std::string& program) {
  const std::string name = program.substr(program.find_last_of("\\/") + 1);
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1, "lumboABC.exe", -1) ==
         CSTR_EQUAL;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: tour.exe PATH\\tirval.exe|PATH\\lumboABC.exe OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string output = argv[2];
  CreateDirectoryA(output.c_str(), nullptr);
  if (IsLumbo(argv[1])) {
    bool ok = true;
    for (const LumboStep& step : kLumboSteps) {
      ok = TakeLumbo(argv[1], step, output) && ok;
    }
    return ok ? 0 : 1;
  }
  // A fresh copy in a fresh folder: tirval starts with no INI file of an earlier run, and what it
  // writes stays out of the build tree.
  const test::LaunchedProgram tirval(argv[1]);
  if (tirval.processId() == 0) {
    std::fprintf(stderr, "tour: could not start %s\n", argv[1]);
    return 1;
  }
  HWND frame = probe::WaitForWindow(tirval.processId(), kFrameTitle, kStartTimeoutMs);
  if (!frame) {
    std::fprintf(stderr, "tour: %s did not show \"%s\"\n", argv[1], kFrameTitle);
    return 1;
  }
  bool ok = true;
  for (const Step& step : kSteps) {
    ok = Take(tirval, frame, step, output) && ok;
  }
  PostMessageA(frame, WM_CLOSE, 0, 0);
  if (!tirval.waitForExit(kWindowTimeoutMs)) {
    std::fprintf(stderr, "tour: tirval did not end after WM_CLOSE\n");
    ok = false;  // ended, and its folder removed, when `tirval` goes out of scope
  }
  return ok ? 0 : 1;
}
