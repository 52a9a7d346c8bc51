// Test entry point for toolkits that need no set-up beyond their application: every test
// runs inside the toolkit's application, as the program's windows do.

#include <gtest/gtest.h>

#include "framework/toolkit.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return tqr417::fw::toolkit::RunApplication(argc, argv, [] { return RUN_ALL_TESTS(); });
}
