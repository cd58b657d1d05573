#include "tests/support/drag_setting.h"

#include <windows.h>

namespace test {

std::string StoredDragFullWindows() {
  char value[8] = {};
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "DragFullWindows", RRF_RT_REG_SZ,
               nullptr, value, &size);
  return value;
}

void StoreDragFullWindows(bool on) {
  SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, on, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

}  // namespace test
