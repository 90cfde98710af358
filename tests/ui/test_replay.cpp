// A saved deal played again, end to end through the windows: the viewer opens
// a record, ファイル > この牌譜で練習 opens the practice window on its deal, the
// record's own discards are made by clicks and keys, and the new record is
// saved beside the old one. What each step should show is read from the record
// file's text here, never from the code under test.

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "core/Mjrandom1.h"
#include "records/Mjrecord1.h"
#include "tests/support/GeneratedRecords.h"
#include "tests/support/SequenceSource.h"
#include "tests/ui/test_viewer_support.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"

namespace {

const QByteArray NewStamp = "2031/01/02 03:04:05";

// A record's rows as the file holds them: the codes of each line up to its first 00.
struct TRecordRows {
  std::vector<int> Deal, Draws, Discards;
};

TRecordRows ReadRows(const QByteArray& bytes) {
  const QList<QByteArray> lines = bytes.split('\n');
  auto row = [&lines](int line) {
    std::vector<int> codes;
    for (const QByteArray& field : lines.at(line).trimmed().split(',')) {
      if (field.toInt() == 0) break;
      codes.push_back(field.toInt());
    }
    return codes;
  };
  return {row(1), row(2), row(3)};
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

// The 14 tiles after draw m (1..): the deal and m draws, less the m - 1 discards before it.
std::vector<int> HandAfterDraw(const TRecordRows& rows, int m) {
  std::vector<int> hand = rows.Deal;
  hand.insert(hand.end(), rows.Draws.begin(), rows.Draws.begin() + m);
  for (int i = 0; i + 1 < m; ++i)
    hand.erase(std::find(hand.begin(), hand.end(), rows.Discards[static_cast<std::size_t>(i)]));
  std::sort(hand.begin(), hand.end());
  return hand;
}

class ReplayTest : public ViewerTest {
protected:
  void SetUp() override {
    ViewerTest::SetUp();
    MainDlg = &Practice;
    AgariDlg = &Agari;
    Practice.PauseHook = [](int) { return -1; };
    Practice.Clock = [] { return TRecordTime{2031, 1, 2, 3, 4, 5}; };
    Random.Seed(20251210);
  }
  void TearDown() override {
    Practice.hide();
    Agari.hide();
    MainDlg = nullptr;
    AgariDlg = nullptr;
    ViewerTest::TearDown();
  }

  // A record of the test data, copied beside where the new one will go.
  QString DataRecord(const QString& name) {
    return WriteFile(Path(name), ReadAll(QString::fromUtf8(TILELAB_TEST_DATA) + QStringLiteral("/records/") + name));
  }

  // The viewer opens the file through its open command.
  void OpenInViewer(const QString& path) {
    OpenAnswer = path;
    OpenRecordView();
    Dlg.Open1->trigger();
  }

  bool Settled() {
    return QTest::qWaitFor([this] { return !Practice.Busy() && Practice.QueuedCount() == 0; });
  }

  std::vector<int> HandCodes() {
    std::vector<int> codes;
    for (int i = 0; i < HandSlots; ++i)
      if (const TMjPai* pai = Practice.MjTable().Tepai[static_cast<std::size_t>(i)]) codes.push_back(pai->GetCode());
    std::sort(codes.begin(), codes.end());
    return codes;
  }
  int DrawnCode() {
    const TMjPai* pai = Practice.MjTable().Tepai[DrawSlot];
    return pai ? pai->GetCode() : 0;
  }
  int CellOf(int code) {
    if (DrawnCode() == code) return DrawSlot;
    for (int k = 0; k < HandSlots; ++k) {
      const TMjPai* pai = Practice.MjTable().Tepai[static_cast<std::size_t>(k)];
      if (pai && pai->GetCode() == code) return k;
    }
    return -1;
  }

  // Throws away a tile of code: by a click on its cell, or with the keys (Home,
  // → to the cell, Return).
  void Discard(int code, bool byKeys) {
    const int k = CellOf(code);
    ASSERT_GE(k, 0) << "no " << code << " in the hand";
    if (byKeys) {
      QTest::keyClick(&Practice, Qt::Key_Home);
      for (int i = 0; i < k; ++i) QTest::keyClick(&Practice, Qt::Key_Right);
      QTest::keyClick(&Practice, Qt::Key_Return);
    } else {
      QTest::mouseClick(Practice.FrMjTepai1->Image1, Qt::LeftButton, Qt::NoModifier,
                        QPoint(k * TFrMjPai::PaiWidth + 5, TFrMjPai::PaiHeight / 2));
    }
    ASSERT_TRUE(Settled());
  }

  // Plays the record's draws with its discards, checking the 14 tiles at every
  // draw; the last draw of a record saved before its discard waits.
  void PlayRecord(const TRecordRows& rows) {
    const int draws = static_cast<int>(rows.Draws.size());
    for (int m = 1; m <= draws; ++m) {
      SCOPED_TRACE(m);
      ASSERT_EQ(HandCodes(), HandAfterDraw(rows, m));
      ASSERT_EQ(DrawnCode(), rows.Draws[static_cast<std::size_t>(m - 1)]);
      if (m <= static_cast<int>(rows.Discards.size())) {
        Discard(rows.Discards[static_cast<std::size_t>(m - 1)], m % 2 == 0);
        if (HasFatalFailure()) return;
      }
    }
  }

  // Triggers この牌譜で練習; play runs in the practice window's modal show, which
  // closes after it.
  void Replay(const std::function<void()>& play) {
    ASSERT_TRUE(Dlg.MnReplay->isEnabled());
    bool ran = false;
    QTimer::singleShot(0, &Practice, [&] {
      ran = true;
      if (Settled()) {
        Practice.activateWindow();
        play();
      } else {
        ADD_FAILURE() << "the opening did not end";
      }
      Practice.Exit1->trigger();
    });
    Dlg.MnReplay->trigger();
    EXPECT_TRUE(ran) << "the practice window was shown";
    EXPECT_FALSE(Practice.isVisible());
  }

  // Replays the record at path with its own discards and saves the new deal:
  // the new file differs from the old in its time stamp alone, the old file
  // stays as it was.
  void ReplayAndSave(const QString& path, bool tinitu) {
    const QByteArray old = ReadAll(path);
    const TRecordRows rows = ReadRows(old);
    const QString saved = Path(QStringLiteral("new.csv"));
    QFile::remove(saved);
    QString offered;
    Practice.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog& d) {
      offered = d.FileName;
      return saved;
    };
    OpenInViewer(path);
    Replay([&] {
      EXPECT_EQ(Practice.Tinitu(), tinitu);
      EXPECT_EQ(Practice.windowTitle(), CaptionText(tinitu ? QStringLiteral("清一色") : QStringLiteral("一人麻雀")) +
                                            QStringLiteral("  牌譜 %1 の練習").arg(QFileInfo(path).fileName()));
      PlayRecord(rows);
      Practice.SaveAs2->trigger();
    });
    EXPECT_NE(offered, path) << "the old name is not offered";
    EXPECT_EQ(QFileInfo(offered).absolutePath(), QFileInfo(path).absolutePath()) << "a new name beside it";
    EXPECT_FALSE(QFileInfo::exists(offered));
    const QByteArray now = ReadAll(saved);
    ASSERT_EQ(now.size(), 277);
    EXPECT_EQ(now.left(12), old.left(12));
    EXPECT_EQ(now.mid(12, 19), NewStamp);
    EXPECT_EQ(now.mid(31), old.mid(31)) << "the same deal, draws, discards and hand";
    EXPECT_EQ(ReadAll(path), old) << "the old record untouched";
  }

  TMainDlg Practice;
  TAgariDlg Agari;
};

// Records of the test data: a finished full deal, a finished one-suit deal and
// a full deal saved before the discard of its seventh draw.
TEST_F(ReplayTest, SavedRecordsReplayTileForTileAndSaveAsNewRecords) {
  for (const auto& [name, tinitu] :
       {std::pair{"example.csv", false}, std::pair{"replay_tinitu.csv", true}, std::pair{"replay_midway.csv", false}}) {
    SCOPED_TRACE(name);
    ReplayAndSave(DataRecord(QString::fromLatin1(name)), tinitu);
    if (HasFatalFailure()) return;
  }
}

// Generated deals: finished ones and ones saved early, each from its own seed.
TEST_F(ReplayTest, GeneratedRecordsReplayTileForTile) {
  for (const auto& [seed, draws] : {std::pair{3u, 18}, std::pair{41u, 18}, std::pair{77u, 12}, std::pair{90u, 1}}) {
    SCOPED_TRACE(seed);
    const std::string text = GeneratedRecord(seed, 60, draws);
    ReplayAndSave(WriteFile(Path(QStringLiteral("gen%1.csv").arg(seed)), QByteArray::fromStdString(text)), false);
    if (HasFatalFailure()) return;
  }
}

// F6 deals the replay again, with the same draws past the record's end; F5
// leaves it for a shuffled wall of the record's mode, and the title says so.
TEST_F(ReplayTest, F6ReplaysAgainAndF5LeavesTheReplay) {
  const QString path = DataRecord(QStringLiteral("replay_midway.csv"));
  const TRecordRows rows = ReadRows(ReadAll(path));
  OpenInViewer(path);
  Replay([&] {
    auto playOn = [&] {
      PlayRecord(rows);
      Discard(DrawnCode(), false);  // past the record: the eighth draw
      return DrawnCode();
    };
    const int eighth = playOn();
    EXPECT_NE(eighth, 0);
    QTest::keyClick(&Practice, Qt::Key_F6);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(HandCodes(), HandAfterDraw(rows, 1));
    EXPECT_EQ(playOn(), eighth) << "the same wall";
    EXPECT_TRUE(Practice.windowTitle().contains(QStringLiteral("replay_midway.csv")));

    TRuleSource source([](int step) { return step * 7919; });
    TScopedRandomSource guard(source);
    QTest::keyClick(&Practice, Qt::Key_F5);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(source.Taken, 135) << "a new full wall";
    EXPECT_EQ(Practice.windowTitle(), CaptionText(QStringLiteral("一人麻雀")));
    EXPECT_FALSE(Practice.Replaying());
  });
}

// The save never goes over the record replayed: the dialog's answer of its
// name is refused with a message and the file stays as it was.
TEST_F(ReplayTest, SavingOverTheReplayedRecordIsRefused) {
  const QString path = DataRecord(QStringLiteral("example.csv"));
  const QByteArray old = ReadAll(path);
  QStringList offered;
  Practice.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog& d) {
    offered << d.FileName;
    return path;
  };
  OpenInViewer(path);
  Replay([&] {
    Discard(DrawnCode(), false);
    Practice.SaveAs2->trigger();
    Practice.SaveAs2->trigger();
  });
  ASSERT_EQ(Warnings.size(), 2);
  EXPECT_TRUE(Warnings[0].contains(path));
  ASSERT_EQ(offered.size(), 2);
  EXPECT_EQ(offered[1], offered[0]) << "the new name is offered again, not the old one";
  EXPECT_NE(offered[0], path);
  EXPECT_EQ(ReadAll(path), old);
}

// Only a record read whole that adds up can be played: the command is off
// otherwise, says why, and refuses if reached all the same.
TEST_F(ReplayTest, RecordsThatDoNotAddUpAreRefused) {
  OpenRecordView();
  EXPECT_FALSE(Dlg.MnReplay->isEnabled()) << "no record";
  EXPECT_EQ(Dlg.MnReplay->text(), QStringLiteral("この牌譜で練習(&P)"));

  OpenInViewer(DataRecord(QStringLiteral("replay_wrong_discard.csv")));
  EXPECT_FALSE(Dlg.MnReplay->isEnabled());
  const QString why = QStringLiteral("この牌譜では練習できません: 4巡目: 手牌にない 2m を捨てています。");
  EXPECT_EQ(Dlg.MnReplay->toolTip(), why);
  Dlg.MnReplayClick();
  EXPECT_EQ(Warnings, QStringList{why});
  EXPECT_FALSE(Practice.isVisible());

  // A good header and three lines: not read whole, though its deal and its
  // one draw would add up.
  const QString cut = WriteFile(Path(QStringLiteral("cut.csv")),
                                "TileLab 1.0,2024/01/01 00:00:00\r\n01,02,03,04,05,06,07,08,09,11,12,13,14\r\n15\r\n");
  OpenAnswer = cut;
  Dlg.Open1->trigger();
  QCoreApplication::sendPostedEvents();  // the missing line's message
  EXPECT_EQ(Warnings.size(), 2);
  EXPECT_FALSE(Dlg.MnReplay->isEnabled());

  OpenInViewer(DataRecord(QStringLiteral("example.csv")));
  EXPECT_TRUE(Dlg.MnReplay->isEnabled());
  EXPECT_FALSE(Dlg.MnReplay->toolTip().contains(QStringLiteral("できません"))) << "no reason left standing";
}

}  // namespace
