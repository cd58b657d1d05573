#pragma once

#include <string_view>

namespace rt {

// The icon a message box shows beside its text.
enum class MessageIcon { None, Exclamation };

// Shows a message box with `caption` as its title, `icon` beside the text and one OK button, owned
// by the calling thread's current window, and returns when the user has closed it.
void ShowMessage(std::string_view text, std::string_view caption,
                 MessageIcon icon = MessageIcon::Exclamation);

}  // namespace rt
