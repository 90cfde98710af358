#pragma once
// The program's application object for widget tests, created once before the tests run.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/Tapplication1.h"

inline int RunQtTests(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Widget tests never need a display, also when CTest lists them at build time.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);  // remembered choices go to a test folder, not the user's
  // CTest runs each test as a process of its own, side by side: each process
  // keeps its remembered choices in its own folder, so none reads or rewrites
  // another's settings file.
  const QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
    QSettings::setPath(format, QSettings::UserScope, settings.path());
  TApplication app(argc, argv);
  // The windows' figures checked here are the shortest path's unless a test
  // chooses another model (表示 > 確率のモデル, remembered as Display/Moves).
  QSettings().setValue(QStringLiteral("Display/Moves"), 0);
  return RUN_ALL_TESTS();
}
