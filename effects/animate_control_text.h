#pragma once

#include <cstdint>

namespace fx {

class TextEffect;
class WindowEffects;

// Plays the text animation over a control of the current window in the control's own text,
// position, font and colour (the window's text colour when it has none), through the effect
// object's SetFont and AnimateText; the control is hidden meanwhile and shown at the end.
void AnimateControlText(TextEffect& effect, int control, std::int32_t startSpacing,
                        std::int32_t stopSpacing, std::int32_t delay);
void AnimateControlText(WindowEffects& effect, int control, std::int32_t startSpacing,
                        std::int32_t stopSpacing, std::int32_t delay);

}  // namespace fx
