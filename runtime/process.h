#pragma once

#include <string>
#include <string_view>

// This process and the programs it starts.
namespace rt {

// The full file name of the running program's executable (its command-line parameter "0").
std::string ProgramFileName();

// Starts `path` as a new process, shown normally, without arguments and without waiting for it
// to end; returns whether it started.
bool StartProgram(std::string_view path);

// Ends this process at once with `exitCode`: no further step of any window runs.
[[noreturn]] void Halt(int exitCode);

}  // namespace rt
