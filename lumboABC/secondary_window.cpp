#include "lumboABC/secondary_window.h"

#include "effects/text_effect.h"
#include "framework/procedure_window.h"
#include "lumboABC/definitions.h"
#include "lumboABC/saved_background.h"
#include "runtime/thread.h"

namespace lumbo {
namespace {

constexpr char kProcedure[] = "w1";
constexpr std::size_t kStackBytes = 25000;
constexpr DWORD kAnimationMs = 200;
constexpr DWORD kOpenFlags = AW_ACTIVATE | AW_CENTER;  // 0x20010: grows out of its centre
constexpr DWORD kCloseFlags = AW_HIDE | AW_CENTER;     // 0x10010: shrinks into it

class SecondaryManager : public fw::ProcedureWindow {
 public:
  explicit SecondaryManager(fx::AnimationFunction function)
      : ProcedureWindow(kProcedure, kSecondaryWindow), function_(function) {}

 protected:
  void setUp() override {
    rt::Window& window = *this->window();
    // Read now, not taken from the frame: a window keeps the background it opened with.
    window.setWallPaper(FetchSavedBackground());
    window.setTiled(true);
    fx::AnimateOpening(window, kAnimationMs, kOpenFlags, function_);
  }

  void closeDown() override {
    if (opened()) {
      fx::AnimateClosing(*window(), kAnimationMs, kCloseFlags, function_);
    }
  }

 private:
  fx::AnimationFunction function_;
  // Part of every secondary window, though none of its steps animates text.
  fx::TextEffect textEffect_;
};

}  // namespace

void RunSecondaryWindow(fx::AnimationFunction function) {
  SecondaryManager window(function);
  window.run();
  window.closeWindow();
}

void w1() {
  RunSecondaryWindow({});
}

bool StartSecondaryWindow() {
  return rt::StartThread(w1, kStackBytes);
}

}  // namespace lumbo
