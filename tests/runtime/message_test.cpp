#include "runtime/message.h"

#include <gtest/gtest.h>

#include <thread>

#include "runtime/window.h"
#include "tests/support/dialogs.h"
#include "tests/support/launched_program.h"

namespace rt {
namespace {

constexpr WindowDefinition kOwner{
    .name = "test$owner", .label = "P1$WINDOW", .title = "Owner", .width = 120, .height = 60};

TEST(ShowMessage, TextCaptionIconAndOneOkButtonModalToTheCurrentWindow) {
  const struct {
    const char* caption;
    MessageIcon icon;
    bool iconShown;
  } cases[] = {
      {"", MessageIcon::None, false},
      {"Application", MessageIcon::Exclamation, true},
  };
  Window window(kOwner);
  for (const auto& each : cases) {
    HWND box = nullptr;
    std::string title = "unread";
    std::vector<std::string> buttons;
    std::vector<std::string> statics;
    bool icon = false;
    HWND owner = nullptr;
    std::thread user([&] {
      box = test::FindDialogShowing(GetCurrentProcessId(), "Operation Failed");
      if (box) {
        title = test::WindowText(box);
        buttons = test::ChildTexts(box, "Button");
        statics = test::ChildTexts(box, "Static");
        std::erase(statics, "");
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          icon = icon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
        }
        owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
    });
    ShowMessage("Operation Failed", each.caption, each.icon);
    user.join();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(title, each.caption);
    EXPECT_EQ(buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(statics, std::vector<std::string>{"Operation Failed"});
    EXPECT_EQ(icon, each.iconShown) << each.caption;
    EXPECT_EQ(owner, window.handle());
    EXPECT_FALSE(IsWindow(box));
  }
}

}  // namespace
}  // namespace rt
