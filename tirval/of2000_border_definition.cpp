#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr int kCyrillicCharSet = 204;

constexpr ControlDefinition kOf2000BorderControls[] = {
    {.type = ControlType::Text, .label = "?STRTEXT", .x = 10, .y = 1, .width = 202, .height = 30},
    {.type = ControlType::Entry,
     .label = "?ENTRYFIELD",
     .x = 129,
     .y = 41,
     .width = 87,
     .height = 15,
     .picture = "s20"},
    {.type = ControlType::Button,
     .label = "?OKBUTTON",
     .text = "Apply Office 2000 Style",
     .x = 84,
     .y = 76,
     .width = 97,
     .height = 14,
     .defaultButton = true},
    {.type = ControlType::Button,
     .label = "?CANCELBUTTON",
     .text = "Close",
     .x = 189,
     .y = 76,
     .width = 36,
     .height = 14},
    {.type = ControlType::Button,
     .label = "?BUTTON3",
     .text = "Button",
     .x = 12,
     .y = 39,
     .width = 55,
     .height = 14},
    {.type = ControlType::Prompt, .label = "?PROMPT1", .text = "Prompt 1", .x = 96, .y = 42},
    {.type = ControlType::CheckBox,
     .label = "?CHECKBOX",
     .text = "Check Box",
     .x = 16,
     .y = 58,
     .width = 51,
     .height = 18},
};

}  // namespace

constexpr rt::WindowDefinition kOf2000BorderWindow{
    .name = "tirval$tirva006",
    .label = "P1$WINDOW",
    .title = "Office 2000 style",
    .width = 228,
    .height = 91,
    .centred = true,
    .resizable = true,
    .systemMenu = true,
    .gray = true,
    .font = {"MS Sans Serif", 8, 400, kCyrillicCharSet},
    .controls = kOf2000BorderControls,
};

}  // namespace tirval
