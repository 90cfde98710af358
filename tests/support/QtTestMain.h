#pragma once
// A QApplication for widget tests, created once before the tests run.
#include <QApplication>
#include <gtest/gtest.h>

inline int RunQtTests(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
