#include "effects/gradient.h"

#include <algorithm>
#include <vector>

#include "effects/gradient_bands.h"
#include "runtime/handles.h"

namespace fx {
namespace {

std::int32_t DepthOf(HDC dc) {
  return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

enum class Kind { TwoColor, Blue };

// Each kind asks the screen once per process. The state never changes afterwards: one small
// window's cut count must not thin out every later gradient.
template <Kind>
std::int16_t ProcessSteps(HDC dc) {
  static const StepState state = StepStateForDepth(DepthOf(dc));
  return state.steps;
}

// One brush per band, made and deleted around its fills.
void Paint(HDC dc, const std::vector<Band>& bands) {
  for (const Band& band : bands) {
    const rt::GdiObject brush(CreateSolidBrush(static_cast<COLORREF>(band.color)));
    for (const Rect& strip : band.filled()) {
      const RECT area{strip.left, strip.top, strip.right, strip.bottom};
      FillRect(dc, &area, static_cast<HBRUSH>(brush.get()));
    }
  }
}

}  // namespace

int PaintGradient(HWND window, const GradientArgs& args) {
  if (!IsWindow(window)) {
    return -1;
  }
  const rt::WindowDc dc(window);
  const std::int16_t steps =
      CutSteps(ProcessSteps<Kind::TwoColor>(dc.get()), args.style, args.width, args.height);
  Paint(dc.get(), LayBands(args.style, args.width, args.height, steps,
                           TwoColorRamp(args.fromColor, args.toColor, steps)));
  return std::max<int>(steps, 0);
}

int PaintBlueGradient(HWND window, std::int16_t style, std::int32_t width, std::int32_t height) {
  if (!IsWindow(window)) {
    return -1;
  }
  const rt::WindowDc dc(window);
  const std::int16_t steps = CutSteps(ProcessSteps<Kind::Blue>(dc.get()), style, width, height);
  Paint(dc.get(), LayBlueBands(style, width, height, steps));
  return std::max<int>(steps, 0);
}

}  // namespace fx
