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
  // When the labels and buttons are shown and get their texts: at once, or
  // once show() has put the window on the screen. The first of them makes Qt
  // connect to the accessibility bus over D-Bus, a wait of several ms (tens
  // where no session bus runs), so start-up maps the menu first. Either way
  // all of it is in place before the first paint.
  enum class TContents { AtOnce, AfterMap };
  explicit TMenuDlg(TClock clock = {}, QWidget* parent = nullptr, TContents contents = TContents::AtOnce);
  void setVisible(bool visible) override;

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
  void FillIn();
  QString CaptionFor(const QPushButton* button) const;
  TClock Clock;
  bool FilledIn = false;
};

extern TMenuDlg* MenuDlg;
