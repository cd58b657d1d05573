#include "effects/text_animation.h"

#include <mmsystem.h>

#include <algorithm>

#include "effects/spacing_schedule.h"
#include "runtime/handles.h"

namespace fx {
namespace {

constexpr std::size_t kMaxTextLength = 1023;
constexpr int kTextMargin = 4;  // erased beyond the measured text, for overhanging letters
// A window that never validates its update region must not hold a frame forever.
constexpr int kMaxPaintsPerFrame = 32;

// Raises the system timer resolution to 1 ms while it lives: at the default tick of about
// 15 ms, a pause of 5 ms would last 15.
class FineTimer {
 public:
  FineTimer() : raised_(timeBeginPeriod(1) == TIMERR_NOERROR) {}
  FineTimer(const FineTimer&) = delete;
  FineTimer& operator=(const FineTimer&) = delete;
  ~FineTimer() {
    if (raised_) {
      timeEndPeriod(1);
    }
  }

 private:
  bool raised_;
};

// Paints what is waiting to be painted (a control just shown) and lets the frame reach the
// screen: Wine copies window surfaces to the display only when the thread looks at its queue.
// Input messages stay queued.
void PresentFrame() {
  MSG message;
  for (int paints = 0; paints < kMaxPaintsPerFrame &&
                       PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE);
       ++paints) {
    DispatchMessageA(&message);
  }
}

}  // namespace

bool AnimateText(HWND window, const LOGFONTA& font, const TextAnimation& animation) {
  if (!IsWindow(window)) {
    return false;
  }
  const char* text = animation.text.empty() ? "" : animation.text.data();
  const int length = static_cast<int>(std::min(animation.text.size(), kMaxTextLength));
  const rt::GdiObject eraser(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  const rt::WindowDc dc(window);
  const rt::GdiObject madeFont(CreateFontIndirectA(&font));
  const rt::SelectedObject selected(dc.get(), madeFont.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), animation.textColor);
  const DWORD pause = static_cast<DWORD>(std::max<std::int32_t>(animation.delay, 0));
  const FineTimer timer;

  SpacingSchedule schedule(animation.startSpacing, animation.stopSpacing);
  RECT area{animation.x, animation.y, animation.x, animation.y};
  while (!animation.keepGoing || *animation.keepGoing != 0) {
    const std::optional<std::int32_t> spacing = schedule.next();
    if (!spacing) {
      break;
    }
    FillRect(dc.get(), &area, static_cast<HBRUSH>(eraser.get()));
    SetTextCharacterExtra(dc.get(), *spacing);
    DrawTextA(dc.get(), text, length, &area, DT_CALCRECT);
    RECT client{};
    GetClientRect(window, &client);
    area.right = std::min<LONG>(area.right + kTextMargin, client.right);
    DrawTextA(dc.get(), text, length, &area, 0);
    PresentFrame();
    Sleep(pause);
  }
  return true;
}

}  // namespace fx
