#include "effects/flat_border.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace fx {
namespace {

using rt::ControlType;

constexpr std::uint32_t kTransparent = 0x20;  // WS_EX_TRANSPARENT
constexpr std::uint32_t kWindowEdge = 0x100;  // WS_EX_WINDOWEDGE
constexpr std::uint32_t kControlParent = 0x10000;

// Extended styles a control may carry before its border is made flat.
constexpr std::uint32_t kBefore[] = {
    0,
    kTransparent | kClientEdge,
    kStaticEdge | kNoParentNotify,
    kWindowEdge | kClientEdge | kStaticEdge | kControlParent | kTransparent | 0x1,
    0xFFFFFFFF,
};

TEST(FlatBorderStyle, ListedKindsEndAtTheirValueWhateverTheyHadBefore) {
  const struct {
    ControlType type;
    std::uint32_t style;
  } cases[] = {
      {ControlType::Button, 0x20004}, {ControlType::CheckBox, 0x20004},
      {ControlType::Prompt, 0x20004}, {ControlType::RadioButton, 0x20000},
      {ControlType::Text, 0x20204},   {ControlType::Entry, 0x20204},
  };
  for (const auto& each : cases) {
    for (std::uint32_t before : kBefore) {
      EXPECT_EQ(FlatBorderStyle(each.type, before), each.style)
          << "type " << static_cast<int>(each.type) << " before 0x" << std::hex << before;
    }
  }
}

TEST(FlatBorderStyle, OtherKindsKeepOnlyTheLowNineBits) {
  const struct {
    std::uint32_t before;
    std::uint32_t after;
  } cases[] = {
      {0, 0},
      {kTransparent | kClientEdge, kTransparent},
      {kStaticEdge | kNoParentNotify, kNoParentNotify},
      {kWindowEdge | kClientEdge | kStaticEdge | kControlParent | kTransparent | 0x1,
       kWindowEdge | kTransparent | 0x1},
      {0xFFFFFFFF, 0x1FF},
  };
  for (ControlType type : {ControlType::String, ControlType::Region, ControlType::OptionGroup,
                           ControlType::SpinBox, ControlType::Menu, ControlType::MenuEntry,
                           ControlType::Window, ControlType::Panel, ControlType{0}}) {
    for (const auto& each : cases) {
      EXPECT_EQ(FlatBorderStyle(type, each.before), each.after)
          << "type " << static_cast<int>(type) << " before 0x" << std::hex << each.before;
    }
  }
}

TEST(FlatBorderStyle, TwiceEqualsOnce) {
  for (ControlType type :
       {ControlType::Button, ControlType::RadioButton, ControlType::Entry, ControlType::Panel}) {
    for (std::uint32_t before : kBefore) {
      const std::uint32_t once = FlatBorderStyle(type, before);
      EXPECT_EQ(FlatBorderStyle(type, once), once);
    }
  }
}

}  // namespace
}  // namespace fx
