#include "effects/color.h"
#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr int kCyrillicCharSet = 204;

constexpr ControlDefinition kAnimatedTextControls[] = {
    {.type = ControlType::String,
     .label = "?STRING1",
     .text = "Letters in motion",
     .x = 8,
     .y = 17,
     .font = {"Verdana", 18, 700 | rt::kFontUnderline},
     .fontColor = fx::PackColor(0, 0, 128),
     .hidden = true},
    {.type = ControlType::String,
     .label = "?PROMPT3",
     .text = "Animated Text Demo from Vantor",
     .x = 8,
     .y = 6,
     .font = {"MS Sans Serif", 9, 400 | rt::kFontUnderline, kCyrillicCharSet},
     .hidden = true},
    {.type = ControlType::SpinBox,
     .label = "?INITIALSPACING",
     .x = 51,
     .y = 60,
     .width = 31,
     .height = 10,
     .picture = "n3",
     .rangeLow = -999,
     .rangeHigh = 999,
     .step = 1},
    {.type = ControlType::SpinBox,
     .label = "?DELAY",
     .x = 115,
     .y = 60,
     .width = 31,
     .height = 10,
     .picture = "n3",
     .rangeLow = -999,
     .rangeHigh = 999,
     .step = 1},
    {.type = ControlType::Prompt, .label = "?PROMPT1:2", .text = "Delay:", .x = 91, .y = 60},
    {.type = ControlType::Button,
     .label = "?OKBUTTON",
     .text = "&Animate",
     .x = 153,
     .y = 58,
     .width = 58,
     .height = 14,
     .defaultButton = true},
    {.type = ControlType::Button,
     .label = "?CANCELBUTTON",
     .text = "Close",
     .x = 214,
     .y = 58,
     .width = 36,
     .height = 14},
    {.type = ControlType::Button,
     .label = "?BUTTON3",
     .text = "Button 3",
     .x = 29,
     .y = 73,
     .width = 36,
     .height = 14,
     .hidden = true},
    {.type = ControlType::Prompt, .label = "?PROMPT1", .text = "Start Spacing:", .x = 3, .y = 60},
};

}  // namespace

constexpr rt::WindowDefinition kAnimatedTextWindow{
    .name = "tirval$tirva004",
    .label = "P1$WINDOW",
    .title = "Animated Text",
    .width = 257,
    .height = 89,
    .centred = true,
    .resizable = true,
    .systemMenu = true,
    .gray = true,
    .font = {"MS Sans Serif", 8, 400, kCyrillicCharSet},
    .controls = kAnimatedTextControls,
};

}  // namespace tirval
