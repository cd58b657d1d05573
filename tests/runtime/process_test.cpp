// Threads and processes the runtime starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "runtime/process.h"
#include "runtime/thread.h"
#include "tests/support/wait.h"

namespace rt {
namespace {

std::atomic<DWORD> ranOnThread{0};
std::atomic<int> runs{0};

void RecordThread() {
  // A little stack in use, well past the first page the thread starts with.
  volatile char buffer[20000];
  buffer[0] = 1;
  buffer[sizeof buffer - 1] = buffer[0];
  ranOnThread = GetCurrentThreadId();
  ++runs;
}

void Throw() {
  ++runs;
  throw 42;
}

TEST(Threads, ProcedureRunsOnAThreadOfItsOwnWithoutBeingWaitedFor) {
  runs = 0;
  ASSERT_TRUE(StartThread(RecordThread, 25000));
  ASSERT_TRUE(StartThread(RecordThread, 25000));
  ASSERT_TRUE(test::WaitUntil([] { return runs == 2; }));
  EXPECT_NE(ranOnThread.load(), GetCurrentThreadId());
}

TEST(Threads, AnExceptionEndsOnlyItsThread) {
  runs = 0;
  ASSERT_TRUE(StartThread(Throw, 25000));
  ASSERT_TRUE(test::WaitUntil([] { return runs == 1; }));
  ASSERT_TRUE(StartThread(RecordThread, 25000));
  EXPECT_TRUE(test::WaitUntil([] { return runs == 2; }));
}

TEST(Processes, ProgramFileNameIsThisExecutable) {
  const std::string name = ProgramFileName();
  EXPECT_TRUE(name.ends_with("runtime_tests.exe")) << name;
  EXPECT_NE(GetFileAttributesA(name.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Processes, ProgramThatCannotStartIsReported) {
  EXPECT_FALSE(StartProgram(""));
  EXPECT_FALSE(StartProgram("Z:\\no\\such\\folder\\program.exe"));
  EXPECT_FALSE(StartProgram(ProgramFileName() + ".missing"));
}

}  // namespace
}  // namespace rt
