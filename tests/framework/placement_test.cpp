// The INI manager's window placement: saved in dialog units, restored exactly, bad values skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/ini_manager.h"
#include "runtime/window.h"
#include "tests/support/wait.h"

namespace fw {
namespace {

constexpr rt::WindowDefinition kResizable{.name = "test$frame",
                                          .label = "P1$APPFRAME",
                                          .title = "Placed",
                                          .width = 200,
                                          .height = 120,
                                          .resizable = true,
                                          .systemMenu = true,
                                          .maximizeBox = true,
                                          .applicationFrame = true};
constexpr rt::WindowDefinition kFixed{
    .name = "test$fixed", .label = "P1$WINDOW", .title = "Fixed", .width = 120, .height = 80};

class Placement : public testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    char name[MAX_PATH] = {};
    GetTempFileNameA(folder, "ini", 0, name);
    path = name;
    ini.open(path);
  }
  void TearDown() override {
    ini.close();
    DeleteFileA(path.c_str());
  }
  std::string value(const char* key) const { return ini.fetch("Main", key, "(none)"); }

  std::string path;
  IniManager ini;
};

TEST_F(Placement, SavedPlacementIsRestoredInANewWindow) {
  int x = 0, y = 0, width = 0, height = 0;
  {
    rt::Window window(kResizable);
    window.nextEvent();
    window.setPixels(true);  // the saved values are dialog units all the same
    window.setPosition(37, 53);
    window.setSize(420, 260);
    test::PumpMessages(20);
    window.setPixels(false);
    x = window.xpos(), y = window.ypos(), width = window.width(), height = window.height();
    window.setPixels(true);
    ASSERT_TRUE(ini.updatePlacement("Main", window));
    EXPECT_TRUE(window.pixels());
  }
  EXPECT_EQ(value("Maximize"), "No");
  EXPECT_EQ(value("XPos"), std::to_string(x));
  EXPECT_EQ(value("YPos"), std::to_string(y));
  EXPECT_EQ(value("Width"), std::to_string(width));
  EXPECT_EQ(value("Height"), std::to_string(height));

  rt::Window again(kResizable);
  ini.fetchPlacement("Main", again);
  EXPECT_FALSE(IsWindowVisible(again.handle()));
  EXPECT_EQ(again.xpos(), x);
  EXPECT_EQ(again.ypos(), y);
  EXPECT_EQ(again.width(), width);
  EXPECT_EQ(again.height(), height);
  // And saving it again writes the same values: no drift from restart to restart.
  ASSERT_TRUE(ini.updatePlacement("Main", again));
  EXPECT_EQ(value("Width"), std::to_string(width));
  EXPECT_EQ(value("XPos"), std::to_string(x));
}

TEST_F(Placement, MaximisedWindowKeepsItsPositionUnwrittenAndComesBackMaximised) {
  ini.update("Main", "XPos", "11");
  ini.update("Main", "YPos", "12");
  {
    rt::Window window(kResizable);
    window.nextEvent();
    window.maximize();
    ASSERT_TRUE(ini.updatePlacement("Main", window));
  }
  EXPECT_EQ(value("Maximize"), "Yes");
  EXPECT_EQ(value("XPos"), "11");
  EXPECT_EQ(value("YPos"), "12");
  rt::Window again(kResizable);
  ini.fetchPlacement("Main", again);
  EXPECT_TRUE(again.maximized());
}

TEST_F(Placement, MinimisedWindowWritesNothingAndFixedSizeWindowNoSize) {
  {
    rt::Window window(kResizable);
    window.nextEvent();
    ShowWindow(window.handle(), SW_MINIMIZE);
    ASSERT_TRUE(window.minimized());
    EXPECT_TRUE(ini.updatePlacement("Main", window));
  }
  EXPECT_EQ(value("Maximize"), "(none)");
  EXPECT_EQ(value("XPos"), "(none)");
  rt::Window fixed(kFixed);
  ASSERT_TRUE(ini.updatePlacement("Main", fixed));
  EXPECT_EQ(value("Maximize"), "No");
  EXPECT_NE(value("XPos"), "(none)");
  EXPECT_EQ(value("Width"), "(none)");
  EXPECT_EQ(value("Height"), "(none)");
}

TEST_F(Placement, MissingOrBadValuesLeaveTheWindowAsItWas) {
  struct Case {
    const char* key;
    const char* value;
  };
  const Case cases[] = {
      {"Width", "abc"},
      {"Width", "0"},
      {"Width", "-50"},
      {"Height", "12x"},
      {"XPos", ""},
      {"XPos", "1e9"},
      {"YPos", " "},
      {"Maximize", "yes please"},
      {"Height", "9999999999999"},
  };
  rt::Window reference(kResizable);
  for (const Case& c : cases) {
    WritePrivateProfileStringA("Main", nullptr, nullptr, path.c_str());  // no section at all
    ini.update("Main", c.key, c.value);
    rt::Window window(kResizable);
    ini.fetchPlacement("Main", window);
    EXPECT_EQ(window.width(), reference.width()) << c.key << "=" << c.value;
    EXPECT_EQ(window.height(), reference.height()) << c.key << "=" << c.value;
    EXPECT_FALSE(window.maximized()) << c.key << "=" << c.value;
    EXPECT_FALSE(IsWindowVisible(window.handle())) << c.key << "=" << c.value;
  }
}

}  // namespace
}  // namespace fw
