#include "framework/error_manager.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace fw {
namespace {

TEST(ErrorManager, NamesTheMostRecentProcedureStillRunning) {
  ErrorManager errors;
  EXPECT_EQ(errors.procedureName(), "");
  errors.setProcedureName("MainFrame");
  errors.setProcedureName("GradientDemo");
  EXPECT_EQ(errors.procedureName(), "GradientDemo");
  errors.forgetProcedureName("GradientDemo");
  EXPECT_EQ(errors.procedureName(), "MainFrame");
  errors.forgetProcedureName("NeverNamed");
  EXPECT_EQ(errors.procedureName(), "MainFrame");
}

TEST(ErrorManager, ForgetsOneOfSeveralSameNames) {
  ErrorManager errors;
  errors.setProcedureName("w1");
  errors.setProcedureName("Main");
  errors.setProcedureName("w1");
  errors.forgetProcedureName("w1");
  EXPECT_EQ(errors.procedureName(), "Main");
  errors.forgetProcedureName("Main");
  EXPECT_EQ(errors.procedureName(), "w1");
}

TEST(ErrorManager, ManyThreadsNameAndForgetAtOnce) {
  ErrorManager errors;
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 2000; ++i) {
        errors.setProcedureName("w1");
        errors.forgetProcedureName("w1");
      }
    });
  }
  for (std::thread& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(errors.procedureName(), "");
}

}  // namespace
}  // namespace fw
