#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr ControlDefinition kControls[] = {
    {.type = ControlType::Entry,
     .label = "?SOURCE",
     .x = 57,
     .y = 18,
     .width = 139,
     .height = 10,
     .picture = "s127"},
    {.type = ControlType::Button,
     .label = "?LOOKUPFILE",
     .text = "...",
     .x = 200,
     .y = 17,
     .width = 12,
     .height = 12},
    {.type = ControlType::Prompt, .label = "?PROMPT1:2", .text = "Destination", .x = 5, .y = 39},
    {.type = ControlType::Entry,
     .label = "?DEST",
     .x = 57,
     .y = 39,
     .width = 139,
     .height = 10,
     .picture = "s127"},
    {.type = ControlType::Prompt, .label = "?PROMPT1", .text = "Source File:", .x = 5, .y = 18},
    {.type = ControlType::Button,
     .label = "?OKBUTTON",
     .text = "Copy",
     .x = 117,
     .y = 60,
     .width = 58,
     .height = 14,
     .defaultButton = true},
    {.type = ControlType::Button,
     .label = "?CANCELBUTTON",
     .text = "Close",
     .x = 181,
     .y = 60,
     .width = 36,
     .height = 14},
};

}  // namespace

constexpr rt::WindowDefinition kCopyWindow{
    .name = "tirval$tirva001",
    .label = "P1$WINDOW",
    .title = "Copy File",
    .width = 228,
    .height = 91,
    .centred = true,
    .resizable = true,
    .systemMenu = true,
    .gray = true,
    .font = {"MS Sans Serif", 8, 400, 204},
    .controls = kControls,
};

}  // namespace tirval
