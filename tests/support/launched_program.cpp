#include "tests/support/launched_program.h"

#include <fstream>
#include <vector>

#include "tests/support/wait.h"

namespace test {
namespace {

std::string MakeTemporaryFolder() {
  char base[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, base);
  char name[MAX_PATH] = {};
  GetTempFileNameA(base, "run", 0, name);  // reserves a unique name, as a file
  DeleteFileA(name);
  CreateDirectoryA(name, nullptr);
  return name;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") {
        continue;
      }
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

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

LaunchedProgram::LaunchedProgram(const std::string& executable, const std::vector<LaidFile>& files)
    : folder_(MakeTemporaryFolder()) {
  const std::string copy = folder_ + "\\" + FileName(executable);
  CopyFileA(executable.c_str(), copy.c_str(), FALSE);
  for (const auto& [name, contents] : files) {
    std::ofstream(folder_ + "\\" + name, std::ios::binary) << contents;
  }
  std::vector<char> commandLine(copy.begin(), copy.end());
  commandLine.insert(commandLine.begin(), '"');
  commandLine.push_back('"');
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  CreateProcessA(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                 folder_.c_str(), &startup, &process_);
}

LaunchedProgram::~LaunchedProgram() {
  if (process_.hProcess) {
    if (!waitForExit(0)) {
      kill();
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  RemoveFolder(folder_);
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

void PressKey(WORD key) {
  SendKey(key, false);
  SendKey(key, true);
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, 3000);
}

}  // namespace test
