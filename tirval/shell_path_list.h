#pragma once

#include <string>
#include <string_view>

namespace tirval {

// The list of one name that the shell's file operations take: what the user typed without its
// trailing blanks, ended by two NUL characters (both part of the returned string, so the list
// ends inside it whatever its length).
std::string ShellPathList(std::string_view typed);

}  // namespace tirval
