#include <gtest/gtest.h>

#include "runtime/runtime.h"

// Tests that open real windows start the runtime once, as a program's main routine does.
int main(int argc, char** argv) {
  rt::Start();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
