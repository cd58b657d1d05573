#pragma once

#include <string_view>

namespace rt {

// Shows a message box with an exclamation icon and an OK button, owned by the calling thread's
// current window, and returns when the user has closed it.
void ShowMessage(std::string_view text, std::string_view caption);

}  // namespace rt
