#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/launched_program.h"
#include "tests/support/pixels.h"

// What the end-to-end tests of lumboABC share: the program under test, its frame found from
// outside, menu entries chosen as a user does, the INI file read back, and the screen's pixels.
namespace e2e {

inline constexpr char kFrameTitle[] = "Application";
inline constexpr char kIni[] = "lumboABC.INI";
inline constexpr DWORD kTimeoutMs = 15000;

// Field numbers the frame gives its Background menu: the menu -16, entry n -16 - n, the blank
// entry -38 and None -39.
constexpr int ImageEntry(int n) {
  return -16 - n;
}
inline constexpr int kBlankEntry = -38;
inline constexpr int kNoneEntry = -39;
inline constexpr int kExit = -3;
inline constexpr int kShowWindow = -9;
inline constexpr int kTile = -10;
inline constexpr int kCascade = -11;

// The path of lumboABC.exe and the folder of the committed catalogue images, from the command
// line.
const std::string& ProgramPath();
const std::string& ImagesFolder();

// Chooses a menu entry of the frame, as a click on it does.
void Choose(HWND frame, int field);

std::string IniValue(const std::string& folder, const char* section, const char* key);
// The settings file holding a saved background, laid beside the program before it starts.
test::LaidFile SavedIni(const std::string& wallPaper);

// The process that a restart left in the program's folder, found by its frame; ended with the
// test if it still runs.
class Successor {
 public:
  Successor(DWORD previous, const std::string& folder, DWORD timeoutMs = kTimeoutMs);
  Successor(const Successor&) = delete;
  Successor& operator=(const Successor&) = delete;
  ~Successor();
  HWND frame() const { return frame_; }
  bool waitForExit(DWORD timeoutMs) const;

 private:
  bool find(DWORD previous, const std::string& folder);

  HWND frame_ = nullptr;
  HANDLE process_ = nullptr;
};

HWND ClientAreaOf(HWND frame);

// A pixel that shows no colour of the frame's own: a child window covers it.
inline constexpr std::uint32_t kCovered = 0xFF000000;

// What a window's client area shows on the screen once it has painted. For a frame, its client
// area around the child windows: the pixels under them are kCovered.
test::Pixels ScreenPixelsOf(HWND frame);
// What a window's client area shows on the screen once it has painted, children included.
test::Pixels ClientPixelsOf(HWND window);

// How many uncovered pixels differ from the tile repeated from the area's corner.
int PixelsOffTheTile(const test::Pixels& shown, const test::Pixels& tile);
// A catalogue image's pixels, read from the committed file.
test::Pixels Tile(const char* file);
// Whether every uncovered pixel shows one plain colour: no wallpaper.
bool IsPlain(const test::Pixels& shown);

inline constexpr char kWindowTitle[] = "Window";

// The visible child windows titled `title` inside a frame's client area.
std::vector<HWND> ChildWindows(HWND frame, const char* title);
// Waits until the frame shows `count` secondary windows, each painted; returns those it shows.
std::vector<HWND> WaitForWindows(HWND frame, std::size_t count);

// Starts lumboABC in a fresh folder and ends what is left of it at the end of each test.
class LumboABC : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the program with `wallPaper` saved (nothing saved when null) and finds its frame.
  void Start(const char* wallPaper = nullptr);
  // Chooses a background and waits for the process to end and its successor's frame.
  std::unique_ptr<Successor> ChooseAndRestart(int field);
  // The saved background as the INI file holds it; "(missing)" without one.
  std::string Saved() const;

  std::unique_ptr<test::LaunchedProgram> program;
  HWND frame = nullptr;
};

}  // namespace e2e
