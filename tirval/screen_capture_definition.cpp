#include "tirval/definitions.h"

namespace tirval {
namespace {

using rt::ControlDefinition;
using rt::ControlType;

constexpr ControlDefinition kScreenCaptureControls[] = {
    {.type = ControlType::Prompt,
     .label = "?CAPTUREFILE:PROMPT",
     .text = "Capture File:",
     .x = 46,
     .y = 15},
    {.type = ControlType::Entry,
     .label = "?CAPTUREFILE",
     .x = 90,
     .y = 15,
     .width = 82,
     .height = 10,
     .picture = "s63"},
    {.type = ControlType::Button,
     .label = "?CAPTUREWINDOW",
     .text = "Capture &Window",
     .x = 41,
     .y = 33,
     .width = 131,
     .height = 14},
    {.type = ControlType::Button,
     .label = "?CAPTURECLIENT:2",
     .text = "C&apture Client Area",
     .x = 41,
     .y = 54,
     .width = 131,
     .height = 14},
    {.type = ControlType::Button,
     .label = "?CAPTUREDESKTOP",
     .text = "Capture &Desktop",
     .x = 41,
     .y = 76,
     .width = 131,
     .height = 14},
    {.type = ControlType::Button,
     .label = "?CLOSE",
     .text = "&Close",
     .x = 41,
     .y = 102,
     .width = 131,
     .height = 14},
};

}  // namespace

constexpr rt::WindowDefinition kScreenCaptureWindow{
    .name = "tirval$tirva007",
    .label = "P1$WINDOW",
    .title = "Capture Options",
    .width = 219,
    .height = 131,
    .centred = true,
    .resizable = true,
    .gray = true,
    .font = {"MS Sans Serif", 8},
    .controls = kScreenCaptureControls,
};

}  // namespace tirval
