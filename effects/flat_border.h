#pragma once

#include <array>
#include <cstdint>

#include "runtime/window_definition.h"

// Which extended window style gives a control of each kind its flat, thin-edged border.
namespace fx {

inline constexpr std::uint32_t kStaticEdge = 0x00020000;      // WS_EX_STATICEDGE
inline constexpr std::uint32_t kClientEdge = 0x00000200;      // WS_EX_CLIENTEDGE
inline constexpr std::uint32_t kNoParentNotify = 0x00000004;  // WS_EX_NOPARENTNOTIFY
// What a control of another kind keeps of its style: every edge and every higher bit goes.
inline constexpr std::uint32_t kKeptByOtherKinds = 0x1FF;

struct FlatBorderRule {
  rt::ControlType type;
  std::uint32_t style;
};

// Looked up in this order; the first rule of the control's kind decides.
inline constexpr std::array<FlatBorderRule, 6> kFlatBorderRules{{
    {rt::ControlType::Button, kStaticEdge | kNoParentNotify},
    {rt::ControlType::CheckBox, kStaticEdge | kNoParentNotify},
    {rt::ControlType::Prompt, kStaticEdge | kNoParentNotify},
    {rt::ControlType::RadioButton, kStaticEdge},
    {rt::ControlType::Text, kStaticEdge | kClientEdge | kNoParentNotify},
    {rt::ControlType::Entry, kStaticEdge | kClientEdge | kNoParentNotify},
}};

// The extended style that replaces `current` on a control of kind `type`: the whole value, not
// bits to combine with the old ones.
constexpr std::uint32_t FlatBorderStyle(rt::ControlType type, std::uint32_t current) {
  for (const FlatBorderRule& rule : kFlatBorderRules) {
    if (rule.type == type) {
      return rule.style;
    }
  }
  return current & kKeptByOtherKinds;
}

}  // namespace fx
