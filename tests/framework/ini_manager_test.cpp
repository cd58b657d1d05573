#include "framework/ini_manager.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "runtime/window.h"
#include "tests/support/wait.h"

namespace fw {
namespace {

TEST(SettingsPath, PlainNameLivesBesideTheExecutable) {
  struct Case {
    const char* name;
    const char* executable;
    const char* expected;
  };
  const Case cases[] = {
      {"tirval.INI", "C:\\apps\\demo\\tirval.exe", "C:\\apps\\demo\\tirval.INI"},
      {"tirval.INI", "Z:/work/build/tirval.exe", "Z:/work/build\\tirval.INI"},
      {"tirval.INI", "tirval.exe", ".\\tirval.INI"},
      {"C:\\settings\\x.ini", "C:\\apps\\x.exe", "C:\\settings\\x.ini"},
      {"sub\\x.ini", "C:\\apps\\x.exe", "sub\\x.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SettingsPath(c.name, c.executable), c.expected) << c.name;
  }
}

class Settings : public testing::Test {
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
  std::string path;
  IniManager ini;
};

TEST_F(Settings, UpdatedValueIsFetchedBackAndWrittenAsAProfile) {
  EXPECT_EQ(ini.path(), path);
  EXPECT_EQ(ini.fetch("Preserved", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ini.fetch("Preserved", "Missing"), "");
  ASSERT_TRUE(ini.update("Preserved", "lumboGLO:WallPaper", "~BkgndG1.gif"));
  EXPECT_EQ(ini.fetch("Preserved", "lumboGLO:WallPaper"), "~BkgndG1.gif");
  char raw[64] = {};
  GetPrivateProfileStringA("Preserved", "lumboGLO:WallPaper", "", raw, sizeof raw, path.c_str());
  EXPECT_STREQ(raw, "~BkgndG1.gif");
}

TEST_F(Settings, LongValuesComeBackWhole) {
  const std::string longValue(1000, 'x');
  ASSERT_TRUE(ini.update("S", "K", longValue));
  EXPECT_EQ(ini.fetch("S", "K"), longValue);
  ASSERT_TRUE(ini.update("S", "K", ""));
  EXPECT_EQ(ini.fetch("S", "K", "unused"), "");
}

TEST_F(Settings, ClosedManagerReadsNothingAndWritesNothing) {
  ini.close();
  EXPECT_FALSE(ini.isOpen());
  EXPECT_EQ(ini.fetch("S", "K", "fallback"), "fallback");
  EXPECT_FALSE(ini.update("S", "K", "v"));
}

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

// A saved placement value of section "Main", or "(none)".
std::string Saved(const IniManager& ini, const char* key) {
  return ini.fetch("Main", key, "(none)");
}

TEST_F(Settings, PlacementSavedPlacementIsRestoredInANewWindow) {
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
  EXPECT_EQ(Saved(ini, "Maximize"), "No");
  EXPECT_EQ(Saved(ini, "XPos"), std::to_string(x));
  EXPECT_EQ(Saved(ini, "YPos"), std::to_string(y));
  EXPECT_EQ(Saved(ini, "Width"), std::to_string(width));
  EXPECT_EQ(Saved(ini, "Height"), std::to_string(height));

  rt::Window again(kResizable);
  ini.fetchPlacement("Main", again);
  EXPECT_FALSE(IsWindowVisible(again.handle()));
  EXPECT_EQ(again.xpos(), x);
  EXPECT_EQ(again.ypos(), y);
  EXPECT_EQ(again.width(), width);
  EXPECT_EQ(again.height(), height);
  // And saving it again writes the same values: no drift from restart to restart.
  ASSERT_TRUE(ini.updatePlacement("Main", again));
  EXPECT_EQ(Saved(ini, "Width"), std::to_string(width));
  EXPECT_EQ(Saved(ini, "XPos"), std::to_string(x));
}

TEST_F(Settings, PlacementMaximisedWindowKeepsItsPositionUnwrittenAndComesBackMaximised) {
  ini.update("Main", "XPos", "11");
  ini.update("Main", "YPos", "12");
  {
    rt::Window window(kResizable);
    window.nextEvent();
    window.maximize();
    ASSERT_TRUE(ini.updatePlacement("Main", window));
  }
  EXPECT_EQ(Saved(ini, "Maximize"), "Yes");
  EXPECT_EQ(Saved(ini, "XPos"), "11");
  EXPECT_EQ(Saved(ini, "YPos"), "12");
  rt::Window again(kResizable);
  ini.fetchPlacement("Main", again);
  EXPECT_TRUE(again.maximized());
}

TEST_F(Settings, PlacementMinimisedWindowWritesNothingAndFixedSizeWindowNoSize) {
  {
    rt::Window window(kResizable);
    window.nextEvent();
    ShowWindow(window.handle(), SW_MINIMIZE);
    ASSERT_TRUE(window.minimized());
    EXPECT_TRUE(ini.updatePlacement("Main", window));
  }
  EXPECT_EQ(Saved(ini, "Maximize"), "(none)");
  EXPECT_EQ(Saved(ini, "XPos"), "(none)");
  rt::Window fixed(kFixed);
  ASSERT_TRUE(ini.updatePlacement("Main", fixed));
  EXPECT_EQ(Saved(ini, "Maximize"), "No");
  EXPECT_NE(Saved(ini, "XPos"), "(none)");
  EXPECT_EQ(Saved(ini, "Width"), "(none)");
  EXPECT_EQ(Saved(ini, "Height"), "(none)");
}

TEST_F(Settings, PlacementMissingOrBadValuesLeaveTheWindowAsItWas) {
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
