#include "tirval/copy_window.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/file_dialog.h"
#include "framework/procedure_window.h"
#include "framework/window_resizer.h"
#include "runtime/message.h"
#include "tirval/definitions.h"
#include "tirval/shell_path_list.h"

namespace tirval {
namespace {

constexpr int kLookUpFileField = 2;
constexpr int kCopyButtonField = 6;
constexpr int kCloseButtonField = 7;

class CopyWindowManager : public fw::ProcedureWindow {
 public:
  CopyWindowManager(std::string& source, const std::string& destination,
                    std::span<const rt::Use> uses)
      : ProcedureWindow("CopyWindow", kCopyWindow, uses),
        source_(source),
        destination_(destination) {}

 protected:
  void setUp() override {
    resizer_.attach(*window());
    registerResizer(resizer_);
    files_.addFilter("All Files", "*.*");
    files_.setTitle("Select File to copy");
  }

  fw::Level accepted() override {
    const int field = window()->acceptedField();
    if (field == kCopyButtonField) {
      copy();
    } else if (field == kCloseButtonField) {
      postCloseWindow();
    }
    const fw::Level level = ProcedureWindow::accepted();
    if (field == kLookUpFileField) {
      window()->update();
      // The whole name, even beyond the 127 characters the entry lets the user type: a name cut
      // short would name another file or none.
      source_ = files_.askFileName(window()->handle());
      window()->display();
    }
    return level;
  }

 private:
  // Hands the copy to the shell, which shows its own progress and questions, and tells the user
  // when it failed or was stopped.
  void copy() {
    window()->update();
    const std::string from = ShellPathList(source_);
    const std::string to = ShellPathList(destination_);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = window()->handle();
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = FOF_SIMPLEPROGRESS | FOF_ALLOWUNDO;
    const int result = SHFileOperationA(&operation);
    if (result != 0) {
      rt::ShowMessage("Error", "", rt::MessageIcon::None);
    } else if (operation.fAnyOperationsAborted) {
      rt::ShowMessage("Operation Failed", "", rt::MessageIcon::None);
    }
  }

  std::string& source_;
  const std::string& destination_;
  fw::WindowResizer resizer_;
  fw::FileDialog files_;
};

}  // namespace

void CopyWindow() {
  std::string source;
  std::string destination;
  const rt::Use uses[] = {{"?SOURCE", &source}, {"?DEST", &destination}};
  CopyWindowManager manager(source, destination, uses);
  manager.run();
  manager.closeWindow();
}

}  // namespace tirval
