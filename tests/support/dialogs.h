#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Finding and reading the dialog boxes a program shows (message boxes, the shell's questions,
// the file dialog), from its own process or from another one. Texts are read as the system keeps
// them, without a message to the program.
namespace test {

// A visible top-level dialog box (class "#32770") of process `processId` with one child control
// showing `text`, waiting up to `timeoutMs`; nullptr when none appeared.
HWND FindDialogShowing(DWORD processId, const std::string& text, DWORD timeoutMs = 5000);
// A visible top-level dialog box of process `processId` titled `title`, waiting up to
// `timeoutMs`; nullptr when none appeared.
HWND FindDialogTitled(DWORD processId, const std::string& title, DWORD timeoutMs = 5000);
// Any visible top-level dialog box of process `processId`, or nullptr.
HWND AnyDialogOf(DWORD processId);
// The child control of `window` whose text is `text` (after '&' mnemonics), or nullptr.
HWND ChildWithText(HWND window, const std::string& text);
// The texts of `window`'s visible child controls of one window class ("Button", "Static").
std::vector<std::string> ChildTexts(HWND window, const char* className);

}  // namespace test
