#include "runtime/standard_actions.h"

#include <windows.h>
#include <commdlg.h>

#include "runtime/window.h"

namespace rt {
namespace {

void PrinterSetup(HWND owner) {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_PRINTSETUP;
  PrintDlgA(&dialog);
  // The dialog hands back the chosen printer's settings; nothing here keeps them.
  GlobalMemory devMode(dialog.hDevMode);
  GlobalMemory devNames(dialog.hDevNames);
}

void SendToFocus(UINT message) {
  if (HWND focus = GetFocus()) {
    SendMessageA(focus, message, 0, 0);
  }
}

}  // namespace

void RunStandardAction(StandardAction action, const Window& window) {
  const HWND client = window.clientHandle();
  const bool hasChildren = client != window.handle();
  switch (action) {
    case StandardAction::None:
    case StandardAction::HelpContents:  // both need a help file, and the programs name none
    case StandardAction::HelpSearch:
      break;
    case StandardAction::PrintSetup:
      PrinterSetup(window.handle());
      break;
    case StandardAction::CloseWindow:
      PostMessageA(window.handle(), WM_CLOSE, 0, 0);
      break;
    case StandardAction::Cut:
      SendToFocus(WM_CUT);
      break;
    case StandardAction::Copy:
      SendToFocus(WM_COPY);
      break;
    case StandardAction::Paste:
      SendToFocus(WM_PASTE);
      break;
    case StandardAction::Tile:
      if (hasChildren) {
        SendMessageA(client, WM_MDITILE, MDITILE_VERTICAL, 0);
      }
      break;
    case StandardAction::Cascade:
      if (hasChildren) {
        SendMessageA(client, WM_MDICASCADE, 0, 0);
      }
      break;
    case StandardAction::ArrangeIcons:
      if (hasChildren) {
        SendMessageA(client, WM_MDIICONARRANGE, 0, 0);
      }
      break;
    case StandardAction::HelpOnHelp:
      WinHelpA(window.handle(), nullptr, HELP_HELPONHELP, 0);
      break;
  }
}

}  // namespace rt
