#include "framework/ini_manager.h"

#include <windows.h>

#include <vector>

#include "runtime/process.h"

namespace fw {

std::string SettingsPath(std::string_view fileName, std::string_view executablePath) {
  if (fileName.find_first_of("\\/:") != std::string_view::npos) {
    return std::string(fileName);
  }
  const std::size_t folderEnd = executablePath.find_last_of("\\/");
  const std::string_view folder = folderEnd == std::string_view::npos
                                      ? std::string_view(".")
                                      : executablePath.substr(0, folderEnd);
  return std::string(folder) + "\\" + std::string(fileName);
}

void IniManager::open(std::string_view fileName) {
  path_ = SettingsPath(fileName, rt::ProgramFileName());
}

void IniManager::close() {
  path_.clear();
}

std::string IniManager::fetch(std::string_view section, std::string_view key,
                              std::string_view fallback) const {
  if (path_.empty()) {
    return std::string(fallback);
  }
  const std::string sectionText(section), keyText(key), fallbackText(fallback);
  std::vector<char> buffer(256);
  for (;;) {
    const DWORD length =
        GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(), fallbackText.c_str(),
                                 buffer.data(), static_cast<DWORD>(buffer.size()), path_.c_str());
    // A full buffer may mean a cut value: read again with more room.
    if (length + 1 < buffer.size()) {
      return std::string(buffer.data(), length);
    }
    buffer.resize(buffer.size() * 4);
  }
}

bool IniManager::update(std::string_view section, std::string_view key,
                        std::string_view value) const {
  if (path_.empty()) {
    return false;
  }
  const std::string sectionText(section), keyText(key), valueText(value);
  return WritePrivateProfileStringA(sectionText.c_str(), keyText.c_str(), valueText.c_str(),
                                    path_.c_str()) != FALSE;
}

IniManager& Ini() {
  static IniManager ini;
  return ini;
}

}  // namespace fw
