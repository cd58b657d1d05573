#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "effects/font_fields.h"
#include "effects/text_effect.h"
#include "effects/window_effects.h"
#include "tests/support/temporary_folder.h"

namespace fx {
namespace {

// Points the process's temporary directory (TMP) at a fresh folder of its own for one test.
class PrivateTempFolder : public testing::Test {
 protected:
  void SetUp() override {
    char saved[MAX_PATH] = {};
    hadTmp_ = GetEnvironmentVariableA("TMP", saved, MAX_PATH) > 0;
    savedTmp_ = saved;
    SetEnvironmentVariableA("TMP", folder_.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("TMP", hadTmp_ ? savedTmp_.c_str() : nullptr);
  }

  std::vector<std::string> Files() const { return temporary_.fileNames(); }

  const test::TemporaryFolder temporary_;  // made before TMP points at it
  const std::string& folder_ = temporary_.path();

 private:
  bool hadTmp_ = false;
  std::string savedTmp_;
};

bool IsEmptyFile(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
         data.nFileSizeHigh == 0 && data.nFileSizeLow == 0;
}

std::string ReadFile(const std::string& path) {
  std::string content;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[64];
    content.assign(buffer, std::fread(buffer, 1, sizeof buffer, file));
    std::fclose(file);
  }
  return content;
}

TEST_F(PrivateTempFolder, WindowEffectsOwnsOneEmptyBcrBmpWhileAlive) {
  {
    WindowEffects effects;
    const std::vector<std::string> files = Files();
    ASSERT_EQ(files.size(), 1u);
    const std::string& name = files[0];
    EXPECT_EQ(_strnicmp(name.c_str(), "Bcr", 3), 0) << name;
    EXPECT_EQ(_stricmp(name.c_str() + name.size() - 4, ".bmp"), 0) << name;
    EXPECT_EQ(_stricmp(effects.GRADIENTFILE, (folder_ + "\\" + name).c_str()), 0)
        << effects.GRADIENTFILE;
    EXPECT_TRUE(IsEmptyFile(effects.GRADIENTFILE));
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(PrivateTempFolder, TwoObjectsHaveTwoFiles) {
  {
    WindowEffects first;
    WindowEffects second;
    EXPECT_STRNE(first.GRADIENTFILE, second.GRADIENTFILE);
    EXPECT_EQ(Files().size(), 2u);
  }
  EXPECT_TRUE(Files().empty());
}

TEST_F(PrivateTempFolder, ABmpAlreadyThereIsNeitherTakenNorDeleted) {
  // Windows numbers the names from its tick count: occupy the ".bmp" names of the numbers it
  // is about to pick, as leftovers or another object's files would.
  const unsigned now = GetTickCount() & 0xFFFF;
  std::vector<std::string> occupied;
  for (unsigned number = now; number < now + 40; ++number) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\Bcr%X.bmp", folder_.c_str(), number);
    FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("someone else's", file);
    std::fclose(file);
    occupied.emplace_back(path);
  }
  {
    WindowEffects effects;
    ASSERT_NE(effects.GRADIENTFILE[0], '\0');
    for (const std::string& path : occupied) {
      EXPECT_NE(_stricmp(effects.GRADIENTFILE, path.c_str()), 0);
    }
    EXPECT_TRUE(IsEmptyFile(effects.GRADIENTFILE));
    EXPECT_EQ(Files().size(), occupied.size() + 1);  // no ".tmp" left behind
  }
  EXPECT_EQ(Files().size(), occupied.size());
  for (const std::string& path : occupied) {
    EXPECT_EQ(ReadFile(path), "someone else's") << path;
  }
}

TEST_F(PrivateTempFolder, APathTooLongForTheFieldMakesNoFile) {
  std::string deep = folder_ + "\\";
  deep.append(150 - deep.size(), 'd');
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
  SetEnvironmentVariableA("TMP", deep.c_str());
  {
    WindowEffects effects;
    EXPECT_STREQ(effects.GRADIENTFILE, "");
  }
  EXPECT_TRUE(RemoveDirectoryA(deep.c_str())) << "the folder should be empty";
}

template <typename Effect>
void ExpectSetFontStoresTheSetting() {
  Effect effect;
  EXPECT_EQ(effect.BDOEFFECT, 0);
  EXPECT_STREQ(effect.FONTNAME, "");
  const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
  ASSERT_EQ(forty.size(), 40u);
  effect.SetFont(forty, -24, 700, 1, 0, 1);
  EXPECT_EQ(std::string(effect.FONTNAME), forty.substr(0, 31));
  EXPECT_EQ(effect.FONTSIZE, -24);
  EXPECT_EQ(effect.FONTWEIGHT, 700);
  EXPECT_EQ(effect.ITALICFONT, 1);
  EXPECT_EQ(effect.UNDERLINEFONT, 0);
  EXPECT_EQ(effect.STRIKEOUTFONT, 1);

  effect.SetFont("Verdana", 12, 400, 0, 1, 0);  // a shorter name replaces the longer one
  EXPECT_STREQ(effect.FONTNAME, "Verdana");
  EXPECT_EQ(effect.BDOEFFECT, 0);  // the setting never touches the running flag
}

TEST(SetFont, CutsTheNameTo31CharactersAndStoresTheRest) {
  ExpectSetFontStoresTheSetting<TextEffect>();
  ExpectSetFontStoresTheSetting<WindowEffects>();
}

TEST(FontCreation, MakesTheFontTheFieldsDescribe) {
  TextEffect effect;
  effect.SetFont("Verdana", -24, 700, 1, 1, 1);
  const rt::GdiObject font = CreateEffectFont(effect);
  ASSERT_TRUE(font);
  LOGFONTA made{};
  ASSERT_EQ(GetObjectA(font.get(), sizeof made, &made), static_cast<int>(sizeof made));
  EXPECT_STREQ(made.lfFaceName, "Verdana");
  EXPECT_EQ(made.lfHeight, -24);
  EXPECT_EQ(made.lfWeight, 700);
  EXPECT_EQ(made.lfItalic, 1);
  EXPECT_EQ(made.lfUnderline, 1);
  EXPECT_EQ(made.lfStrikeOut, 1);
  EXPECT_EQ(made.lfWidth, 0);
  EXPECT_EQ(made.lfCharSet, 0);
  EXPECT_EQ(made.lfQuality, 0);
}

struct FieldPlace {
  const char* name;
  std::ptrdiff_t offset;  // after the table pointer
  std::size_t size;
};

template <typename Effect, typename Field>
FieldPlace PlaceOf(const Effect& effect, const char* name, const Field& field) {
  const auto offset = reinterpret_cast<const char*>(&field) -
                      reinterpret_cast<const char*>(&effect) -
                      static_cast<std::ptrdiff_t>(sizeof(void*));
  return {name, offset, sizeof field};
}

void ExpectPlaces(const std::vector<FieldPlace>& actual, const std::vector<FieldPlace>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].offset, expected[i].offset) << expected[i].name;
    EXPECT_EQ(actual[i].size, expected[i].size) << expected[i].name;
  }
}

TEST(FieldLayout, TextEffectFieldsFollowTheTablePointerInOrder) {
  TextEffect e;
  ExpectPlaces(
      {PlaceOf(e, "BDOEFFECT", e.BDOEFFECT), PlaceOf(e, "FONTNAME", e.FONTNAME),
       PlaceOf(e, "FONTSIZE", e.FONTSIZE), PlaceOf(e, "FONTWEIGHT", e.FONTWEIGHT),
       PlaceOf(e, "ITALICFONT", e.ITALICFONT), PlaceOf(e, "UNDERLINEFONT", e.UNDERLINEFONT),
       PlaceOf(e, "STRIKEOUTFONT", e.STRIKEOUTFONT)},
      {{"BDOEFFECT", 0, 4},
       {"FONTNAME", 4, 32},
       {"FONTSIZE", 36, 4},
       {"FONTWEIGHT", 40, 4},
       {"ITALICFONT", 44, 1},
       {"UNDERLINEFONT", 45, 1},
       {"STRIKEOUTFONT", 46, 1}});
}

TEST(FieldLayout, WindowEffectsFieldsFollowTheTablePointerInOrder) {
  WindowEffects e;
  ExpectPlaces(
      {PlaceOf(e, "BDOEFFECT", e.BDOEFFECT), PlaceOf(e, "GRADIENTFILE", e.GRADIENTFILE),
       PlaceOf(e, "FONTNAME", e.FONTNAME), PlaceOf(e, "FONTSIZE", e.FONTSIZE),
       PlaceOf(e, "FONTWEIGHT", e.FONTWEIGHT), PlaceOf(e, "ITALICFONT", e.ITALICFONT),
       PlaceOf(e, "UNDERLINEFONT", e.UNDERLINEFONT), PlaceOf(e, "STRIKEOUTFONT", e.STRIKEOUTFONT)},
      {{"BDOEFFECT", 0, 4},
       {"GRADIENTFILE", 4, 128},
       {"FONTNAME", 132, 32},
       {"FONTSIZE", 164, 4},
       {"FONTWEIGHT", 168, 4},
       {"ITALICFONT", 172, 1},
       {"UNDERLINEFONT", 173, 1},
       {"STRIKEOUTFONT", 174, 1}});
}

#if defined(__GNUC__)
// Under the Itanium ABI a pointer to a virtual member holds 1 + its byte offset in the table.
template <typename Member>
std::ptrdiff_t SlotOf(Member member) {
  struct {
    std::ptrdiff_t pointer, adjustment;
  } raw;
  static_assert(sizeof raw == sizeof member);
  std::memcpy(&raw, &member, sizeof raw);
  return (raw.pointer - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

TEST(VirtualSlots, OperationsKeepTheirSlots) {
  EXPECT_EQ(SlotOf(&TextEffect::AnimateText), 0);
  EXPECT_EQ(SlotOf(&TextEffect::SetFont), 1);
  EXPECT_EQ(SlotOf(&WindowEffects::AnimateText), 0);
  EXPECT_EQ(SlotOf(&WindowEffects::SetFont), 1);
}
#endif

}  // namespace
}  // namespace fx
