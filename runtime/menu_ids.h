#pragma once

// The Win32 command id of a menu entry, derived from its (negative) field number, so that
// tools outside the process can choose an entry by posting WM_COMMAND.
namespace rt {

inline constexpr int kFirstMenuCommandId = 0x7000;
inline constexpr int kLastMenuCommandId = 0x7FFF;

constexpr int MenuCommandId(int field) {
  return kFirstMenuCommandId - field;
}
constexpr int MenuFieldFromCommandId(int id) {
  return kFirstMenuCommandId - id;
}
constexpr bool IsMenuCommandId(int id) {
  return id > kFirstMenuCommandId && id <= kLastMenuCommandId;
}

}  // namespace rt
