#include "tests/support/launched_program.h"

#include <fstream>
#include <vector>

#include "tests/support/wait.h"

namespace test {
namespace {

std::string FileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct Search {
  DWORD processId;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) &&
      WindowText(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

LaunchedProgram::LaunchedProgram(const std::string& executable,
                                 const std::vector<LaidFile>& files) {
  const std::string copy = folder_.file(FileName(executable));
  CopyFileA(executable.c_str(), copy.c_str(), FALSE);
  for (const auto& [name, contents] : files) {
    std::ofstream(folder_.file(name), std::ios::binary) << contents;
  }
  std::vector<char> commandLine(copy.begin(), copy.end());
  commandLine.insert(commandLine.begin(), '"');
  commandLine.push_back('"');
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                 folder_.path().c_str(), &startup, &process_);
}

LaunchedProgram::~LaunchedProgram() {
  if (process_.hProcess) {
    if (!waitForExit(0)) {
      kill();
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
}

HWND LaunchedProgram::findWindow(const char* title, DWORD timeoutMs) const {
  Search search{process_.dwProcessId, title, nullptr};
  WaitUntil(
      [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeoutMs);
  return search.found;
}

bool LaunchedProgram::waitForExit(DWORD timeoutMs) const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD LaunchedProgram::exitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

void LaunchedProgram::kill() const {
  TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, 5000);
}

std::string WindowText(HWND window) {
  char text[512] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 10000, &length);
  return text;
}

void PressAltAnd(WORD altKey) {
  SendKey(VK_MENU, false);
  SendKey(altKey, false);
  SendKey(altKey, true);
  SendKey(VK_MENU, true);
}

void PressCtrlAnd(WORD key) {
  SendKey(VK_CONTROL, false);
  SendKey(key, false);
  SendKey(key, true);
  SendKey(VK_CONTROL, true);
}

void PressKey(WORD key) {
  SendKey(key, false);
  SendKey(key, true);
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

}  // namespace test
