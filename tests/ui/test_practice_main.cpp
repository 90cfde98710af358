// The practice window as the player meets it: its layout, its menus and keys,
// discards played with the mouse, the waits window on F2, the record save and
// the modal show. Pauses are recorded and go straight on, except in the tests
// of input during a step, which run real pauses of a few milliseconds.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/Mjrandom1.h"
#include "records/Mjrecord1.h"
#include "tests/support/SequenceSource.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"

namespace {

QImage Cell(TImage* image, const QRect& rect) { return image->Canvas().copy(rect); }

class PracticeWindow : public ::testing::Test {
protected:
  void SetUp() override {
    AgariDlg = &Agari;
    MainDlg = &Dlg;
    Dlg.PauseHook = [this](int ms) {
      Pauses.push_back(ms);
      return -1;
    };
    Random.Seed(20240501);
  }
  void TearDown() override {
    Dlg.hide();
    Agari.hide();
    SetWarningHook({});
    AgariDlg = nullptr;
    MainDlg = nullptr;
  }

  // What the menu window does, without the modal loop; the opening runs once
  // the window is on the screen.
  void Open(bool tinitu) {
    Dlg.SetTinitu(tinitu);
    Dlg.Prepare();
    Dlg.show();
    ASSERT_TRUE(Settled());
  }

  // Every step over and all input handled.
  bool Settled() {
    return QTest::qWaitFor([this] { return !Dlg.Busy() && Dlg.QueuedCount() == 0; });
  }

  void Activate() {
    Dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Dlg));
  }

  // A click as the mouse gives it: press and release over hand cell k.
  void ClickHand(int k) {
    QTest::mouseClick(Dlg.FrMjTepai1->Image1, Qt::LeftButton, Qt::NoModifier,
                      QPoint(k * TFrMjPai::PaiWidth + 5, TFrMjPai::PaiHeight / 2));
  }
  // The same through the window system, as the player's mouse arrives.
  QPoint HandPoint(int k) {
    return Dlg.FrMjTepai1->Image1->mapTo(&Dlg, QPoint(k * TFrMjPai::PaiWidth + 5, TFrMjPai::PaiHeight / 2));
  }
  void ClickHandWindow(int k) { QTest::mouseClick(Dlg.windowHandle(), Qt::LeftButton, Qt::NoModifier, HandPoint(k)); }
  int CellOf(int id) {
    for (int k = 0; k < HandSlots; ++k)
      if (Dlg.MjTable().Tepai[static_cast<std::size_t>(k)] && Dlg.MjTable().Tepai[static_cast<std::size_t>(k)]->Id == id)
        return k;
    return -1;
  }
  // Real pauses of ms milliseconds; before each, whenPaused runs (when set).
  void RealPauses(int ms, std::function<void(int pause)> whenPaused = {}) {
    Dlg.PauseHook = [this, ms, whenPaused](int pause) {
      Pauses.push_back(pause);
      if (whenPaused) whenPaused(pause);
      return ms;
    };
  }

  // The tile picture a cell should hold: the sheet's cell of pai, or the blank cell.
  QImage SheetCell(const TMjPai* pai) {
    const TParts parts = pai ? Dlg.FrMjPai1->GetCodeParts(pai->GetCode()) : Dlg.FrMjPai1->GetPaiParts(-1, -1);
    return Cell(Dlg.FrMjPai1->Image1, parts.Rect());
  }

  QString Status() const { return Dlg.StatusPanel[0]->text(); }

  TAgariDlg Agari;
  TMainDlg Dlg;
  std::vector<int> Pauses;
};

TEST_F(PracticeWindow, LayoutOfTheClientArea) {
  Open(false);
  EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 112));
  EXPECT_EQ(Dlg.ClientArea->geometry().top(), Dlg.MainMenu1->geometry().bottom() + 1) << "client under the menu bar";
  EXPECT_EQ(Dlg.StatusBar1->geometry(), QRect(0, 93, 529, 19));
  EXPECT_EQ(Dlg.StatusPanel[0]->width(), 100);
  EXPECT_GE(Dlg.StatusPanel[1]->width(), 50) << "the note of a save reaches to the edge";
  // Positions inside the scroll box's 2-pixel border; the rows end at its inner right edge.
  EXPECT_EQ(Dlg.ScrollBox1->geometry(), QRect(0, 0, 529, 93));
  EXPECT_EQ(Dlg.ScrollClient->geometry(), QRect(2, 2, 525, 89));
  EXPECT_EQ(Dlg.FrMjSutepai1->geometry(), QRect(45, 0, 480, 32));
  EXPECT_EQ(Dlg.FrMjTepai1->geometry(), QRect(45, 32, 480, 32));
  EXPECT_EQ(Dlg.LbSute->geometry(), QRect(0, 8, 40, 13));
  EXPECT_EQ(Dlg.LbTe->geometry(), QRect(0, 40, 40, 13));
  EXPECT_EQ(Dlg.LbGuide->geometry(), QRect(45, 72, 213, 13));
  // The whole window is the menu bar and the client area, and cannot be resized.
  EXPECT_EQ(Dlg.size(), QSize(529, 112 + Dlg.MainMenu1->height()));
  EXPECT_EQ(Dlg.minimumSize(), Dlg.maximumSize());
}

TEST_F(PracticeWindow, BackgroundFollowsTheSheetsFirstPixel) {
  Open(false);
  const QColor sheet = Dlg.FrMjPai1->BackgroundColor();
  EXPECT_EQ(Dlg.ScrollBox1->palette().color(QPalette::Window), sheet);
  // On the screen: the margin left of the rows and the strip right of the guidance line.
  const QImage shot = Dlg.ScrollBox1->grab().toImage();
  EXPECT_EQ(shot.pixelColor(2 + 42, 2 + 3), sheet);
  EXPECT_EQ(shot.pixelColor(2 + 400, 2 + 80), sheet);

  // Another sheet picture: the next opening takes its colour, not the window's.
  QImage other = Dlg.FrMjPai1->Image1->Canvas().copy();
  other.fill(QColor(10, 20, 30));
  Dlg.FrMjPai1->Image1->SetPicture(other);
  Dlg.hide();
  Open(false);
  EXPECT_EQ(Dlg.ScrollBox1->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_NE(Dlg.palette().color(QPalette::Window), QColor(10, 20, 30));
}

// F5 and the visible entry deal from the wall of the window's mode: a full
// shuffle draws 135 values, a one-suit shuffle 35.
TEST_F(PracticeWindow, EachModeShowsItsOwnNewDealAndF5DealsFromItsWall) {
  struct Case {
    bool Tinitu;
    int Values;
  };
  for (const Case c : {Case{true, 35}, Case{false, 135}, Case{true, 35}}) {
    SCOPED_TRACE(c.Tinitu ? "one-suit" : "full");
    TRuleSource source([](int step) { return step * 7919; });
    TScopedRandomSource guard(source);
    Dlg.hide();
    Open(c.Tinitu);
    EXPECT_EQ(source.Taken, c.Values) << "opening";
    EXPECT_EQ(Dlg.MnStart->isVisible(), !c.Tinitu);
    EXPECT_EQ(Dlg.MnStart2->isVisible(), c.Tinitu);
    int visible = 0;
    for (QAction* item : Dlg.T1->actions()) visible += item->isVisible() ? 1 : 0;
    EXPECT_EQ(visible, 2) << "one new-deal entry and the same-deal entry";

    Activate();
    source.Taken = 0;
    QTest::keyClick(&Dlg, Qt::Key_F5);
    EXPECT_EQ(source.Taken, c.Values) << "F5";
    source.Taken = 0;
    (c.Tinitu ? Dlg.MnStart2 : Dlg.MnStart)->trigger();
    EXPECT_EQ(source.Taken, c.Values) << "menu entry";
    for (int i = 0; i < HandSlots; ++i) {
      ASSERT_NE(Dlg.MjTable().Tepai[static_cast<std::size_t>(i)], nullptr);
      if (c.Tinitu) {
        EXPECT_LT(Dlg.MjTable().Tepai[static_cast<std::size_t>(i)]->GetCode(), 10);
      }
    }
    // F6 replays the wall: nothing is shuffled.
    source.Taken = 0;
    QTest::keyClick(&Dlg, Qt::Key_F6);
    EXPECT_EQ(source.Taken, 0);
    EXPECT_EQ(Dlg.MjTable().TumoCount, 1);
  }
}

// The opening plays in the show event; then the mouse plays the deal. The record
// save entry stays enabled throughout.
TEST_F(PracticeWindow, MouseClicksPlayAWholeDeal) {
  Dlg.Prepare();
  EXPECT_TRUE(Dlg.SaveAs2->isEnabled());
  Dlg.show();
  ASSERT_TRUE(Settled());
  EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000}));
  EXPECT_EQ(Status(), QStringLiteral("手数: 1"));
  const TMjTable& table = Dlg.MjTable();
  const TMjPai* drawn = table.Tepai[13];
  EXPECT_EQ(Cell(Dlg.FrMjTepai1->Image1, Dlg.FrMjTepai1->GetCellParts(13).Rect()), SheetCell(drawn));
  Pauses.clear();
  ClickHand(13);
  EXPECT_EQ(table.Sutepai[0], drawn);
  EXPECT_EQ(Cell(Dlg.FrMjSutepai1->Image1, Dlg.FrMjSutepai1->GetCellParts(0).Rect()), SheetCell(drawn));
  EXPECT_EQ(Pauses, (std::vector<int>{500, 500}));
  EXPECT_EQ(Status(), QStringLiteral("手数: 2"));

  // Cells 14..19 hold nothing: clicks there change nothing.
  ClickHand(17);
  EXPECT_EQ(table.SuteCount, 1);
  for (int n = 2; n <= DealLimit; ++n) {
    ClickHand(0);
    EXPECT_TRUE(Dlg.SaveAs2->isEnabled()) << n;
  }
  EXPECT_EQ(table.SuteCount, 18);
  EXPECT_EQ(Status(), QStringLiteral("手数: 18（終了）"));
  QApplication::processEvents();  // the status bar lays out the longer text
  EXPECT_GE(Dlg.StatusPanel[0]->contentsRect().width(),
            Dlg.StatusPanel[0]->fontMetrics().horizontalAdvance(Status()))
      << "the whole counter text is visible";
  EXPECT_EQ(Dlg.LbGuide->text(), QString());
  EXPECT_EQ(Cell(Dlg.FrMjTepai1->Image1, Dlg.FrMjTepai1->GetCellParts(13).Rect()), SheetCell(nullptr));
  for (int i = 0; i < RowSlots; ++i)
    EXPECT_EQ(Cell(Dlg.FrMjSutepai1->Image1, Dlg.FrMjSutepai1->GetCellParts(i).Rect()),
              SheetCell(table.Sutepai[static_cast<std::size_t>(i)]))
        << i;
  ClickHand(0);
  EXPECT_EQ(table.SuteCount, 18) << "the deal is over";
}

TEST_F(PracticeWindow, F2ShowsHidesAndShowsTheWaitsWindow) {
  Open(false);
  Activate();
  ASSERT_FALSE(Agari.isVisible());
  TImage* waits = Agari.FrMjSheet1->Image1;
  QImage stale(waits->Canvas().size(), QImage::Format_RGB32);
  stale.fill(Qt::magenta);

  waits->SetPicture(stale);
  QTest::keyClick(&Dlg, Qt::Key_F2);
  EXPECT_TRUE(Agari.isVisible());
  EXPECT_NE(waits->Canvas(), stale) << "shown and redrawn";
  EXPECT_TRUE(Dlg.isActiveWindow()) << "the practice window keeps the keys";

  waits->SetPicture(stale);
  QTest::keyClick(&Dlg, Qt::Key_F2);
  EXPECT_FALSE(Agari.isVisible());
  EXPECT_EQ(waits->Canvas(), stale) << "hidden without a redraw";

  QTest::keyClick(&Dlg, Qt::Key_F2);
  EXPECT_TRUE(Agari.isVisible());
  EXPECT_NE(waits->Canvas(), stale);

  // Closing the practice window hides both; the next opening leaves the waits hidden.
  Dlg.close();
  EXPECT_FALSE(Dlg.isVisible());
  EXPECT_FALSE(Agari.isVisible());
  Open(false);
  EXPECT_FALSE(Agari.isVisible());
}

TEST_F(PracticeWindow, SaveWritesTheRecordAndRemembersTheName) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Open(false);
  ClickHand(3);
  std::vector<QString> offered;
  Dlg.Clock = [] { return TRecordTime{2024, 3, 4, 5, 6, 7}; };
  Dlg.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog& d) {
    offered.push_back(d.FileName);
    EXPECT_EQ(d.Filter, QStringLiteral("*.csv|*.csv|*.*|*.*"));
    EXPECT_EQ(d.DefaultExt, QStringLiteral("csv"));
    return dir.filePath(QStringLiteral("牌譜1"));
  };
  Dlg.SaveAs2->trigger();
  const QString path = dir.filePath(QStringLiteral("牌譜1.csv"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the default extension is added";
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes.size(), 277);
  EXPECT_TRUE(bytes.startsWith("TileLab 1.0,"));

  Dlg.SaveAs2->trigger();
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], QStringLiteral("20240304-050607.csv")) << "the deal's date and time";
  EXPECT_EQ(offered[1], path) << "the dialog offers the last name";

  // A cancelled dialog writes nothing.
  QFile::remove(path);
  Dlg.SaveDialog1.Hook = [](const TMainDlg::TSaveDialog&) { return QString(); };
  Dlg.SaveAs2->trigger();
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PracticeWindow, FailedSaveShowsTheTextAndKeepsTheDeal) {
  QTemporaryDir dir;
  Open(false);
  ClickHand(5);
  const TPaiRow hand = Dlg.MjTable().Tepai;
  const TPaiRow discards = Dlg.MjTable().Sutepai;
  QStringList shown;
  SetWarningHook([&](const QString& text) { shown << text; });
  const QString path = dir.filePath(QStringLiteral("ない/x.csv"));
  Dlg.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog&) { return path; };
  Dlg.SaveAs2->trigger();
  EXPECT_TRUE(shown.isEmpty()) << "the box opens after the handler";
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0], QStringLiteral("ファイル %1 を作成できません").arg(path));
  EXPECT_EQ(Dlg.MjTable().Tepai, hand);
  EXPECT_EQ(Dlg.MjTable().Sutepai, discards);
  EXPECT_EQ(Dlg.MjTable().TumoCount, 2);
  EXPECT_TRUE(Dlg.isVisible());
  ClickHand(0);
  EXPECT_EQ(Dlg.MjTable().SuteCount, 2) << "play goes on";
}

class PressCounter : public QObject {
public:
  int Presses = 0;
  int Moves = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    Presses += event->type() == QEvent::MouseButtonPress ? 1 : 0;
    Moves += event->type() == QEvent::MouseMove ? 1 : 0;
    return false;
  }
};

// The modal show locks out the window that opened it, not the waits window;
// the native window is made at the window's final size. Esc leaves it open,
// Exit closes it and the waits window with it.
TEST_F(PracticeWindow, ShowModalLocksOnlyTheOpener) {
  QWidget opener;
  opener.resize(200, 100);
  opener.show();
  opener.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
  PressCounter onOpener, onWaits;
  opener.installEventFilter(&onOpener);

  bool ran = false;
  QTimer::singleShot(0, &Dlg, [&] {
    ran = true;
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Dlg.windowHandle()->geometry().size(), QSize(529, 112 + Dlg.MainMenu1->height()));
    EXPECT_EQ(Dlg.windowHandle()->transientParent(), opener.windowHandle());
    Dlg.MnHope->trigger();
    ASSERT_TRUE(Agari.isVisible());
    Agari.windowHandle()->installEventFilter(&onWaits);
    QTest::mouseMove(Agari.windowHandle(), QPoint(10, 10));
    QTest::mouseMove(Agari.windowHandle(), QPoint(20, 12));
    QTest::mouseClick(opener.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTest::keyClick(Dlg.windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(Dlg.isVisible()) << "Esc does not close the window";
    Dlg.Exit1->trigger();
  });
  Dlg.SetTinitu(true);
  Dlg.ShowModal();
  EXPECT_TRUE(ran);
  EXPECT_GT(onWaits.Moves, 0) << "the waits window takes the mouse";
  EXPECT_EQ(onOpener.Presses, 0) << "the opener is locked";
  EXPECT_FALSE(Agari.isVisible());
  EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000}));
}


// --- input while a step runs: real pauses of a few milliseconds -------------

// The player sees the deal arrive: both opening pauses run with the window on the screen.
TEST_F(PracticeWindow, TheFirstOpeningPausesWhileTheWindowIsOnTheScreen) {
  std::vector<bool> exposed;
  RealPauses(2, [&](int) { exposed.push_back(Dlg.windowHandle()->isExposed()); });
  Dlg.SetTinitu(false);
  Dlg.Prepare();
  Dlg.show();
  EXPECT_EQ(Dlg.MjTable().WallPos, 0) << "nothing is dealt before the window is on the screen";
  ASSERT_TRUE(Settled());
  EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000}));
  EXPECT_EQ(exposed, (std::vector<bool>{true, true}));
  EXPECT_EQ(Dlg.MjTable().TumoCount, 1);
}

// The key repeats of a held key arrive while the deal it started runs.
TEST_F(PracticeWindow, AHeldF5OrF6GivesOneDeal) {
  Open(false);
  Activate();
  RealPauses(3);
  QWindow* window = Dlg.windowHandle();
  for (const Qt::Key key : {Qt::Key_F5, Qt::Key_F6}) {
    SCOPED_TRACE(QKeySequence(key).toString().toStdString());
    Pauses.clear();
    QTest::simulateEvent(window, true, key, Qt::NoModifier, QString(), false);
    EXPECT_TRUE(Dlg.Busy());
    for (int i = 0; i < 5; ++i) QTest::simulateEvent(window, true, key, Qt::NoModifier, QString(), true);
    QTest::simulateEvent(window, false, key, Qt::NoModifier, QString(), false);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000}));
  }
}

// Under X11 a held key comes as release and press pairs sharing their time
// stamp, mostly without Qt's repeat flag: repeats all the same.
TEST_F(PracticeWindow, RepeatsToldByTheirTimeStampsDealOnce) {
  Open(false);
  auto send = [this](QEvent::Type type, unsigned long long time) {
    QKeyEvent event(type, Qt::Key_F5, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(&Dlg, &event);
  };
  Pauses.clear();
  send(QEvent::KeyPress, 1000);
  for (unsigned long long time = 1500; time < 2000; time += 40) {
    send(QEvent::KeyRelease, time);
    send(QEvent::KeyPress, time);
  }
  send(QEvent::KeyRelease, 2100);
  ASSERT_TRUE(Settled());
  EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000})) << "one opening";
  send(QEvent::KeyPress, 2500);  // pressed anew
  send(QEvent::KeyRelease, 2600);
  ASSERT_TRUE(Settled());
  EXPECT_EQ(Pauses.size(), 4u);
}

// The click means the tile under the pointer when it was made, wherever the
// step moves it; a blank cell, or a tile already gone, means nothing.
TEST_F(PracticeWindow, AClickDuringAStepThrowsAwayTheTileThatWasUnderThePointer) {
  Open(false);
  const TMjTable& table = Dlg.MjTable();
  int meant = -1;
  // The clicks arrive as the step's first pause begins, while it still runs.
  RealPauses(0, [&](int) {
    if (meant >= 0) return;
    meant = table.Tepai[5]->Id;
    // The drawn tile sorts in below it, so the sort moves it to cell 6.
    EXPECT_LT(table.Tepai[13]->Id, meant);
    ClickHandWindow(5);
    ClickHandWindow(12);  // the blank cell the discard left
    ClickHandWindow(5);   // the same tile again: gone when its turn comes
    EXPECT_EQ(Dlg.QueuedCount(), 2u);
  });
  ClickHandWindow(12);
  ASSERT_TRUE(Settled());
  EXPECT_EQ(table.SuteCount, 2);
  ASSERT_NE(table.Sutepai[1], nullptr);
  EXPECT_EQ(table.Sutepai[1]->Id, meant);
  EXPECT_EQ(table.TumoCount, 3);
}

TEST_F(PracticeWindow, ADoubleClickThrowsAwayOneTile) {
  Open(false);
  for (const int ms : {-1, 3}) {  // the step over at once, and a real pause
    SCOPED_TRACE(ms);
    RealPauses(ms);
    const int before = Dlg.MjTable().SuteCount;
    QTest::mouseDClick(Dlg.windowHandle(), Qt::LeftButton, Qt::NoModifier, HandPoint(3));
    ASSERT_TRUE(Settled());
    EXPECT_EQ(Dlg.MjTable().SuteCount, before + 1);
  }
}

class ThrowingKeys : public QWidget {
protected:
  void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("途中の失敗"); }
};

// The error display's box opens while the step waits; the step goes on under
// it, and the box takes its answer.
TEST_F(PracticeWindow, AMessageBoxDuringAStepCanBeAnsweredAndTheStepFinishes) {
  Open(false);
  ThrowingKeys failing;
  bool raised = false;
  RealPauses(30, [&](int) {
    if (std::exchange(raised, true)) return;
    QTimer::singleShot(0, &Dlg, [&] {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
      QApplication::sendEvent(&failing, &key);
    });
  });
  QString caption, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool busyWhenOpen = false, answered = false;
  std::function<void()> answer = [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box != nullptr && caption.isNull()) {
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      busyWhenOpen = Dlg.Busy();
    }
    if (box == nullptr || Dlg.Busy()) {
      QTimer::singleShot(1, &Dlg, answer);
      return;
    }
    box->button(QMessageBox::Ok)->click();
    answered = true;
  };
  QTimer::singleShot(0, &Dlg, answer);
  ClickHandWindow(13);
  ASSERT_TRUE(QTest::qWaitFor([&] { return answered && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_EQ(caption, QStringLiteral("牌理工房"));
  EXPECT_EQ(text, QStringLiteral("途中の失敗"));
  EXPECT_EQ(icon, QMessageBox::Warning);
  EXPECT_TRUE(busyWhenOpen) << "the box came up during the step";
  EXPECT_EQ(Dlg.MjTable().TumoCount, 2) << "the step finished";
}

// Exit and the title bar alike: the step ends where it stands, nothing queued acts.
TEST_F(PracticeWindow, ClosingDuringAStepEndsItAndDropsWhatWaited) {
  const std::function<void()> closers[] = {
      [&] { Dlg.Exit1->trigger(); },
      [&] {
        QCloseEvent close;
        QApplication::sendEvent(Dlg.windowHandle(), &close);
      },
  };
  for (const auto& closeWindow : closers) {
    Pauses.clear();
    Dlg.PauseHook = [this](int ms) {
      Pauses.push_back(ms);
      return -1;
    };
    Open(false);
    Activate();
    RealPauses(1000);  // never over: the window closes first
    ClickHandWindow(0);
    ASSERT_TRUE(Dlg.Busy());
    ClickHandWindow(4);
    QTest::keyClick(Dlg.windowHandle(), Qt::Key_F2);
    ASSERT_EQ(Dlg.QueuedCount(), 2u);
    const TPaiRow hand = Dlg.MjTable().Tepai;
    const TPaiRow discards = Dlg.MjTable().Sutepai;
    const QImage picture = Dlg.FrMjTepai1->Image1->Canvas().copy();

    closeWindow();
    EXPECT_FALSE(Dlg.isVisible());
    EXPECT_FALSE(Dlg.Busy());
    EXPECT_EQ(Dlg.QueuedCount(), 0u);
    EXPECT_FALSE(Dlg.PauseTimer->isActive());
    QApplication::processEvents();
    EXPECT_EQ(Dlg.MjTable().Tepai, hand);
    EXPECT_EQ(Dlg.MjTable().Sutepai, discards);
    EXPECT_EQ(Dlg.MjTable().TumoCount, 1);
    EXPECT_EQ(Dlg.FrMjTepai1->Image1->Canvas(), picture) << "nothing more painted";
    EXPECT_FALSE(Agari.isVisible());
  }
  // The next opening deals afresh.
  Dlg.PauseHook = [](int) { return -1; };
  Open(false);
  EXPECT_EQ(Dlg.MjTable().SuteCount, 0);
  EXPECT_EQ(Dlg.MjTable().TumoCount, 1);
}

TEST_F(PracticeWindow, QuittingDuringAStepEndsTheProgramCleanly) {
  bool returned = false;
  RealPauses(1000, [&](int) { QTimer::singleShot(0, [] { QCoreApplication::quit(); }); });
  QTimer::singleShot(0, &Dlg, [&] {
    Dlg.ShowModal();
    returned = true;
  });
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(returned);
  EXPECT_FALSE(Dlg.isVisible());
  EXPECT_FALSE(Dlg.Busy());
  EXPECT_FALSE(Dlg.PauseTimer->isActive());
}

// Ten tiles clicked while the steps run, each as it comes, give the record of
// throwing the same tiles away one by one.
TEST_F(PracticeWindow, TenClicksQueuedAcrossPausesPlayAsOneByOne) {
  const TRecordTime when{2024, 5, 1, 12, 0, 0};
  std::size_t mostQueued = 0;
  auto play = [&](bool queued) {
    Dlg.hide();
    Dlg.PauseHook = [](int) { return -1; };
    Random.Seed(4242);
    Open(false);
    std::vector<int> tiles;
    for (int k = 13; k >= 4; --k) tiles.push_back(Dlg.MjTable().Tepai[static_cast<std::size_t>(k)]->Id);
    if (!queued) {
      for (const int id : tiles) {
        ClickHandWindow(CellOf(id));
        EXPECT_TRUE(Settled());
      }
    } else {
      std::size_t next = 1;
      RealPauses(2, [&](int) {
        mostQueued = std::max(mostQueued, Dlg.QueuedCount());
        if (next < tiles.size()) QTimer::singleShot(0, &Dlg, [this, id = tiles[next++]] { ClickHandWindow(CellOf(id)); });
      });
      ClickHandWindow(CellOf(tiles[0]));
      EXPECT_TRUE(QTest::qWaitFor([&] { return Dlg.MjTable().SuteCount == 10 && !Dlg.Busy(); }));
    }
    EXPECT_EQ(Dlg.MjTable().SuteCount, 10);
    return RecordText(Dlg.MjTable(), when);
  };
  const std::string oneByOne = play(false);
  const std::string queued = play(true);
  EXPECT_EQ(queued, oneByOne);
  EXPECT_GE(mostQueued, 2u) << "clicks waited behind each other";
}

// Above the practice window, not a hidden leader; F2, F5 and F6 act from it.
TEST_F(PracticeWindow, TheWaitsWindowStaysWithThePracticeWindowAndPassesItsKeys) {
  Open(false);
  Activate();
  QTest::keyClick(&Dlg, Qt::Key_F2);
  ASSERT_TRUE(Agari.isVisible());
  EXPECT_EQ(Agari.windowHandle()->transientParent(), Dlg.windowHandle());
  Agari.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &Agari; }));

  const std::uint32_t wall = Random.State;
  Pauses.clear();
  QTest::keyClick(&Agari, Qt::Key_F6);
  EXPECT_EQ(Random.State, wall) << "the same deal";
  QTest::keyClick(&Agari, Qt::Key_F5);
  EXPECT_NE(Random.State, wall) << "a new deal";
  EXPECT_EQ(Pauses, (std::vector<int>{1000, 1000, 1000, 1000}));
  QTest::keyClick(&Agari, Qt::Key_F2);
  EXPECT_FALSE(Agari.isVisible());
}

}  // namespace
