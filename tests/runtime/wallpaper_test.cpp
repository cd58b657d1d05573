// Images by name (resources, files, bad files) and window wallpapers, checked by their pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/image.h"
#include "runtime/window.h"
#include "tests/support/gdi_table.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

using test::Erased;
using test::Pixels;
using test::PixelsOf;
using test::Rgb;

// A 24-bit bottom-up BMP file with these pixels (rows top-down).
void WriteBmp(const std::string& path, const Pixels& pixels) {
  const int stride = (pixels.width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + stride * pixels.height;
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = pixels.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  for (int y = pixels.height - 1; y >= 0; --y) {
    std::vector<char> row(stride, 0);
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t c = pixels.at(x, y);
      row[x * 3] = static_cast<char>(c & 0xFF);
      row[x * 3 + 1] = static_cast<char>(c >> 8 & 0xFF);
      row[x * 3 + 2] = static_cast<char>(c >> 16 & 0xFF);
    }
    out.write(row.data(), stride);
  }
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

const Pixels kQuadrants{2, 2, {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(255, 255, 0)}};

// Runs each test in a fresh current folder, where relative image file names are looked for.
class Images : public testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    char name[MAX_PATH] = {};
    GetTempFileNameA(base, "img", 0, name);
    DeleteFileA(name);
    folder_ = name;
    CreateDirectoryA(folder_.c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    SetCurrentDirectoryA(folder_.c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryA(previous_);
    for (const std::string& file : files_) {
      DeleteFileA((folder_ + "\\" + file).c_str());
    }
    RemoveDirectoryA(folder_.c_str());
  }
  // A file in the current folder, removed after the test.
  std::string file(const std::string& name) {
    files_.push_back(name);
    return name;
  }

  std::string folder_;
  char previous_[MAX_PATH] = {};
  std::vector<std::string> files_;
};

TEST_F(Images, FileAndResourceImagesDecodePixelExactly) {
  WriteBmp(file("quad.bmp"), kQuadrants);
  GdiObject quad = LoadNamedImage("quad.bmp");
  ASSERT_TRUE(quad);
  const Pixels decoded = PixelsOf(quad.get());
  EXPECT_EQ(decoded.values, kQuadrants.values);

  // The resource, and the same bytes as a file, decode alike: a 32 x 32 GIF tile.
  const auto resource = ImageResourceBytes("~TestTile.gif");
  ASSERT_FALSE(resource.empty());
  WriteBytes(file("copy.gif"), std::string(resource.begin(), resource.end()));
  GdiObject fromResource = LoadNamedImage("~TestTile.gif");
  GdiObject fromFile = LoadNamedImage("copy.gif");
  ASSERT_TRUE(fromResource && fromFile);
  const Pixels tile = PixelsOf(fromResource.get());
  EXPECT_EQ(tile.width, 32);
  EXPECT_EQ(tile.height, 32);
  EXPECT_EQ(tile.values, PixelsOf(fromFile.get()).values);
  EXPECT_EQ(PixelsOf(LoadNamedImage("~testmenu.BMP").get()).width, 32);  // any letter case
}

TEST_F(Images, TildeNameWithoutResourceFallsBackToTheFile) {
  EXPECT_TRUE(ImageResourceBytes("~quad.bmp").empty());
  EXPECT_FALSE(LoadNamedImage("~quad.bmp"));
  WriteBmp(file("quad.bmp"), kQuadrants);
  GdiObject quad = LoadNamedImage("~quad.bmp");
  ASSERT_TRUE(quad);
  EXPECT_EQ(PixelsOf(quad.get()).values, kQuadrants.values);
}

TEST_F(Images, BadNamesAndFilesLoadNothing) {
  WriteBytes(file("empty.gif"), "");
  WriteBytes(file("garbage.gif"), std::string(5000, '\x5A'));
  WriteBytes(file("text.bmp"), "BM this is not a bitmap");
  WriteBytes(file("cut.gif"), "GIF89a\x20\x00\x20\x00\xF7\x00\x00");
  // A well-formed start of a GIF of 30000 x 30000 pixels.
  WriteBytes(file("vast.gif"), std::string("GIF89a\x30\x75\x30\x75\x00\x00\x00,\x00\x00\x00\x00"
                                           "\x30\x75\x30\x75\x00\x02\x02\x44\x01\x00;",
                                           33));
  {
    // Larger than any wallpaper should be; sparse, so it costs no disk.
    File huge(CreateFileA(file("huge.bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    size.QuadPart = kMaxImageFileBytes + 1;
    SetFilePointerEx(huge.get(), size, nullptr, FILE_BEGIN);
    SetEndOfFile(huge.get());
  }
  CreateDirectoryA(file("folder.gif").c_str(), nullptr);
  for (const char* name : {"", "~", "~", "missing.gif", "~Missing.gif", "empty.gif", "garbage.gif",
                           "text.bmp", "cut.gif", "vast.gif", "huge.bmp", "folder.gif",
                           "Z:\\no\\such\\folder\\x.gif", "\\\\?\\bad<>|name"}) {
    EXPECT_FALSE(LoadNamedImage(name)) << name;
  }
  RemoveDirectoryA("folder.gif");
}

constexpr WindowDefinition kPlain{
    .name = "test$plain", .label = "P1$WINDOW", .title = "Plain", .width = 150, .height = 100};

constexpr MenuItemDefinition kWindowMenu[] = {
    {.text = "T&ile", .label = "?TILE", .field = -2, .action = StandardAction::Tile},
};
constexpr MenuItemDefinition kFrameMenu[] = {
    {.kind = MenuItemKind::Popup, .text = "&Window", .windowList = true, .items = kWindowMenu},
};
constexpr WindowDefinition kFrame{.name = "test$frame",
                                  .label = "P1$APPFRAME",
                                  .title = "Frame",
                                  .width = 200,
                                  .height = 120,
                                  .resizable = true,
                                  .applicationFrame = true,
                                  .menuBar = kFrameMenu};

void ExpectTiled(const Pixels& painted, const Pixels& tile) {
  int wrong = 0;
  for (int y = 0; y < painted.height; ++y) {
    for (int x = 0; x < painted.width; ++x) {
      wrong += painted.at(x, y) != tile.at(x % tile.width, y % tile.height);
    }
  }
  EXPECT_EQ(wrong, 0) << "of " << painted.width * painted.height << " pixels";
}

TEST_F(Images, TiledWallPaperRepeatsOverWindowAndFrameClientArea) {
  const Pixels tile = PixelsOf(LoadNamedImage("~TestTile.gif").get());
  ASSERT_EQ(tile.width, 32);
  Window plain(kPlain);
  Window frame(kFrame);
  for (Window* window : {&plain, &frame}) {
    EXPECT_TRUE(window->setWallPaper("~TestTile.gif"));
    window->setTiled(true);
    EXPECT_EQ(window->wallPaper(), "~TestTile.gif");
    EXPECT_TRUE(window->tiled());
    ExpectTiled(Erased(window->clientHandle(), 100, 70), tile);
  }
}

TEST_F(Images, UntiledWallPaperIsStretchedOverTheClientArea) {
  WriteBmp(file("quad.bmp"), kQuadrants);
  Window plain(kPlain);
  plain.setWallPaper("quad.bmp");
  plain.setTiled(false);
  RECT client{};
  GetClientRect(plain.handle(), &client);
  const Pixels painted = Erased(plain.handle(), client.right, client.bottom);
  const int w = client.right, h = client.bottom;
  EXPECT_EQ(painted.at(w / 4, h / 4), kQuadrants.at(0, 0));
  EXPECT_EQ(painted.at(3 * w / 4, h / 4), kQuadrants.at(1, 0));
  EXPECT_EQ(painted.at(w / 4, 3 * h / 4), kQuadrants.at(0, 1));
  EXPECT_EQ(painted.at(w - 1, h - 1), kQuadrants.at(1, 1));
}

TEST_F(Images, WallPaperThatDoesNotLoadLeavesThePlainBackground) {
  WriteBytes(file("garbage.gif"), "GIF89a garbage");
  Window plain(kPlain);
  const Pixels before = Erased(plain.handle(), 40, 30);
  Window frame(kFrame);
  const Pixels frameBefore = Erased(frame.clientHandle(), 40, 30);
  for (const char* name : {"garbage.gif", "missing.gif", "~NoSuch.gif", ""}) {
    EXPECT_FALSE(plain.setWallPaper(name)) << name;
    EXPECT_FALSE(frame.setWallPaper(name)) << name;
    plain.setTiled(true);
    frame.setTiled(true);
    EXPECT_EQ(plain.wallPaper(), name);
    EXPECT_EQ(Erased(plain.handle(), 40, 30).values, before.values) << name;
    EXPECT_EQ(Erased(frame.clientHandle(), 40, 30).values, frameBefore.values) << name;
  }
  // A wallpaper that showed goes away when the name changes to one that loads nothing.
  ASSERT_TRUE(plain.setWallPaper("~TestTile.gif"));
  EXPECT_NE(Erased(plain.handle(), 40, 30).values, before.values);
  plain.setWallPaper("missing.gif");
  EXPECT_EQ(Erased(plain.handle(), 40, 30).values, before.values);
}

constexpr ControlDefinition kSeeThrough[] = {
    {.type = ControlType::Prompt,
     .label = "?CLEAR",
     .text = "Clear",
     .x = 10,
     .y = 8,
     .width = 50,
     .height = 20,
     .transparent = true},
    {.type = ControlType::Prompt, .label = "?SOLID", .x = 80, .y = 8, .width = 50, .height = 20},
    {.type = ControlType::OptionGroup,
     .label = "?GROUP",
     .text = "Group",
     .x = 10,
     .y = 40,
     .width = 120,
     .height = 30,
     .transparent = true,
     .boxed = true},
};
constexpr WindowDefinition kSeeThroughWindow{.name = "test$seethrough",
                                             .label = "P1$WINDOW",
                                             .title = "See through",
                                             .width = 150,
                                             .height = 80,
                                             .gray = true,
                                             .controls = kSeeThrough};

TEST_F(Images, TransparentControlsShowTheWallPaperThroughThem) {
  WriteBmp(file("quad.bmp"), kQuadrants);
  Window window(kSeeThroughWindow);
  window.nextEvent();
  window.setPixels(true);
  for (bool tiled : {false, true}) {
    window.setWallPaper(tiled ? "~TestTile.gif" : "quad.bmp");
    window.setTiled(tiled);
    test::PumpMessages(100);
    const Pixels shown = test::ClientPixels(window.handle());
    const Pixels wallPaper = Erased(window.handle(), shown.width, shown.height);
    const auto mismatches = [&](int field, int top, int bottom, auto allowed) {
      int wrong = 0;
      for (int y = window.ypos(field) + top; y < window.ypos(field) + bottom; ++y) {
        for (int x = window.xpos(field); x < window.xpos(field) + window.width(field); ++x) {
          wrong += !allowed(shown.at(x, y), wallPaper.at(x, y));
        }
      }
      return wrong;
    };
    // Around its black letters a transparent prompt shows the wallpaper; the letters show too.
    const int height = window.height(1);
    EXPECT_EQ(mismatches(1, 0, height,
                         [](std::uint32_t pixel, std::uint32_t under) {
                           return pixel == under || pixel == 0;
                         }),
              0)
        << "tiled " << tiled;
    EXPECT_GT(mismatches(1, 0, height,
                         [](std::uint32_t pixel, std::uint32_t under) {
                           return !(pixel == 0 && under != 0);
                         }),
              10)
        << "the text was painted over, tiled " << tiled;
    const std::uint32_t face =
        test::Rgb(GetRValue(GetSysColor(COLOR_BTNFACE)), GetGValue(GetSysColor(COLOR_BTNFACE)),
                  GetBValue(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(
        mismatches(2, 0, height, [&](std::uint32_t pixel, std::uint32_t) { return pixel == face; }),
        0)
        << "tiled " << tiled;
    // Across the group box's title the frame's line is covered by the wallpaper, not drawn
    // through the letters, which are black.
    TEXTMETRICA metrics{};
    {
      const WindowDc dc(window.handle(3));
      const SelectedObject font(
          dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(window.handle(3), WM_GETFONT, 0, 0)));
      GetTextMetricsA(dc.get(), &metrics);
    }
    const int line = metrics.tmHeight / 2 - 1;
    int wrong = 0;
    for (int y = line; y <= line + 1; ++y) {
      for (int x = 9; x < 9 + metrics.tmAveCharWidth * 4; ++x) {
        const int at = window.xpos(3) + x, row = window.ypos(3) + y;
        wrong += shown.at(at, row) != wallPaper.at(at, row) && shown.at(at, row) != 0;
      }
    }
    EXPECT_EQ(wrong, 0) << "tiled " << tiled;
  }
}

TEST_F(Images, SettingWallPapersAThousandTimesLeaksNoHandle) {
  WriteBytes(file("garbage.gif"), "GIF89a garbage");
  Window plain(kPlain);
  const test::NearlyFullGdiTable table;
  ASSERT_GT(table.filled(), 1000);
  for (int i = 0; i < 1000; ++i) {
    plain.setWallPaper(i % 3 == 2 ? "garbage.gif" : "~TestTile.gif");
    plain.setTiled(i % 2 == 0);
    Erased(plain.handle(), 8, 8);
  }
  EXPECT_TRUE(test::NearlyFullGdiTable::CanCreateBrush());
}

}  // namespace
}  // namespace rt
