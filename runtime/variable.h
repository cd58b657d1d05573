#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace rt {

// A program variable that a control shows (display) and fills (update).
using Variable = std::variant<std::monostate, std::string*, std::int32_t*, std::uint8_t*>;

// Binds a program variable to the control with this label when a window opens.
struct Use {
  std::string_view label;
  Variable variable;
};

}  // namespace rt
