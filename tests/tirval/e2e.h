#pragma once

#include <string>

namespace test {

// The path of the tirval.exe under test, as the end-to-end tests' command line gives it.
const std::string& TirvalExecutable();

}  // namespace test
