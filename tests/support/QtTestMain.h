#pragma once
// The program's application object for widget tests, created once before the tests run.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "ui/Tapplication1.h"

inline int RunQtTests(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Widget tests never need a display, also when CTest lists them at build time.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);  // remembered choices go to a test folder, not the user's
  TApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
