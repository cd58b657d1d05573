#pragma once

#include <string>
#include <string_view>

namespace rt {
class Window;
}

namespace fw {

// The program's settings file: one value by section and key, through the Windows profile
// functions. A file named without a folder lives beside the program's executable.
class IniManager {
 public:
  // Opens the settings file; it is created when a value is first written.
  void open(std::string_view fileName);
  void close();
  bool isOpen() const { return !path_.empty(); }
  const std::string& path() const { return path_; }

  // The value of a key, or `fallback` when the key is missing or no file is open.
  std::string fetch(std::string_view section, std::string_view key,
                    std::string_view fallback = {}) const;
  // Writes a value; returns false when the file could not be written.
  bool update(std::string_view section, std::string_view key, std::string_view value) const;

  // A window's placement, kept in the section named after its procedure, in dialog units:
  // "Maximize" ("Yes"/"No"), "XPos" and "YPos" (while not maximised), "Width" and "Height"
  // (of a resizable window's client area).
  // Restores what was saved: size, position, then maximised. Missing or bad values are skipped.
  void fetchPlacement(std::string_view procedure, rt::Window& window) const;
  // Saves the placement; writes nothing while the window is minimised.
  bool updatePlacement(std::string_view procedure, rt::Window& window) const;

 private:
  std::string path_;
};

// Where a settings file named `fileName` lives: beside `executablePath` unless it names a folder.
std::string SettingsPath(std::string_view fileName, std::string_view executablePath);

// The program's INI manager.
IniManager& Ini();

}  // namespace fw
