// Captures of real windows on the screen of the run: pixels, headers, names, failures and leaks.
// The same tests run on screens of 24 (32 bits per pixel under Wine), 16 and 8 bits.
#include "effects/capture.h"

#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "effects/bmp_layout.h"
#include "tests/support/bmp_reader.h"
#include "tests/effects/pattern_window.h"
#include "tests/support/gdi_table.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/wait.h"

namespace fx {
namespace {

constexpr int kPatternWidth = 301;
constexpr int kPatternHeight = 200;

int ScreenBitsPerPixel() {
  HDC screen = GetDC(nullptr);
  const int bits = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return bits;
}

// What a capture file holds on a screen of each depth.
struct DepthCase {
  int bitsPerPixel;
  std::uint32_t compression;
  std::uint32_t masks[3];       // bit fields: red, green, blue
  std::uint32_t rowSizeFor301;  // bytes in a row 301 pixels wide
};
constexpr DepthCase kDepths[] = {
    {32, BI_BITFIELDS, {0xFF0000, 0xFF00, 0xFF}, 1204},
    {16, BI_BITFIELDS, {0x7C00, 0x3E0, 0x1F}, 604},
    {8, BI_RGB, {}, 304},
};

const DepthCase* ThisScreensDepth() {
  for (const DepthCase& depth : kDepths) {
    if (depth.bitsPerPixel == ScreenBitsPerPixel()) {
      return &depth;
    }
  }
  return nullptr;
}

std::optional<test::BmpFile> Decode(const std::string& path) {
  return test::DecodeBmp(test::ReadAllBytes(path));
}

// The first pixel of `area` (at `left`, `top` in the image) that differs from the pattern.
testing::AssertionResult ShowsPattern(const test::BmpFile& image, int left, int top, int width,
                                      int height) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t expected = test::PatternColor(x, y, width, height);
      const std::uint32_t actual = image.at(left + x, top + y);
      if (actual != expected) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is %06X, not %06X", x, y, actual,
                      expected);
        return testing::AssertionFailure() << text;
      }
    }
  }
  return testing::AssertionSuccess();
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = test::ReadAllBytes(path);
  return {bytes.begin(), bytes.end()};
}

// With CAPTURE_SAMPLES naming a folder, keeps a capture of the pattern there together with the
// pattern's pixels as raw RGB, for other readers to decode and compare (check_captures.sh).
void KeepSample(const std::string& capture, int width, int height) {
  const char* folder = std::getenv("CAPTURE_SAMPLES");
  if (!folder || !*folder) {
    return;
  }
  const std::string name =
      std::string(folder) + "\\pattern-" + std::to_string(ScreenBitsPerPixel()) + "bpp";
  ASSERT_TRUE(CopyFileA(capture.c_str(), (name + ".bmp").c_str(), FALSE));
  std::string rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t color = test::PatternColor(x, y, width, height);
      rgb += static_cast<char>(color >> 16);
      rgb += static_cast<char>(color >> 8);
      rgb += static_cast<char>(color);
    }
  }
  WriteText(name + ".rgb", rgb);
}

class Capture : public testing::Test {
 protected:
  test::TemporaryFolder folder;
};

TEST_F(Capture, ClientAreaIsWrittenPixelForPixelInTheScreensFormat) {
  const DepthCase* depth = ThisScreensDepth();
  ASSERT_NE(depth, nullptr) << ScreenBitsPerPixel() << " bits per pixel";
  test::PatternWindow window(40, 40, kPatternWidth, kPatternHeight);
  const std::string path = folder.file("client.bmp");
  ASSERT_TRUE(CaptureToBmp(window.handle(), CaptureArea::Client, path));

  const std::vector<std::uint8_t> bytes = test::ReadAllBytes(path);
  const std::optional<test::BmpFile> image = test::DecodeBmp(bytes);
  ASSERT_TRUE(image);
  const std::uint32_t imageSize = depth->rowSizeFor301 * kPatternHeight;
  EXPECT_EQ(image->type, 0x4D42);
  EXPECT_EQ(image->fileSize, imageSize + 1078);
  EXPECT_EQ(bytes.size(), imageSize + 1078);
  EXPECT_EQ(image->reserved1, 0);
  EXPECT_EQ(image->reserved2, 0);
  EXPECT_EQ(image->pixelOffset, 1078u);
  EXPECT_EQ(image->infoSize, 40u);
  EXPECT_EQ(image->width, kPatternWidth);
  EXPECT_EQ(image->height, kPatternHeight);  // positive: rows run from the bottom up
  EXPECT_EQ(image->planes, 1);
  EXPECT_EQ(image->bitCount, depth->bitsPerPixel);
  EXPECT_EQ(image->compression, depth->compression);
  EXPECT_EQ(image->rowSize, depth->rowSizeFor301);
  EXPECT_TRUE(ShowsPattern(*image, 0, 0, kPatternWidth, kPatternHeight));

  // The colour area: a whole 256-colour table on a palette screen, else the three bit fields,
  // and zeros after them.
  std::size_t stored = 0;
  if (depth->bitsPerPixel == 8) {
    std::set<std::uint32_t> table;
    for (std::size_t i = 0; i < 256; ++i) {
      table.insert(image->colorWord(i));
    }
    EXPECT_GT(table.size(), 200u);
    for (std::uint32_t pure : {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}) {
      EXPECT_TRUE(table.count(pure)) << std::hex << pure;
    }
    stored = 1024;
  } else {
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(image->colorWord(i), depth->masks[i]) << "mask " << i;
    }
    stored = 12;
  }
  for (std::size_t i = stored; i < image->colorArea.size(); ++i) {
    ASSERT_EQ(image->colorArea[i], 0) << "colour area byte " << i;
  }
  KeepSample(path, kPatternWidth, kPatternHeight);
}

TEST_F(Capture, WholeWindowsWidenARemainderOfThreeAndClientAreasNever) {
  struct Case {
    int width, wholeCapture;
  };
  const Case cases[] = {{299, 300}, {300, 300}, {301, 301}, {302, 302}, {303, 304}};
  test::PatternWindow framed(40, 40, 200, 100, WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME);
  test::PatternWindow popup(40, 300, 200, 100);  // its whole window is its client area
  for (const Case& c : cases) {
    framed.setOuterWidth(c.width);
    popup.setOuterWidth(c.width);
    RECT outer{};
    GetWindowRect(framed.handle(), &outer);
    const std::string whole = folder.file("whole" + std::to_string(c.width) + ".bmp");
    ASSERT_TRUE(CaptureToBmp(framed.handle(), CaptureArea::Whole, whole));
    std::optional<test::BmpFile> image = Decode(whole);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.wholeCapture) << c.width;
    EXPECT_EQ(image->height, outer.bottom - outer.top) << c.width;

    const std::string client = folder.file("client" + std::to_string(c.width) + ".bmp");
    ASSERT_TRUE(CaptureToBmp(popup.handle(), CaptureArea::Client, client));
    image = Decode(client);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.width);
    EXPECT_TRUE(ShowsPattern(*image, 0, 0, c.width, 100)) << c.width;

    // The widened capture starts at the window's left edge: its columns are the window's.
    const std::string popupWhole = folder.file("popup" + std::to_string(c.width) + ".bmp");
    ASSERT_TRUE(CaptureToBmp(popup.handle(), CaptureArea::Whole, popupWhole));
    image = Decode(popupWhole);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, c.wholeCapture);
    EXPECT_TRUE(ShowsPattern(*image, 0, 0, c.width, 100)) << c.width;
  }
}

TEST_F(Capture, DesktopIsTheWholeScreenAsShown) {
  test::PatternWindow window(100, 60, 120, 80);
  const std::string path = folder.file("desktop.bmp");
  ASSERT_TRUE(CaptureToBmp(GetDesktopWindow(), CaptureArea::Whole, path));
  const std::optional<test::BmpFile> image = Decode(path);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(image->height, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(ShowsPattern(*image, 100, 60, 120, 80));
}

TEST_F(Capture, AnExistingFileIsReplacedWhole) {
  const std::string path = folder.file("cap.bmp");
  WriteText(path, std::string(1 << 20, 'x'));  // longer than the capture
  test::PatternWindow window(40, 40, kPatternWidth, kPatternHeight);
  ASSERT_TRUE(CaptureToBmp(window.handle(), CaptureArea::Client, path));
  const std::optional<test::BmpFile> image = Decode(path);
  ASSERT_TRUE(image);
  EXPECT_EQ(test::ReadAllBytes(path).size(), image->fileSize);
  EXPECT_TRUE(ShowsPattern(*image, 0, 0, kPatternWidth, kPatternHeight));
}

TEST_F(Capture, NamesLoseTrailingBlanksAndAreCutTo255Characters) {
  test::PatternWindow window(40, 40, 30, 20);
  const std::string long300 = folder.file(std::string(300 - folder.path().size() - 1, 'n'));
  ASSERT_EQ(long300.size(), 300u);
  struct Case {
    std::string name, written;
  };
  const Case cases[] = {
      {folder.file("blanks.bmp   "), "blanks.bmp"},
      {long300, long300.substr(folder.path().size() + 1, 255 - folder.path().size() - 1)},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(CaptureToBmp(window.handle(), CaptureArea::Client, c.name)) << c.name;
    EXPECT_EQ(folder.fileNames(), std::vector<std::string>{c.written});
    const std::optional<test::BmpFile> image = Decode(folder.file(c.written));
    ASSERT_TRUE(image);
    EXPECT_TRUE(ShowsPattern(*image, 0, 0, 30, 20));
    DeleteFileA(folder.file(c.written).c_str());
  }
}

// Whether this platform keeps a program from writing a read-only file: Wine run as root does not.
bool ReadOnlyIsEnforced(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return true;
  }
  CloseHandle(file);
  return false;
}

TEST_F(Capture, ANameThatCannotBeWrittenLeavesEverythingAsItWas) {
  test::PatternWindow window(40, 40, 30, 20);
  const std::string older = "an older capture";
  const std::string readOnly = folder.file("read-only.bmp");
  WriteText(readOnly, older);
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  const std::string inUse = folder.file("in-use.bmp");
  WriteText(inUse, older);
  // Held open by another program that shares it with nobody.
  HANDLE held = CreateFileA(inUse.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  struct Case {
    const char* what;
    std::string name;
  };
  std::vector<Case> cases = {
      {"missing folder", folder.file("missing\\cap.bmp")},
      {"empty name", ""},
      {"blanks only", "     "},
      {"invalid characters", folder.file("a<b>|.bmp")},
      {"a folder's name", folder.path()},
      {"file in use", inUse},
  };
  if (ReadOnlyIsEnforced(readOnly)) {
    cases.push_back({"read-only file", readOnly});
  } else {
    std::printf("note: read-only files are writable here; that case is left out\n");
  }
  const std::vector<std::string> before = folder.fileNames();
  for (const Case& c : cases) {
    EXPECT_FALSE(CaptureToBmp(window.handle(), CaptureArea::Client, c.name)) << c.what;
    EXPECT_EQ(folder.fileNames(), before) << c.what;
  }
  CloseHandle(held);
  EXPECT_TRUE(ReadText(readOnly) == older);
  EXPECT_TRUE(ReadText(inUse) == older);
  EXPECT_FALSE(Exists(folder.file("missing")));
}

TEST_F(Capture, AWindowWithNothingToCaptureWritesNothing) {
  test::PatternWindow empty(40, 40, 0, 0);
  const std::string path = folder.file("cap.bmp");
  EXPECT_FALSE(CaptureToBmp(empty.handle(), CaptureArea::Client, path));
  EXPECT_FALSE(CaptureToBmp(nullptr, CaptureArea::Client, path));
  EXPECT_FALSE(CaptureToBmp(nullptr, CaptureArea::Whole, path));
  EXPECT_FALSE(CaptureClientPixelsToBmp(nullptr, 10, 10, path));  // not the screen
  EXPECT_FALSE(CaptureClientPixelsToBmp(empty.handle(), 0, 10, path));
  EXPECT_TRUE(folder.fileNames().empty());
}

// The process's committed memory (Wine reports no PrivateUsage).
std::size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

TEST_F(Capture, AThousandCapturesWrittenOrFailedLeaveNoHandleAndNoMemoryBlock) {
  test::PatternWindow window(40, 40, kPatternWidth, kPatternHeight);
  const std::string written = folder.file("cap.bmp");
  const std::string failing = folder.file("missing\\cap.bmp");
  ASSERT_TRUE(CaptureToBmp(window.handle(), CaptureArea::Client, written));  // warm up
  const std::size_t before = CommittedBytes();
  {
    const test::NearlyFullGdiTable table;
    ASSERT_GT(table.filled(), 10000);
    for (int i = 0; i < 1000; ++i) {
      ASSERT_TRUE(CaptureToBmp(window.handle(), CaptureArea::Client, written)) << i;
      ASSERT_FALSE(CaptureToBmp(window.handle(), CaptureArea::Whole, failing)) << i;
    }
    EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
  }
  // A pixel block left behind by each capture would be hundreds of megabytes by now.
  EXPECT_LT(CommittedBytes(), before + (32u << 20));
}

}  // namespace
}  // namespace fx
