#include "framework/file_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "runtime/window.h"
#include "tests/support/dialogs.h"
#include "tests/support/launched_program.h"
#include "tests/support/wait.h"

namespace fw {
namespace {

constexpr rt::WindowDefinition kOwner{
    .name = "test$owner", .label = "P1$WINDOW", .title = "Owner", .width = 120, .height = 60};

constexpr char kTitle[] = "Select File to copy";
constexpr int kFileName = 0x47C;   // cmb13
constexpr int kFileTypes = 0x470;  // cmb1

// A file that exists for the life of the test.
class TemporaryFile {
 public:
  TemporaryFile() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    char name[MAX_PATH] = {};
    GetTempFileNameA(folder, "fd", 0, name);
    path_ = name;
  }
  ~TemporaryFile() { DeleteFileA(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

class FileDialogTest : public testing::Test {
 protected:
  FileDialogTest() {
    dialog.addFilter("All Files", "*.*");
    dialog.setTitle(kTitle);
  }

  // Asks for a file name while `user` works the dialog from another thread.
  std::string Ask(const std::function<void(HWND dialog)>& user) {
    std::thread userThread([&] {
      HWND shown = test::FindDialogTitled(GetCurrentProcessId(), kTitle, 20000);
      if (!shown) {
        ADD_FAILURE() << "no file dialog appeared";
        return;
      }
      user(shown);
      // A dialog left open would hang the test: cancel it.
      if (!test::WaitUntil([&] { return !IsWindow(shown); }, 5000)) {
        ADD_FAILURE() << "the file dialog stayed open";
        PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
      }
    });
    std::string name = dialog.askFileName(owner.handle());
    userThread.join();
    return name;
  }

  rt::Window owner{kOwner};
  FileDialog dialog;
};

void Choose(HWND dialog, const std::string& path) {
  SetDlgItemTextA(dialog, kFileName, path.c_str());
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(FileDialogTest, ReturnsTheChosenFilesFullPathFromAnOwnedDialogWithTheFilter) {
  const TemporaryFile file;
  HWND dialogOwner = nullptr;
  std::string fileType;
  const std::string chosen = Ask([&](HWND shown) {
    dialogOwner = GetWindow(shown, GW_OWNER);
    char text[64] = {};
    SendDlgItemMessageA(shown, kFileTypes, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    fileType = text;
    Choose(shown, file.path());
  });
  EXPECT_EQ(_stricmp(chosen.c_str(), file.path().c_str()), 0) << chosen;
  EXPECT_EQ(dialogOwner, owner.handle());
  EXPECT_EQ(fileType, "All Files");
}

TEST_F(FileDialogTest, CancellingGivesAnEmptyName) {
  EXPECT_EQ(Ask([](HWND shown) { PostMessageA(shown, WM_COMMAND, IDCANCEL, 0); }), "");
}

TEST_F(FileDialogTest, AFileThatDoesNotExistIsRefused) {
  const TemporaryFile file;
  const std::string missing = file.path() + ".missing";
  bool refused = false;
  const std::string chosen = Ask([&](HWND shown) {
    Choose(shown, missing);
    // The dialog says so in a box of its own and stays open.
    refused = test::WaitUntil(
        [&] {
          HWND box = test::AnyDialogOf(GetCurrentProcessId());
          if (box && box != shown && GetWindow(box, GW_OWNER) == shown) {
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return true;
          }
          return false;
        },
        5000);
    test::WaitUntil([&] { return test::AnyDialogOf(GetCurrentProcessId()) == shown; }, 5000);
    PostMessageA(shown, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_TRUE(refused);
  EXPECT_EQ(chosen, "");
}

TEST(FileDialog, TitleIsCutToEightyCharacters) {
  FileDialog dialog;
  dialog.setTitle(std::string(100, 'T'));
  EXPECT_EQ(dialog.title(), std::string(80, 'T'));
  dialog.setTitle(kTitle);
  EXPECT_EQ(dialog.title(), kTitle);
}

}  // namespace
}  // namespace fw
