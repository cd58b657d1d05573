#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr int kCyrillicCharSet = 204;
constexpr std::int32_t kBlack = 0x000000;

constexpr ControlDefinition kGradientDemoControls[] = {
    {.type = ControlType::Prompt,
     .label = "?PROMPT1",
     .text = "Gradient Demo Window",
     .x = 39,
     .y = 10,
     .font = {"MS Sans Serif", 12, 700, kCyrillicCharSet},
     .fontColor = 0x800000,
     .transparent = true},
    {.type = ControlType::OptionGroup,
     .label = "?GRADIENTSTYLE",
     .text = "Gradient Style",
     .x = 29,
     .y = 34,
     .width = 197,
     .height = 26,
     .transparent = true,
     .boxed = true},
    {.type = ControlType::RadioButton,
     .label = "?GRADIENTSTYLE:RADIO1",
     .text = "Diagonal",
     .x = 37,
     .y = 45,
     .value = "0",
     .transparent = true},
    {.type = ControlType::RadioButton,
     .label = "?GRADIENTSTYLE:RADIO1:2",
     .text = "Horizontal",
     .x = 85,
     .y = 45,
     .value = "1",
     .transparent = true},
    {.type = ControlType::RadioButton,
     .label = "?GRADIENTSTYLE:RADIO1:3",
     .text = "Vertical",
     .x = 133,
     .y = 45,
     .value = "2",
     .transparent = true},
    {.type = ControlType::Region,
     .label = "?FRMCLR",
     .x = 38,
     .y = 82,
     .width = 32,
     .height = 32,
     .fill = 0xFFFFFF,
     .border = kBlack},
    {.type = ControlType::Button,
     .label = "?BUTTON2",
     .text = "Select From Color",
     .x = 80,
     .y = 87,
     .width = 72,
     .height = 22},
    {.type = ControlType::Region,
     .label = "?TOCLR",
     .x = 38,
     .y = 120,
     .width = 32,
     .height = 32,
     .fill = 0x0000FF,
     .border = kBlack},
    {.type = ControlType::Button,
     .label = "?BUTTON2:2",
     .text = "Select To Color",
     .x = 80,
     .y = 126,
     .width = 72,
     .height = 22},
    {.type = ControlType::Button,
     .label = "?CANCELBUTTON",
     .text = "Close",
     .x = 217,
     .y = 171,
     .width = 36,
     .height = 14},
};

}  // namespace

// Resizable; the runtime reports moves and sizes as they happen.
constexpr rt::WindowDefinition kGradientDemoWindow{
    .name = "tirval$tirva005",
    .label = "P1$WINDOW",
    .title = "Gradient Demo",
    .width = 257,
    .height = 189,
    .centred = true,
    .resizable = true,
    .systemMenu = true,
    .gray = true,
    .font = {"MS Sans Serif", 8, 400, kCyrillicCharSet},
    .controls = kGradientDemoControls,
};

}  // namespace tirval
