// Test main for the window tests: one QApplication for the whole run, offscreen by default,
// with the application icon registered as the program registers it.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  tqr417::ui::RegisterAppIdentity();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
