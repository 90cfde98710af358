#pragma once

// Helpers of the viewer tests: record files written as text, the pictures of
// sheet cells and tile cells, and a viewer whose dialogs and messages answer
// from the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <vector>

#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

using TRow = std::vector<int>;

// A record file: the header with its time stamp, then the four rows as "%02d" values.
inline QByteArray RecordBytes(const std::array<TRow, 4>& rows, const QByteArray& stamp = "2024/05/06 07:08:09") {
  QByteArray text = "TileLab 1.0," + stamp + "\r\n";
  for (const TRow& row : rows) {
    QStringList values;
    for (int code : row) values << QString::asprintf("%02d", code);
    text += values.join(QLatin1Char(',')).toLatin1() + "\r\n";
  }
  return text;
}

inline QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  file.write(bytes);
  return path;
}

// A record whose deal row is the single code mark, so the file it came from can be told.
inline QByteArray MarkedRecord(int mark) { return RecordBytes({TRow{mark}, TRow{}, TRow{}, TRow{}}); }

inline QImage SheetCell(TViewDlg& dlg, int cell) {
  return dlg.FrMjSheet1->Image1->Canvas().copy(dlg.FrMjSheet1->GetCellParts(cell).Rect());
}
inline QImage TileCell(TViewDlg& dlg, int code) {
  return dlg.FrMjPai1->Image1->Canvas().copy(dlg.FrMjPai1->GetCodeParts(code).Rect());
}
inline QImage ArrowCell(TViewDlg& dlg) {
  return dlg.FrMjPai1->Image1->Canvas().copy(dlg.FrMjPai1->GetPaiParts(-1, TFrMjPai::ArrowNumber).Rect());
}
inline QImage BlankCell(TViewDlg& dlg) { return TileCell(dlg, 0); }

// A key held down as X11 delivers it: a press, then release and press pairs
// that share their time stamps (mostly without Qt's repeat flag), then the release.
inline void HoldKey(QWidget* widget, Qt::Key key, int repeats = 12) {
  static unsigned long long time = 1000;  // every hold later than the one before
  auto send = [&](QEvent::Type type) {
    QKeyEvent event(type, key, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(widget, &event);
  };
  time += 500;
  send(QEvent::KeyPress);
  for (int i = 0; i < repeats; ++i) {
    time += 40;
    send(QEvent::KeyRelease);
    send(QEvent::KeyPress);
  }
  time += 40;
  send(QEvent::KeyRelease);
  QCoreApplication::sendPostedEvents();  // an error's message box opens after the handler
}

// A viewer with its messages and dialogs answered by the test.
class ViewerTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    // Remembered choices (the quiz's check mark) go to this test's own folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.path());
    SetWarningHook([this](const QString& text) { Warnings << text; });
    Dlg.OpenDialog = [this](const QString& folder, const QString& name) {
      OpenAsked << folder + QLatin1Char('|') + name;
      return OpenAnswer;
    };
    Dlg.SaveDialog = [this](const QString&) { return SaveAnswer; };
    Dlg.FolderDialog = [this] { return FolderAnswer; };
  }
  void TearDown() override {
    SetWarningHook({});
    Dlg.hide();
  }

  void OpenRecordView() {
    Dlg.SetupRecordView();
    Dlg.Prepare();
    Dlg.show();
  }
  void OpenDiscardReading() {
    Dlg.SetupDiscardReading();
    Dlg.Prepare();
    Dlg.show();
  }
  // The window takes keys only as the active window, as under the modal show.
  void Activate() {
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
  }
  QString Path(const QString& name) const { return Dir.filePath(name); }
  int Code(int row, int col) const { return Dlg.Codes[static_cast<std::size_t>(row * 20 + col)]; }
  bool CodesEmpty() const {
    for (int c : Dlg.Codes)
      if (c != 0) return false;
    return true;
  }

  QTemporaryDir Dir;
  TViewDlg Dlg;
  QStringList Warnings;
  QStringList OpenAsked;
  QString OpenAnswer, SaveAnswer, FolderAnswer;
};
