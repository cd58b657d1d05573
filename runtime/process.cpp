#include "runtime/process.h"

#include <windows.h>

#include <vector>

namespace rt {

std::string ProgramFileName() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      return std::string(buffer.data(), length);
    }
    buffer.resize(buffer.size() * 2);
  }
}

bool StartProgram(std::string_view path) {
  if (path.empty()) {
    return false;
  }
  // Quoted, so that a folder name with blanks is not taken for arguments.
  std::string commandLine;
  commandLine.append(1, '"').append(path).append(1, '"');
  return WinExec(commandLine.c_str(), SW_SHOW) > 31;
}

void Halt(int exitCode) {
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace rt
