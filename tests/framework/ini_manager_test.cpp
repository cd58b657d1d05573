#include "framework/ini_manager.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace fw
