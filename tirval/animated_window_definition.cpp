#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr ControlDefinition kControls[] = {
    {.type = ControlType::Prompt,
     .label = "?PROMPT1",
     .text = "Animated Window Effects",
     .x = 55,
     .y = 6,
     .font = {"MS Serif", 10, 700, 204},
     .fontColor = 0x800000},
    {.type = ControlType::Entry,
     .label = "?ANIMATIONTYPE",
     .x = 40,
     .y = 26,
     .width = 137,
     .height = 10,
     .picture = "s40"},
    {.type = ControlType::Panel, .label = "?PANEL1", .x = 5, .y = 48, .width = 215, .height = 75},
    {.type = ControlType::Text, .label = "?TS", .x = 13, .y = 53, .width = 202, .height = 63},
    {.type = ControlType::Button,
     .label = "?CANCELBUTTON",
     .text = "&Close",
     .x = 187,
     .y = 132,
     .width = 36,
     .height = 14},
};

}  // namespace

constexpr rt::WindowDefinition kAnimatedWindow{
    .name = "tirval$tirva002",
    .label = "P1$WINDOW",
    .title = "Animated Window",
    .width = 231,
    .height = 150,
    .centred = true,
    .systemMenu = true,
    .gray = true,
    .doubleFrame = true,
    .font = {"MS Sans Serif", 8, 400, 204},
    .controls = kControls,
};

}  // namespace tirval
