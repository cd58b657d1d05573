// The Screen Capture demo of the real tirval.exe: captures into typed names, the shell handing
// each file to the program registered for BMP files (a recorder of the test's), failures.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "runtime/control_ids.h"
#include "runtime/menu_ids.h"
#include "tests/support/bmp_reader.h"
#include "tests/support/dialogs.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"
#include "tests/tirval/e2e.h"

namespace {

constexpr char kCaptureTitle[] = "Capture Options";
constexpr char kProgId[] = "TirvalTest.CaptureViewer";
enum Field { kCaptureFile = 2, kCaptureWindow = 3, kCaptureClient = 4, kDesktop = 5, kClose = 6 };

std::string BesideThisProgram(const std::string& name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// Makes the recorder the program the shell opens BMP files with while it lives, and restores what
// was registered before. (Wine's shell looks at the machine's classes only.)
class BmpAssociation {
 public:
  explicit BmpAssociation(const std::string& log) {
    char previous[256] = {};
    DWORD size = sizeof previous;
    hadPrevious_ = RegGetValueA(HKEY_CLASSES_ROOT, ".bmp", nullptr, RRF_RT_REG_SZ, nullptr,
                                previous, &size) == ERROR_SUCCESS;
    previous_ = previous;
    std::string command = "\"";
    command += BesideThisProgram("open_recorder.exe");
    command += "\" \"";
    command += log;
    command += "\" \"%1\"";
    SetDefault(std::string(kProgId) + "\\shell\\open\\command", command);
    SetDefault(".bmp", kProgId);
  }
  BmpAssociation(const BmpAssociation&) = delete;
  BmpAssociation& operator=(const BmpAssociation&) = delete;
  ~BmpAssociation() {
    if (hadPrevious_) {
      SetDefault(".bmp", previous_);
    } else {
      RegDeleteTreeA(HKEY_CLASSES_ROOT, ".bmp");
    }
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kProgId);
  }

 private:
  static void SetDefault(const std::string& key, const std::string& value) {
    EXPECT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                              static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS)
        << key;
  }

  bool hadPrevious_ = false;
  std::string previous_;
};

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);) {
    lines.push_back(line);
  }
  return lines;
}

std::string FileNameOf(const std::string& path) {
  return path.substr(path.find_last_of('\\') + 1);
}

struct Size {
  int width, height;
  bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Size& size) {
  return out << size.width << " x " << size.height;
}

int ScreenBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return bits;
}

class ScreenCaptureDemo : public testing::Test {
 protected:
  void SetUp() override {
    HWND frame = program.findWindow("Animation Effects Demo");
    ASSERT_NE(frame, nullptr) << "the frame did not open";
    PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-16), 0);
    window = program.findWindow(kCaptureTitle);
    ASSERT_NE(window, nullptr) << "Demo, Screen Capture did not open its window";
    this->frame = frame;
  }
  // Ends the demo and the program as a user does, so that the demo's temporary file goes too.
  void TearDown() override {
    if (IsWindow(window)) {
      press(kClose);
      test::WaitUntil([&] { return !IsWindow(window); });
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.waitForExit(10000));
  }

  HWND field(int number) const { return GetDlgItem(window, rt::ControlId(number)); }
  std::string inFolder(const std::string& name) const { return program.folder() + "\\" + name; }
  std::vector<std::string> opened() const { return Lines(log); }

  // Presses a button as a click does, without waiting for what it starts.
  void press(int button) const { PostMessageA(field(button), BM_CLICK, 0, 0); }

  // Presses a capture button and waits until the shell has handed on one more file.
  bool captureAndWaitForOpening(int button) const {
    const std::size_t before = opened().size();
    press(button);
    return test::WaitUntil([&] { return opened().size() == before + 1; }, 10000);
  }

  Size windowSize() const {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
  }
  Size clientSize() const {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
  }

  // Checks a capture file's header against the size it should have on this screen.
  static void ExpectCapture(const std::string& path, Size size) {
    const std::vector<std::uint8_t> bytes = test::ReadAllBytes(path);
    const std::optional<test::BmpFile> image = test::DecodeBmp(bytes);
    ASSERT_TRUE(image) << path;
    EXPECT_EQ((Size{image->width, image->height}), size) << path;
    EXPECT_EQ(image->bitCount, ScreenBitsPerPixel()) << path;
    EXPECT_EQ(image->pixelOffset, 1078u) << path;
    EXPECT_EQ(image->fileSize, bytes.size()) << path;
    EXPECT_EQ(image->fileSize, image->rowSize * static_cast<std::uint32_t>(size.height) + 1078)
        << path;
  }

  test::LaunchedProgram program{test::TirvalExecutable()};
  const std::string log = program.folder() + "\\opened.log";
  BmpAssociation association{log};
  HWND frame = nullptr;
  HWND window = nullptr;
};

TEST_F(ScreenCaptureDemo, TheEntryStartsWithCapBmpAndTakesAtMost63Characters) {
  EXPECT_EQ(test::WindowText(field(kCaptureFile)), "cap.bmp");
  DWORD_PTR limit = 0;
  SendMessageTimeoutA(field(kCaptureFile), EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 2000, &limit);
  EXPECT_EQ(limit, 63u);
  EXPECT_FALSE(IsWindowEnabled(frame)) << "the frame waits for the demo window";
}

TEST_F(ScreenCaptureDemo, TheDefaultNameWritesCapBmpInTheWorkingFolderAndOverwritesIt) {
  ASSERT_TRUE(captureAndWaitForOpening(kCaptureWindow));
  const Size whole = windowSize();
  ExpectCapture(inFolder("cap.bmp"),
                {whole.width % 4 == 3 ? whole.width + 1 : whole.width, whole.height});
  ASSERT_TRUE(captureAndWaitForOpening(kCaptureClient));
  ExpectCapture(inFolder("cap.bmp"), clientSize());
  for (const std::string& file : opened()) {
    EXPECT_EQ(_stricmp(FileNameOf(file).c_str(), "cap.bmp"), 0) << file;
  }
}

TEST_F(ScreenCaptureDemo, EachButtonCapturesIntoTheNameTheEntryShowsNow) {
  // Typed as a user does; the entry is never left before the button is pressed.
  ASSERT_TRUE(test::BringToFront(window));  // the entry has the focus
  SendMessageTimeoutA(field(kCaptureFile), EM_SETSEL, 0, -1, SMTO_ABORTIFHUNG, 2000, nullptr);
  for (char key : std::string("WINDOW")) {
    test::PressKey(static_cast<WORD>(key));
  }
  test::PressKey(VK_OEM_PERIOD);
  for (char key : std::string("BMP")) {
    test::PressKey(static_cast<WORD>(key));
  }
  ASSERT_TRUE(
      test::WaitUntil([&] { return test::WindowText(field(kCaptureFile)) == "window.bmp"; }));
  ASSERT_TRUE(captureAndWaitForOpening(kCaptureWindow));

  SetWindowTextA(field(kCaptureFile), "client area.bmp");
  ASSERT_TRUE(captureAndWaitForOpening(kCaptureClient));
  SetWindowTextA(field(kCaptureFile), "desktop.bmp  ");  // trailing blanks are dropped
  ASSERT_TRUE(captureAndWaitForOpening(kDesktop));

  const Size whole = windowSize();
  ExpectCapture(inFolder("window.bmp"),
                {whole.width % 4 == 3 ? whole.width + 1 : whole.width, whole.height});
  ExpectCapture(inFolder("client area.bmp"), clientSize());
  ExpectCapture(inFolder("desktop.bmp"),
                {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  const std::vector<std::string> files = opened();
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(_stricmp(FileNameOf(files[0]).c_str(), "window.bmp"), 0) << files[0];
  EXPECT_EQ(_stricmp(FileNameOf(files[1]).c_str(), "client area.bmp"), 0) << files[1];
  EXPECT_EQ(_stricmp(FileNameOf(files[2]).c_str(), "desktop.bmp"), 0) << files[2];
}

TEST_F(ScreenCaptureDemo, AFailedCaptureSaysSoAndOpensNothingNotEvenAnOlderFile) {
  // An older capture of that name, held open by another program that shares it with nobody.
  const std::string older = inFolder("held.bmp");
  std::ofstream(older, std::ios::binary) << "an older capture";
  HANDLE held = CreateFileA(older.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  struct Case {
    const char* name;
    int button;
  };
  for (const Case& c : {Case{"held.bmp", kCaptureWindow}, Case{"no such folder\\cap.bmp", kDesktop},
                        Case{"", kCaptureClient}}) {
    SetWindowTextA(field(kCaptureFile), c.name);
    press(c.button);
    const std::string message = "The file \"" + std::string(c.name) + "\" could not be written.";
    HWND box = test::FindDialogShowing(program.processId(), message, 10000);
    ASSERT_NE(box, nullptr) << c.name;
    EXPECT_EQ(test::WindowText(box), "Screen Capture");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(box); })) << c.name;
  }
  CloseHandle(held);
  test::PumpMessages(500);  // an opening would have been recorded by now
  EXPECT_TRUE(opened().empty());
  EXPECT_EQ(test::ReadAllBytes(older).size(), std::string("an older capture").size());
  // The window goes on working.
  SetWindowTextA(field(kCaptureFile), "after.bmp");
  ASSERT_TRUE(captureAndWaitForOpening(kCaptureClient));
  ExpectCapture(inFolder("after.bmp"), clientSize());
}

TEST_F(ScreenCaptureDemo, CloseEndsTheWindowWithoutACapture) {
  press(kClose);
  ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }));
  EXPECT_EQ(GetFileAttributesA(inFolder("cap.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(opened().empty());
  // The demo opens afresh, with the default name again.
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-16), 0);
  window = program.findWindow(kCaptureTitle);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(test::WindowText(field(kCaptureFile)), "cap.bmp");
}

}  // namespace
