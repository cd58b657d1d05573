#include "runtime/message.h"

#include <string>

#include "runtime/window.h"

namespace rt {

void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) {
  const Window* current = CurrentWindow();
  MessageBoxA(current ? current->handle() : nullptr, std::string(text).c_str(),
              std::string(caption).c_str(),
              MB_OK | (icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : 0));
}

}  // namespace rt
