#include "tests/lumboABC/e2e.h"

#include <cstdio>

#include "runtime/image.h"
#include "runtime/menu_ids.h"
#include "tests/support/drag_setting.h"
#include "tests/support/wait.h"
#include "tests/tour/window_probe.h"

namespace e2e {
namespace {

std::string gProgram;
std::string gImages;

bool StartsWithNoCase(const std::string& text, const std::string& start) {
  return text.size() >= start.size() &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(),
                        static_cast<int>(start.size()), start.c_str(),
                        static_cast<int>(start.size())) == CSTR_EQUAL;
}

struct Search {
  DWORD previous;
  const std::string* folder;
  HWND frame = nullptr;
  HANDLE process = nullptr;
};

BOOL CALLBACK MatchSuccessor(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->previous || !IsWindowVisible(window) ||
      test::WindowText(window) != kFrameTitle) {
    return TRUE;
  }
  HANDLE process =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid);
  char image[MAX_PATH] = {};
  DWORD size = sizeof image;
  if (process && QueryFullProcessImageNameA(process, 0, image, &size) &&
      StartsWithNoCase(image, *search->folder)) {
    search->frame = window;
    search->process = process;
    return FALSE;
  }
  if (process) {
    CloseHandle(process);
  }
  return TRUE;
}

// The client area of `window` on the screen, once the window and its children have painted.
test::Pixels CaptureClient(HWND window) {
  probe::WaitUntilPainted(window, kTimeoutMs);
  RECT area{};
  GetClientRect(window, &area);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  probe::Image image;
  test::Pixels pixels;
  if (!probe::CaptureScreen(area, image)) {
    return pixels;
  }
  pixels.width = image.width;
  pixels.height = image.height;
  const int stride = probe::Image::Stride(image.width);
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.bits.data() + (image.height - 1 - y) * stride;
    for (int x = 0; x < image.width; ++x) {
      pixels.values.push_back(test::Rgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
    }
  }
  return pixels;
}

}  // namespace

const std::string& ProgramPath() {
  return gProgram;
}

const std::string& ImagesFolder() {
  return gImages;
}

void Choose(HWND frame, int field) {
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(field), 0);
}

test::LaidFile SavedIni(const std::string& wallPaper) {
  return {kIni, "[Preserved]\r\nlumboGLO:WallPaper=" + wallPaper + "\r\n"};
}

std::string IniValue(const std::string& folder, const char* section, const char* key) {
  char value[512] = {};
  GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                           (folder + "\\" + kIni).c_str());
  return value;
}

Successor::Successor(DWORD previous, const std::string& folder, DWORD timeoutMs) {
  test::WaitUntil([&] { return find(previous, folder); }, timeoutMs);
}

Successor::~Successor() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) {
      TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
  }
}

bool Successor::waitForExit(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool Successor::find(DWORD previous, const std::string& folder) {
  Search search{previous, &folder};
  EnumWindows(MatchSuccessor, reinterpret_cast<LPARAM>(&search));
  frame_ = search.frame;
  process_ = search.process;
  return frame_ != nullptr;
}

HWND ClientAreaOf(HWND frame) {
  return FindWindowExA(frame, nullptr, "MDIClient", nullptr);
}

test::Pixels ClientPixelsOf(HWND window) {
  return CaptureClient(window);
}

test::Pixels ScreenPixelsOf(HWND frame) {
  probe::WaitUntilPainted(frame, kTimeoutMs);
  HWND client = ClientAreaOf(frame);
  test::Pixels pixels = CaptureClient(client);
  for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) {
      continue;
    }
    RECT covered{};
    GetWindowRect(child, &covered);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&covered), 2);
    for (int y = std::max(0L, covered.top); y < std::min<LONG>(pixels.height, covered.bottom);
         ++y) {
      for (int x = std::max(0L, covered.left); x < std::min<LONG>(pixels.width, covered.right);
           ++x) {
        pixels.values[static_cast<std::size_t>(y) * pixels.width + x] = kCovered;
      }
    }
  }
  return pixels;
}

int PixelsOffTheTile(const test::Pixels& shown, const test::Pixels& tile) {
  int wrong = 0;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const std::uint32_t pixel = shown.at(x, y);
      wrong += pixel != kCovered && pixel != tile.at(x % tile.width, y % tile.height);
    }
  }
  return wrong;
}

test::Pixels Tile(const char* file) {
  return test::PixelsOf(rt::LoadNamedImage(gImages + "/" + file).get());
}

bool IsPlain(const test::Pixels& shown) {
  std::uint32_t plain = kCovered;
  for (std::uint32_t value : shown.values) {
    if (value == kCovered) {
      continue;
    }
    if (plain == kCovered) {
      plain = value;
    } else if (value != plain) {
      return false;
    }
  }
  return plain != kCovered;
}

std::vector<HWND> ChildWindows(HWND frame, const char* title) {
  return probe::VisibleChildrenTitled(ClientAreaOf(frame), title);
}

std::vector<HWND> WaitForWindows(HWND frame, std::size_t count) {
  std::vector<HWND> windows;
  test::WaitUntil(
      [&] {
        windows = ChildWindows(frame, kWindowTitle);
        return windows.size() == count;
      },
      kTimeoutMs);
  for (HWND window : windows) {
    probe::WaitUntilPainted(window, kTimeoutMs);
  }
  return windows;
}

void LumboABC::SetUp() {
  test::StoreDragFullWindows(false);
}

void LumboABC::TearDown() {
  if (program) {
    // A process that a failed check left behind ends here, before its folder goes.
    const Successor stray(program->processId(), program->folder(), 0);
  }
  test::StoreDragFullWindows(false);
}

void LumboABC::Start(const char* wallPaper) {
  std::vector<test::LaidFile> files;
  if (wallPaper) {
    files.push_back(SavedIni(wallPaper));
  }
  program = std::make_unique<test::LaunchedProgram>(gProgram, files);
  frame = program->findWindow(kFrameTitle, kTimeoutMs);
  ASSERT_NE(frame, nullptr) << "the frame did not open";
  // The frame opens with its first secondary window: the program has started once it shows.
  ASSERT_EQ(WaitForWindows(frame, 1).size(), 1u) << "the secondary window did not open";
}

std::unique_ptr<Successor> LumboABC::ChooseAndRestart(int field) {
  Choose(frame, field);
  EXPECT_TRUE(program->waitForExit(kTimeoutMs)) << "the first process did not end";
  auto next = std::make_unique<Successor>(program->processId(), program->folder());
  EXPECT_NE(next->frame(), nullptr) << "no new process showed its frame";
  if (next->frame()) {
    EXPECT_EQ(WaitForWindows(next->frame(), 1).size(), 1u) << "no secondary window in the new one";
  }
  return next;
}

std::string LumboABC::Saved() const {
  return IniValue(program->folder(), "Preserved", "lumboGLO:WallPaper");
}

}  // namespace e2e

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <path of lumboABC.exe> <folder of the catalogue images>\n",
                 argv[0]);
    return 2;
  }
  e2e::gProgram = argv[1];
  e2e::gImages = argv[2];
  return RUN_ALL_TESTS();
}
