#pragma once

// Win32 control ids of a window's controls. They start above the ids that dialog keys send
// (IDOK 1 for Enter, IDCANCEL 2 for Escape), so a key never passes for a click on field 1 or 2.
namespace rt {

inline constexpr int kFirstControlId = 0x100;

constexpr int ControlId(int field) {
  return kFirstControlId + field;
}
constexpr int FieldFromControlId(int id) {
  return id - kFirstControlId;
}

}  // namespace rt
