// The Animated Copy demo of the real tirval.exe: files copied by the shell into folders of the
// program's temporary folder, its questions answered and its messages read as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "runtime/control_ids.h"
#include "runtime/menu_ids.h"
#include "tests/support/dialogs.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"
#include "tests/tirval/e2e.h"

namespace {

constexpr char kFrameTitle[] = "Animation Effects Demo";
constexpr char kTitle[] = "Copy File";
constexpr int kSource = 1;
constexpr int kLookUpFile = 2;
constexpr int kDestination = 4;
constexpr int kCopy = 6;
constexpr int kClose = 7;
constexpr int kFileDialogName = 0x47C;  // cmb13

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

std::string ReadFile(const std::string& path) {
  std::ostringstream contents;
  contents << std::ifstream(path, std::ios::binary).rdbuf();
  return contents.str();
}

class TirvalCopy : public testing::Test {
 protected:
  void SetUp() override {
    frame = program.findWindow(kFrameTitle);
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-14), 0);
    window = program.findWindow(kTitle);
    ASSERT_NE(window, nullptr) << "Demo, Animated Copy opened no window";
    folder = program.folder();
    WriteFile(folder + "\\source.txt", "the file to copy");
    CreateDirectoryA((folder + "\\target").c_str(), nullptr);
  }

  HWND control(int field) const { return GetDlgItem(window, rt::ControlId(field)); }
  void type(int field, const std::string& text) const {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(control(field), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                        SMTO_ABORTIFHUNG, 2000, &result);
  }
  void press(int field) const { PostMessageA(control(field), BM_CLICK, 0, 0); }
  // Copies `source` to `destination` as typed into the entries.
  void copy(const std::string& source, const std::string& destination) const {
    type(kSource, source);
    type(kDestination, destination);
    press(kCopy);
  }
  // Waits for the program's message box showing `text`, checks it is text only with one OK
  // button and an empty title, and closes it.
  void answerMessage(const std::string& text) const {
    HWND box = test::FindDialogShowing(program.processId(), text);
    ASSERT_NE(box, nullptr) << "no message \"" << text << "\"";
    EXPECT_EQ(test::WindowText(box), "");
    EXPECT_EQ(test::ChildTexts(box, "Button"), std::vector<std::string>{"OK"});
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(box); }, 3000));
  }
  // No dialog box of the program shows up for a while.
  bool staysQuiet() const {
    return !test::WaitUntil([&] { return test::AnyDialogOf(program.processId()) != nullptr; }, 500);
  }

  test::LaunchedProgram program{test::TirvalExecutable()};
  HWND frame = nullptr;
  HWND window = nullptr;
  std::string folder;
};

TEST_F(TirvalCopy, CopiesAFileIntoAFolderWithoutAMessage) {
  copy(folder + "\\source.txt", folder + "\\target");
  const std::string copied = folder + "\\target\\source.txt";
  ASSERT_TRUE(test::WaitUntil([&] { return Exists(copied); }, 5000));
  EXPECT_TRUE(staysQuiet());
  EXPECT_EQ(ReadFile(copied), "the file to copy");
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(TirvalCopy, CopyingAgainAndAnsweringNoToTheOverwriteQuestionSaysOperationFailed) {
  copy(folder + "\\source.txt", folder + "\\target");
  ASSERT_TRUE(test::WaitUntil([&] { return Exists(folder + "\\target\\source.txt"); }, 5000));
  ASSERT_TRUE(staysQuiet());
  WriteFile(folder + "\\target\\source.txt", "kept");
  press(kCopy);
  HWND question = nullptr;
  HWND no = nullptr;
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        question = test::AnyDialogOf(program.processId());
        no = question ? test::ChildWithText(question, "No") : nullptr;
        return no && IsWindowEnabled(no);
      },
      5000))
      << "the shell asked nothing with a No button";
  // What a click on No sends.
  PostMessageA(question, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(no), BN_CLICKED),
               reinterpret_cast<LPARAM>(no));
  answerMessage("Operation Failed");
  EXPECT_EQ(ReadFile(folder + "\\target\\source.txt"), "kept");
  EXPECT_TRUE(IsWindow(window));
}

TEST_F(TirvalCopy, MissingSourceSaysError) {
  copy(folder + "\\no such file.txt", folder + "\\target");
  answerMessage("Error");
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(test::WindowText(control(kSource)), folder + "\\no such file.txt");
}

TEST_F(TirvalCopy, PathsOf127CharactersAreCopied) {
  // Both the source and the destination folder fill the entries to their last character.
  const std::string base = folder + "\\";
  ASSERT_LT(base.size() + 10, 127u) << "temporary folder too deep for this test";
  const std::string target = base + std::string(127 - base.size(), 'd');
  const std::string source = base + std::string(127 - base.size() - 4, 's') + ".txt";
  ASSERT_EQ(target.size(), 127u);
  ASSERT_EQ(source.size(), 127u);
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  WriteFile(source, "long");
  copy(source, target);
  const std::string copied = target + source.substr(base.size() - 1);
  ASSERT_TRUE(test::WaitUntil([&] { return Exists(copied); }, 5000)) << copied;
  EXPECT_TRUE(staysQuiet());
  EXPECT_EQ(ReadFile(copied), "long");
}

TEST_F(TirvalCopy, TheFileDialogFillsTheSourceAndCancellingEmptiesIt) {
  type(kSource, "typed before");
  press(kLookUpFile);
  HWND dialog = test::FindDialogTitled(program.processId(), "Select File to copy", 10000);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
  const std::string chosen = folder + "\\source.txt";
  SetDlgItemTextA(dialog, kFileDialogName, chosen.c_str());
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(test::WaitUntil(
      [&] { return _stricmp(test::WindowText(control(kSource)).c_str(), chosen.c_str()) == 0; },
      5000))
      << test::WindowText(control(kSource));

  press(kLookUpFile);
  dialog = test::FindDialogTitled(program.processId(), "Select File to copy", 10000);
  ASSERT_NE(dialog, nullptr);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(test::WaitUntil([&] { return test::WindowText(control(kSource)).empty(); }, 5000));
}

TEST_F(TirvalCopy, AChosenPathLongerThanTheEntryTakesIsKeptWholeAndCopied) {
  const std::string deep = folder + "\\" + std::string(100, 'd');
  ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
  const std::string chosen = deep + "\\" + std::string(40, 'f') + ".txt";
  ASSERT_GT(chosen.size(), 127u);
  WriteFile(chosen, "far away");
  press(kLookUpFile);
  HWND dialog = test::FindDialogTitled(program.processId(), "Select File to copy", 10000);
  ASSERT_NE(dialog, nullptr);
  SetDlgItemTextA(dialog, kFileDialogName, chosen.c_str());
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(test::WaitUntil(
      [&] { return _stricmp(test::WindowText(control(kSource)).c_str(), chosen.c_str()) == 0; },
      5000))
      << test::WindowText(control(kSource));
  type(kDestination, folder + "\\target");
  press(kCopy);
  const std::string copied = folder + "\\target\\" + std::string(40, 'f') + ".txt";
  ASSERT_TRUE(test::WaitUntil([&] { return Exists(copied); }, 5000));
  EXPECT_TRUE(staysQuiet());
  EXPECT_EQ(ReadFile(copied), "far away");
}

TEST_F(TirvalCopy, ControlsFollowTheWindowWhenItIsResized) {
  RECT before{};
  GetWindowRect(control(kClose), &before);
  RECT frameRect{};
  GetWindowRect(window, &frameRect);
  SetWindowPos(window, nullptr, 0, 0, frameRect.right - frameRect.left + 200,
               frameRect.bottom - frameRect.top + 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT after{};
  EXPECT_TRUE(test::WaitUntil(
      [&] {
        GetWindowRect(control(kClose), &after);
        return after.right > before.right + 100;
      },
      3000));
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(TirvalCopy, CloseButtonAndCloseBoxBothClose) {
  press(kClose);
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(window); }, 3000));
  EXPECT_TRUE(test::WaitUntil([&] { return IsWindowEnabled(frame) != FALSE; }, 3000));
  PostMessageA(frame, WM_COMMAND, rt::MenuCommandId(-14), 0);
  window = program.findWindow(kTitle);
  ASSERT_NE(window, nullptr);
  PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(window); }, 3000));
  PostMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.waitForExit(10000));
}

}  // namespace
