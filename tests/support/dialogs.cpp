#include "tests/support/dialogs.h"

#include "tests/support/wait.h"

namespace test {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK AddChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK AddDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) && ClassOf(window) == "#32770") {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> DialogsOf(DWORD processId) {
  DialogSearch search{processId, {}};
  EnumWindows(AddDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The text the system keeps for a window, read without sending it a message: a control of a
// dialog that is closing may never answer one, and a sender would wait for its whole timeout.
std::string StoredText(HWND window) {
  wchar_t wide[512] = {};
  const int length = InternalGetWindowText(window, wide, 512);
  char text[1024] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, length, text, sizeof text - 1, nullptr, nullptr);
  return text;
}

std::string WithoutMnemonics(const std::string& text) {
  std::string plain;
  for (char c : text) {
    if (c != '&') {
      plain += c;
    }
  }
  return plain;
}

}  // namespace

HWND FindDialogShowing(DWORD processId, const std::string& text, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : DialogsOf(processId)) {
          if (ChildWithText(dialog, text)) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

HWND FindDialogTitled(DWORD processId, const std::string& title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : DialogsOf(processId)) {
          if (StoredText(dialog) == title) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

HWND AnyDialogOf(DWORD processId) {
  const std::vector<HWND> dialogs = DialogsOf(processId);
  return dialogs.empty() ? nullptr : dialogs.front();
}

HWND ChildWithText(HWND window, const std::string& text) {
  for (HWND child : Children(window)) {
    if (WithoutMnemonics(StoredText(child)) == WithoutMnemonics(text)) {
      return child;
    }
  }
  return nullptr;
}

std::vector<std::string> ChildTexts(HWND window, const char* className) {
  std::vector<std::string> texts;
  for (HWND child : Children(window)) {
    if (IsWindowVisible(child) && _stricmp(ClassOf(child).c_str(), className) == 0) {
      texts.push_back(StoredText(child));
    }
  }
  return texts;
}

}  // namespace test
