#include "runtime/color_dialog.h"

#include <windows.h>
#include <commdlg.h>
#include <colordlg.h>
#include <windowsx.h>

#include <array>
#include <climits>
#include <string>

#include "runtime/window.h"

namespace rt {
namespace {

// The custom colours the user defined, kept for the thread's next dialog.
thread_local std::array<COLORREF, 16> customColors = [] {
  std::array<COLORREF, 16> white;
  white.fill(RGB(255, 255, 255));
  return white;
}();

// The text above the basic colours' grid: the closest static control above it.
HWND LabelAbove(HWND dialog, HWND grid) {
  RECT gridArea{};
  GetWindowRect(grid, &gridArea);
  HWND label = nullptr;
  LONG closest = LONG_MAX;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    RECT area{};
    GetWindowRect(child, &area);
    const bool besideGrid = area.left < gridArea.right && area.right > gridArea.left;
    if (child != grid && lstrcmpiA(className, "Static") == 0 && besideGrid &&
        area.bottom <= gridArea.top && gridArea.top - area.bottom < closest) {
      closest = gridArea.top - area.bottom;
      label = child;
    }
  }
  return label;
}

UINT_PTR CALLBACK Hook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* choose = reinterpret_cast<const CHOOSECOLORA*>(lParam);
      const auto& args = *reinterpret_cast<const ColorDialogArgs*>(choose->lCustData);
      SetWindowTextA(dialog, std::string(args.title).c_str());
      if (!args.standardColors) {
        HWND grid = GetDlgItem(dialog, COLOR_BOX1);
        if (HWND label = LabelAbove(dialog, grid)) {
          ShowWindow(label, SW_HIDE);
        }
        ShowWindow(grid, SW_HIDE);
      }
      return FALSE;  // the dialog sets the focus
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The dialog picks a basic colour by where the click falls, hidden grid or not.
      HWND grid = GetDlgItem(dialog, COLOR_BOX1);
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(dialog, &at);
      RECT gridArea{};
      GetWindowRect(grid, &gridArea);
      return !IsWindowVisible(grid) && PtInRect(&gridArea, at);
    }
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::int32_t> ColorDialog(const ColorDialogArgs& args) {
  const Window* current = CurrentWindow();
  CHOOSECOLORA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = current ? current->handle() : nullptr;
  choose.rgbResult = static_cast<COLORREF>(args.initial) & 0xFFFFFF;
  choose.lpCustColors = customColors.data();
  choose.Flags = CC_RGBINIT | CC_ENABLEHOOK | (args.standardColors ? 0 : CC_FULLOPEN);
  choose.lCustData = reinterpret_cast<LPARAM>(&args);
  choose.lpfnHook = Hook;
  if (!ChooseColorA(&choose)) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(choose.rgbResult);
}

}  // namespace rt
