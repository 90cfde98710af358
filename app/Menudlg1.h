#pragma once

// The mode menu: the program's main window. Its four buttons open the practice
// window or the record viewer modally; closing it ends the program.

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstdint>
#include <functional>

class TMenuDlg : public QWidget {
  Q_OBJECT
public:
  static constexpr int ClientWidth = 321;
  static constexpr int ClientHeight = 172;

  // The clock for seeding: whole seconds since 1970-01-01. Replaceable in tests.
  using TClock = std::function<std::int64_t()>;
  explicit TMenuDlg(TClock clock = {}, QWidget* parent = nullptr);

  QLabel* Image1;
  QLabel* StaticText1;
  QPushButton* BnMain;
  QPushButton* BnView;
  QPushButton* BnTinitu;
  QPushButton* BnView2;
  QPushButton* BnExit;

  void FormCreate();
  void BnMainClick();
  void BnTinituClick();
  void BnViewClick();
  void BnView2Click();
  void BnExitClick();
  void OpenRecordFile(const QString& fileName);

private:
  QString CaptionFor(const QPushButton* button) const;
  TClock Clock;
};

extern TMenuDlg* MenuDlg;
