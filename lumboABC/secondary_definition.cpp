#include "lumboABC/definitions.h"

namespace lumbo {
namespace {

constexpr std::int32_t kNavy = 0x800000;

constexpr rt::ControlDefinition kControls[] = {
    {.type = rt::ControlType::String,
     .label = "?STRING1",
     .text = "Let your users choose window background!",
     .x = 14,
     .y = 41,
     .fontColor = kNavy,
     .transparent = true},
};

}  // namespace

constexpr rt::WindowDefinition kSecondaryWindow{
    .name = "lumboABC$lumbo002",
    .label = "P1$WINDOW",
    .title = "Window",
    .width = 167,
    .height = 100,
    .centred = true,
    .systemMenu = true,
    .gray = true,
    .mdiChild = true,
    .controls = kControls,
};

}  // namespace lumbo
