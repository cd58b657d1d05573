// The capture operations of WindowEffects on the runtime's current window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "effects/bmp_layout.h"
#include "effects/color.h"
#include "effects/window_effects.h"
#include "runtime/window.h"
#include "tests/support/bmp_reader.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/wait.h"

namespace fx {
namespace {

constexpr std::uint32_t kBlue = 0x0000FF;

constexpr rt::WindowDefinition kBlueWindow{.name = "test$captured",
                                           .label = "P1$WINDOW",
                                           .title = "Captured",
                                           .width = 150,
                                           .height = 80,
                                           .resizable = true,
                                           .systemMenu = true,
                                           .color = PackColor(0, 0, 255)};

// The current window, shown and painted.
class CurrentWindow : public testing::Test {
 protected:
  void SetUp() override {
    window.nextEvent();  // shows it: OpenWindow
    test::PumpMessages(50);
  }

  static std::optional<test::BmpFile> Decode(const std::string& path) {
    return test::DecodeBmp(test::ReadAllBytes(path));
  }
  static bool AllPixelsAre(const test::BmpFile& image, std::uint32_t color) {
    for (std::uint32_t pixel : image.pixels) {
      if (pixel != color) {
        return false;
      }
    }
    return true;
  }
  RECT clientRect() const {
    RECT rect{};
    GetClientRect(window.handle(), &rect);
    return rect;
  }

  rt::Window window{kBlueWindow};
  test::TemporaryFolder folder;
};

TEST_F(CurrentWindow, CaptureClientTakesItsClientAreaAndCaptureWindowItsFrameToo) {
  WindowEffects effects;
  effects.CaptureClient(folder.file("client.bmp   "));  // handed on to CaptureToFile unchanged
  std::optional<test::BmpFile> image = Decode(folder.file("client.bmp"));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, clientRect().right);
  EXPECT_EQ(image->height, clientRect().bottom);
  EXPECT_TRUE(AllPixelsAre(*image, kBlue));

  effects.CaptureWindow(folder.file("window.bmp"));
  image = Decode(folder.file("window.bmp"));
  ASSERT_TRUE(image);
  RECT outer{};
  GetWindowRect(window.handle(), &outer);
  EXPECT_EQ(image->width, bmp::WholeWindowCaptureWidth(outer.right - outer.left));
  EXPECT_EQ(image->height, outer.bottom - outer.top);
  POINT client{0, 0};
  ClientToScreen(window.handle(), &client);
  const int left = client.x - outer.left;
  const int top = client.y - outer.top;
  EXPECT_GT(top, 0) << "the caption is above the client area";
  EXPECT_EQ(image->at(left, top), kBlue);
  EXPECT_EQ(image->at(left + clientRect().right - 1, top + clientRect().bottom - 1), kBlue);
  EXPECT_NE(image->at(left, top - 1), kBlue);
}

TEST_F(CurrentWindow, CaptureDesktopTakesTheScreen) {
  WindowEffects effects;
  effects.CaptureDesktop(folder.file("desktop.bmp"));
  const std::optional<test::BmpFile> image = Decode(folder.file("desktop.bmp"));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, bmp::WholeWindowCaptureWidth(GetSystemMetrics(SM_CXSCREEN)));
  EXPECT_EQ(image->height, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(CurrentWindow, CaptureToFileTakesModeZeroOrOneAndWritesNothingForOtherModes) {
  WindowEffects effects;
  effects.CaptureToFile(folder.file("mode0.bmp"), window.handle(), 0);
  effects.CaptureToFile(folder.file("mode1.bmp"), window.handle(), 1);
  effects.CaptureToFile(folder.file("mode2.bmp"), window.handle(), 2);
  effects.CaptureToFile(folder.file("mode255.bmp"), window.handle(), 255);
  EXPECT_EQ(folder.fileNames(), (std::vector<std::string>{"mode0.bmp", "mode1.bmp"}));
  EXPECT_EQ(Decode(folder.file("mode0.bmp"))->width, clientRect().right);
}

TEST_F(CurrentWindow, SaveClientImageWritesTheClientAreaIntoItsOwnFileInPixels) {
  WindowEffects effects;
  window.setPixels(false);
  effects.SaveClientImage();
  EXPECT_TRUE(window.pixels());
  const std::optional<test::BmpFile> image = Decode(effects.GRADIENTFILE);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, clientRect().right);
  EXPECT_EQ(image->height, clientRect().bottom);
  EXPECT_TRUE(AllPixelsAre(*image, kBlue));
}

TEST(NoCurrentWindow, TheWindowCapturesWriteNothing) {
  ASSERT_EQ(rt::CurrentWindow(), nullptr);
  test::TemporaryFolder folder;
  WindowEffects effects;
  effects.CaptureClient(folder.file("client.bmp"));
  effects.CaptureWindow(folder.file("window.bmp"));
  effects.SaveClientImage();
  EXPECT_TRUE(folder.fileNames().empty());
  EXPECT_TRUE(test::ReadAllBytes(effects.GRADIENTFILE).empty());
}

}  // namespace
}  // namespace fx
