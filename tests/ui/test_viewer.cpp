// The viewer window: opening in each mode, both layouts, the status bar, loading
// through the open command and the BMP save.

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include "core/Mjrandom1.h"
#include "core/Mjtable1.h"
#include "records/Mjrecord1.h"
#include "tests/support/SequenceSource.h"
#include "tests/ui/test_viewer_support.h"

namespace {

const TRow Deal{1, 2, 3, 11, 12, 13, 21, 22, 23, 31, 32, 33, 34};
const TRow Draws{5, 6, 7, 8, 9, 15};
const TRow Discards{5, 1, 37, 8, 0, 6};  // 0 and 3 throw the tile drawn at that turn
const TRow Hand{2, 3, 11, 12, 13, 21, 22, 23, 31, 32, 33, 34, 6, 15};

using ViewerWindow = ViewerTest;

void ExpectEmptySheet(TViewDlg& dlg, int rows) {
  for (int cell = 0; cell < rows * 20; ++cell) {
    SCOPED_TRACE(cell);
    EXPECT_EQ(SheetCell(dlg, cell), BlankCell(dlg));
  }
}

}  // namespace

TEST_F(ViewerWindow, RecordModeShowsTheRecordLayoutAndAnEmptySheet) {
  OpenRecordView();
  EXPECT_TRUE(Dlg.Open1->isVisible());
  EXPECT_FALSE(Dlg.MnRandOpen->isVisible());
  EXPECT_FALSE(Dlg.MnSetFolder->isVisible());
  EXPECT_TRUE(Dlg.MnShowStat->isChecked());
  EXPECT_TRUE(Dlg.MnView2->isChecked());
  EXPECT_FALSE(Dlg.MnView1->isChecked());
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());

  EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 151));
  EXPECT_EQ(Dlg.size(), QSize(529, 151 + Dlg.MainMenu1->height()));
  EXPECT_EQ(Dlg.StatusBar1->geometry(), QRect(0, 132, 529, 19));
  EXPECT_FALSE(Dlg.FrMjSheet1->SuteOnly);
  EXPECT_EQ(Dlg.FrMjSheet1->geometry(), QRect(45, 0, 480, 128));
  EXPECT_EQ(Dlg.FrMjSheet1->Image1->Canvas().size(), QSize(480, 128));
  const QLabel* labels[] = {Dlg.LbHaipai, Dlg.LbTumo, Dlg.LbSute, Dlg.LbTe};
  for (int row = 0; row < 4; ++row) {
    EXPECT_TRUE(labels[row]->isVisible());
    EXPECT_EQ(labels[row]->geometry(), QRect(0, 8 + 32 * row, 40, 12));
  }
  EXPECT_EQ(Dlg.LbTe->text(), QStringLiteral("最終形"));
  const std::pair<QAction*, const char*> captions[] = {
      {Dlg.File1->menuAction(), "ファイル(&F)"}, {Dlg.Open1, "開く(&O)..."},
      {Dlg.MnRandOpen, "ランダムに開く(&R)\tF5"},  {Dlg.MnBmpSave, "BMP保存(&B)"},
      {Dlg.MnSetFolder, "フォルダを選択(&F)"},      {Dlg.Exit1, "終了(&X)"},
      {Dlg.Show1->menuAction(), "表示(&V)"},      {Dlg.MnView1, "捨牌のみ(&D)"},
      {Dlg.MnView2, "牌譜(&A)"},                  {Dlg.MnShowStat, "ステータス表示(&S)"}};
  for (const auto& [item, caption] : captions) EXPECT_EQ(item->text(), QString::fromUtf8(caption));
  EXPECT_EQ(Dlg.MnView1->shortcut(), QKeySequence(Qt::Key_F6));
  EXPECT_EQ(Dlg.MnView2->shortcut(), QKeySequence(Qt::Key_F7));
  ExpectEmptySheet(Dlg, 4);
  EXPECT_EQ(Dlg.ScrollBox1->palette().color(QPalette::Window), Dlg.FrMjPai1->BackgroundColor());
  EXPECT_TRUE(Dlg.StatusPanel[0]->text().isEmpty());
  EXPECT_TRUE(Dlg.StatusPanel[1]->text().isEmpty());
  EXPECT_EQ(Dlg.StatusPanel[0]->width(), 150);
  EXPECT_GE(Dlg.StatusPanel[1]->width(), 50);
  EXPECT_GE(Dlg.StatusPanel[1]->width(), Dlg.StatusPanel[1]->fontMetrics().horizontalAdvance(QStringLiteral("2024/05/06 07:08:09")));
  EXPECT_EQ(Dlg.Folder, RecordsFolder() + QLatin1Char('/'));
}

TEST_F(ViewerWindow, DiscardReadingModeShowsTheDiscardsOnlyLayout) {
  OpenDiscardReading();
  EXPECT_FALSE(Dlg.Open1->isVisible());
  EXPECT_TRUE(Dlg.MnRandOpen->isVisible());
  EXPECT_TRUE(Dlg.MnSetFolder->isVisible());
  EXPECT_FALSE(Dlg.MnShowStat->isChecked());
  EXPECT_TRUE(Dlg.MnView1->isChecked());
  EXPECT_FALSE(Dlg.MnView2->isChecked());
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());

  EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 87));
  EXPECT_EQ(Dlg.size(), QSize(529, 87 + Dlg.MainMenu1->height()));
  EXPECT_TRUE(Dlg.FrMjSheet1->SuteOnly);
  EXPECT_EQ(Dlg.FrMjSheet1->geometry(), QRect(45, 0, 480, 64));
  // The first drawing happens before the layout is applied, at four rows.
  EXPECT_EQ(Dlg.FrMjSheet1->Image1->Canvas().size(), QSize(480, 128));
  EXPECT_FALSE(Dlg.LbHaipai->isVisible());
  EXPECT_FALSE(Dlg.LbTumo->isVisible());
  EXPECT_FALSE(Dlg.LbTe->isVisible());
  EXPECT_TRUE(Dlg.LbSute->isVisible());
  EXPECT_EQ(Dlg.LbSute->geometry(), QRect(0, 40, 40, 12));
  ExpectEmptySheet(Dlg, 2);
}

TEST_F(ViewerWindow, EveryShowingStartsEmptyAgain) {
  OpenAnswer = WriteFile(Path("a.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  OpenRecordView();
  Dlg.Open1Click();
  ASSERT_EQ(Code(0, 0), 1);
  ASSERT_TRUE(Dlg.MnBmpSave->isEnabled());
  EXPECT_EQ(OpenAsked, QStringList{Dlg.Folder + QLatin1Char('|')});
  Dlg.Open1Click();  // the dialog remembers the last name within a showing
  EXPECT_EQ(OpenAsked.last(), Dlg.Folder + QLatin1Char('|') + OpenAnswer);
  Dlg.close();
  EXPECT_FALSE(Dlg.isVisible());

  Dlg.Folder = QStringLiteral("/elsewhere/");
  OpenDiscardReading();
  EXPECT_TRUE(CodesEmpty());
  EXPECT_TRUE(Dlg.RecordFile.empty());
  EXPECT_TRUE(Dlg.RecordDate.empty());
  EXPECT_TRUE(Dlg.StatusPanel[0]->text().isEmpty());
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());
  EXPECT_TRUE(Dlg.OpenFileName.isEmpty());
  EXPECT_EQ(Dlg.Folder, RecordsFolder() + QLatin1Char('/'));
  ExpectEmptySheet(Dlg, 2);
}

TEST_F(ViewerWindow, TheModalShowsPrepareAndReturnWhenClosed) {
  bool checked = false;
  QTimer::singleShot(0, &Dlg, [&] {
    checked = true;
    EXPECT_TRUE(Dlg.isVisible());
    EXPECT_TRUE(Dlg.isModal());
    EXPECT_TRUE(Dlg.MnRandOpen->isVisible());
    EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 87));
    Dlg.Exit1->trigger();
  });
  Dlg.ShowDiscardReading();
  EXPECT_TRUE(checked);
  EXPECT_FALSE(Dlg.isVisible());
}

// Shown again while open (as when restored from minimised) it stays where the
// player put it; the next showing from the menu centres it again.
TEST_F(ViewerWindow, OnlyTheMenusShowingCentresTheWindow) {
  QPoint centred, kept;
  const QPoint moved(3, 5);
  auto inspect = [&](bool reshow) {
    QTimer::singleShot(0, &Dlg, [&, reshow] {
      centred = Dlg.pos();
      if (reshow) {
        Dlg.move(moved);
        Dlg.hide();
        Dlg.show();
        kept = Dlg.pos();
      }
      Dlg.Exit1->trigger();
    });
  };
  inspect(true);
  Dlg.ShowRecordView();
  EXPECT_NE(centred, moved);
  EXPECT_EQ(kept, moved);
  const QPoint first = centred;
  inspect(false);
  Dlg.ShowRecordView();
  EXPECT_EQ(centred, first);
}

TEST_F(ViewerWindow, EscDoesNotCloseTheWindow) {
  OpenRecordView();
  Activate();
  QTest::keyClick(&Dlg, Qt::Key_Escape);
  EXPECT_TRUE(Dlg.isVisible());
  Dlg.Exit1->trigger();
  EXPECT_FALSE(Dlg.isVisible());
}

TEST_F(ViewerWindow, RecordLayoutDrawsEveryRowAndOddCodesDrawBlank) {
  // 10 and 38 lie on the sheet (a red five, a grey cell); 99 and -50 lie outside it.
  OpenAnswer = WriteFile(Path("odd.csv"), RecordBytes({Deal, Draws, Discards, TRow{10, 38, 99, -50, 37}}));
  OpenRecordView();
  Dlg.Open1Click();
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 20; ++col) {
      SCOPED_TRACE(testing::Message() << row << "," << col);
      EXPECT_EQ(SheetCell(Dlg, row * 20 + col), TileCell(Dlg, Code(row, col)));
    }
  EXPECT_EQ(SheetCell(Dlg, 62), BlankCell(Dlg));
  EXPECT_EQ(SheetCell(Dlg, 63), BlankCell(Dlg));
  EXPECT_NE(SheetCell(Dlg, 64), BlankCell(Dlg));
}

TEST_F(ViewerWindow, CodesAtTheEndsOfTheIntegerRangeDrawBlank) {
  OpenAnswer = WriteFile(Path("huge.csv"), "TileLab 1.0,x\r\n2147483647,-2147483648,99999999999,5\r\n\r\n\r\n\r\n");
  OpenRecordView();
  Dlg.Open1Click();
  ASSERT_EQ(Code(0, 0), 2147483647);
  for (int cell = 0; cell < 3; ++cell) EXPECT_EQ(SheetCell(Dlg, cell), BlankCell(Dlg)) << cell;
  EXPECT_EQ(SheetCell(Dlg, 3), TileCell(Dlg, 5));
}

TEST_F(ViewerWindow, ArrowsMarkOnlyADiscardEqualToTheDrawAtTheSameIndex) {
  // 0: equal; 1: equal to the draw at index 2 only; 2: discard 0 and draw 0;
  // 3: equal; 4: discard 0 under a draw; 5: different; 19: equal at the last slot.
  TRow draws(20, 0), discards(20, 0);
  draws[0] = 5, discards[0] = 5;
  draws[1] = 9, discards[1] = 14, draws[2] = 14;  // discards[2] stays 0 under the draw 14
  draws[3] = 37, discards[3] = 37;
  draws[4] = 21;
  draws[5] = 22, discards[5] = 23;
  draws[19] = 31, discards[19] = 31;
  OpenAnswer = WriteFile(Path("arrows.csv"), RecordBytes({Deal, draws, discards, Hand}));
  OpenDiscardReading();
  Dlg.Open1Click();
  for (int i = 0; i < 20; ++i) {
    SCOPED_TRACE(i);
    const bool arrow = i == 0 || i == 3 || i == 19;
    EXPECT_EQ(SheetCell(Dlg, i), arrow ? ArrowCell(Dlg) : BlankCell(Dlg));
    EXPECT_EQ(SheetCell(Dlg, 20 + i), TileCell(Dlg, discards[static_cast<std::size_t>(i)]));
  }
}

TEST_F(ViewerWindow, F6AndF7SwitchTheLayoutWithoutReloading) {
  OpenAnswer = WriteFile(Path("a.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  OpenRecordView();
  Dlg.Open1Click();
  ASSERT_TRUE(QFile::remove(OpenAnswer));  // a reload would now fail
  Activate();

  QTest::keyClick(&Dlg, Qt::Key_F6);
  EXPECT_TRUE(Dlg.MnView1->isChecked());
  EXPECT_FALSE(Dlg.MnView2->isChecked());
  EXPECT_TRUE(Dlg.MnShowStat->isChecked());  // not part of the radio pair
  EXPECT_TRUE(Dlg.FrMjSheet1->SuteOnly);
  EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 87));
  EXPECT_EQ(SheetCell(Dlg, 0), ArrowCell(Dlg));  // discard 5 after the draw 5
  EXPECT_EQ(SheetCell(Dlg, 20), TileCell(Dlg, 5));
  EXPECT_EQ(SheetCell(Dlg, 22), TileCell(Dlg, 37));
  EXPECT_FALSE(Dlg.LbTumo->isVisible());

  QTest::keyClick(&Dlg, Qt::Key_F7);
  EXPECT_TRUE(Dlg.MnView2->isChecked());
  EXPECT_FALSE(Dlg.MnView1->isChecked());
  EXPECT_EQ(Dlg.ClientArea->size(), QSize(529, 151));
  EXPECT_EQ(SheetCell(Dlg, 0), TileCell(Dlg, 1));
  EXPECT_EQ(SheetCell(Dlg, 41), TileCell(Dlg, 1));
  EXPECT_EQ(SheetCell(Dlg, 63), TileCell(Dlg, 12));
  EXPECT_EQ(SheetCell(Dlg, 73), TileCell(Dlg, 15));
  EXPECT_TRUE(Dlg.LbTumo->isVisible());
  EXPECT_TRUE(Warnings.isEmpty());
  EXPECT_EQ(Dlg.RecordFile, OpenAnswer.toStdString());
}

TEST_F(ViewerWindow, StatusPanelsFollowTheDisplaySwitch) {
  OpenAnswer = WriteFile(Path("名前.csv"), RecordBytes({Deal, Draws, Discards, Hand}, "2001/02/03 04:05:06"));
  OpenDiscardReading();  // status display off
  Dlg.Open1Click();
  EXPECT_TRUE(Dlg.StatusPanel[0]->text().isEmpty());
  EXPECT_TRUE(Dlg.StatusPanel[1]->text().isEmpty());

  Dlg.MnShowStat->trigger();  // as the menu does it
  EXPECT_TRUE(Dlg.MnShowStat->isChecked());
  EXPECT_EQ(Dlg.StatusPanel[0]->text(), QStringLiteral("名前.csv"));
  EXPECT_EQ(Dlg.StatusPanel[1]->text(), QStringLiteral("2001/02/03 04:05:06"));

  Dlg.MnShowStatClick();
  EXPECT_FALSE(Dlg.MnShowStat->isChecked());
  EXPECT_TRUE(Dlg.StatusPanel[0]->text().isEmpty());
  EXPECT_TRUE(Dlg.StatusPanel[1]->text().isEmpty());
  EXPECT_TRUE(Dlg.MnView1->isChecked());  // the radio pair is not touched
}

TEST_F(ViewerWindow, ARefusedHeaderEmptiesTheSheetButKeepsPanelsAndTheSaveItem) {
  const QString good = WriteFile(Path("good.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  const QString bad = WriteFile(Path("bad.csv"), "tilelab 1.0,2024/05/06 07:08:09\r\n01\r\n02\r\n03\r\n04\r\n");
  OpenRecordView();
  OpenAnswer = bad;  // refused while the save item is still disabled
  Dlg.Open1Click();
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());
  EXPECT_TRUE(Dlg.StatusPanel[0]->text().isEmpty());

  OpenAnswer = good;
  Dlg.Open1Click();
  ASSERT_TRUE(Dlg.MnBmpSave->isEnabled());
  OpenAnswer = bad;
  Dlg.Open1Click();
  EXPECT_EQ(Warnings, (QStringList{QStringLiteral("ファイル読み込み失敗。"), QStringLiteral("ファイル読み込み失敗。")}));
  EXPECT_TRUE(CodesEmpty());
  EXPECT_TRUE(Dlg.RecordFile.empty());
  EXPECT_TRUE(Dlg.RecordDate.empty());
  EXPECT_TRUE(Dlg.MnBmpSave->isEnabled());
  EXPECT_EQ(Dlg.StatusPanel[0]->text(), QStringLiteral("good.csv"));
  EXPECT_EQ(Dlg.StatusPanel[1]->text(), QStringLiteral("2024/05/06 07:08:09"));
  ExpectEmptySheet(Dlg, 4);
}

TEST_F(ViewerWindow, AFileThatCannotBeReadEndsTheCommandWithItsError) {
  OpenRecordView();
  OpenAnswer = Path("missing.csv");
  EXPECT_THROW(Dlg.Open1Click(), std::runtime_error);
  EXPECT_TRUE(Warnings.isEmpty());
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());

  // From the menu the error reaches the error display, which shows it after the command.
  Dlg.Open1->trigger();
  EXPECT_TRUE(Warnings.isEmpty());
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(Warnings.size(), 1);
  EXPECT_TRUE(Warnings[0].contains(OpenAnswer)) << Warnings[0].toStdString();

  OpenAnswer.clear();  // a cancelled dialog changes nothing
  Dlg.Open1Click();
  EXPECT_TRUE(Dlg.RecordFile.empty());
}

// A file that ends early fails after its header was read: the command ends
// without drawing, so the sheet still shows the deal before, and the status
// bar names that deal's file again; F7 redraws that deal, not the short file.
TEST_F(ViewerWindow, AFileThatEndsEarlyLeavesTheNameOfTheDealShown) {
  const QString good = WriteFile(Path("good.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  const QString shortFile = WriteFile(Path("short.csv"), "TileLab 1.0,2030/01/01 00:00:00\r\n01,02\r\n03\r\n");
  OpenRecordView();
  OpenAnswer = good;
  Dlg.Open1Click();
  const QImage before = SheetCell(Dlg, 0);
  OpenAnswer = shortFile;
  EXPECT_THROW(Dlg.Open1Click(), std::runtime_error);
  EXPECT_EQ(Dlg.StatusPanel[0]->text(), QStringLiteral("good.csv"));
  EXPECT_EQ(Dlg.StatusPanel[1]->text(), QStringLiteral("2024/05/06 07:08:09"));
  EXPECT_EQ(SheetCell(Dlg, 0), before);
  Dlg.MnView2Click();
  EXPECT_EQ(Code(0, 0), Deal[0]);
  EXPECT_EQ(SheetCell(Dlg, 0), TileCell(Dlg, Deal[0]));
  Dlg.MnShowStat->trigger();
  Dlg.MnShowStat->trigger();  // off and on again: still the deal shown
  EXPECT_EQ(Dlg.StatusPanel[0]->text(), QStringLiteral("good.csv"));
}

TEST_F(ViewerWindow, APlayedDealIsShownAsItWasRecorded) {
  TMjTable table;
  TRuleSource rule([](int step) { return step * 7919 + 13; });
  {
    TScopedRandomSource guard(rule);
    table.Shuffle();
  }
  table.Haipai();
  table.Tumo();
  for (int turn = 0; turn < 18; ++turn) {
    table.Sute(turn % 2 == 0 ? 13 : turn % 13);  // sometimes the drawn tile, sometimes one from the hand
    table.SortTe();
    if (turn < 17) table.Tumo();
  }
  const std::string path = Path("played.csv").toStdString();
  SaveRecordFile(path, table, [] { return TRecordTime{2024, 1, 2, 3, 4, 5}; });
  OpenAnswer = QString::fromStdString(path);
  OpenRecordView();
  Dlg.Open1Click();
  EXPECT_EQ(Dlg.RecordDate, "2024/01/02 03:04:05");
  int row = 0;
  for (const TPaiRow* rec : {&table.HaipaiRec, &table.TumoRec, &table.Sutepai, &table.Tepai}) {
    for (int col = 0; col < 20; ++col) {
      const TMjPai* pai = (*rec)[static_cast<std::size_t>(col)];
      SCOPED_TRACE(testing::Message() << row << "," << col);
      EXPECT_EQ(SheetCell(Dlg, row * 20 + col), TileCell(Dlg, pai ? pai->GetCode() : 0));
    }
    ++row;
  }
  Dlg.MnView1Click();
  int arrows = 0;
  for (int i = 0; i < 18; ++i) arrows += SheetCell(Dlg, i) == ArrowCell(Dlg);
  EXPECT_GE(arrows, 9);  // every other turn threw the drawn tile
}

TEST_F(ViewerWindow, TheBmpSaveWritesTheShownSheet) {
  OpenAnswer = WriteFile(Path("a.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  OpenRecordView();
  Dlg.Open1Click();
  SaveAnswer = Path("sheet.bmp");
  WriteFile(SaveAnswer, "an older file is replaced without asking");
  Dlg.MnBmpSave->trigger();
  QImage saved(SaveAnswer, "BMP");
  ASSERT_FALSE(saved.isNull());
  EXPECT_EQ(saved.size(), QSize(480, 128));
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Dlg.FrMjSheet1->Image1->Canvas());

  Dlg.MnView1Click();  // the discards-only layout saves the two rows it shows
  SaveAnswer = Path("discards.bmp");
  Dlg.MnBmpSaveClick();
  saved = QImage(SaveAnswer, "BMP");
  EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), Dlg.FrMjSheet1->Image1->Canvas().copy(0, 0, 480, 64));

  SaveAnswer.clear();  // cancelled: nothing written
  const QStringList before = QDir(Dir.path()).entryList(QDir::Files);
  Dlg.MnBmpSaveClick();
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), before);
}

TEST_F(ViewerWindow, AFailedBmpSaveNamesTheFileAndLeavesNoFile) {
  OpenAnswer = WriteFile(Path("a.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  OpenRecordView();
  Dlg.Open1Click();
  SaveAnswer = Path("no-such-folder/sheet.bmp");
  try {
    Dlg.MnBmpSaveClick();
    ADD_FAILURE() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains(SaveAnswer)) << e.what();
  }

  // A folder in the picture's place: the write fails at the last step.
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("out/sheet.bmp")));
  SaveAnswer = Path("out/sheet.bmp");
  EXPECT_THROW(Dlg.MnBmpSaveClick(), std::runtime_error);
  EXPECT_EQ(QDir(Path("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("sheet.bmp")});

}

TEST_F(ViewerWindow, ABmpSaveIntoALockedFolderRewritesTheWritablePictureThere) {
  OpenAnswer = WriteFile(Path("a.csv"), RecordBytes({Deal, Draws, Discards, Hand}));
  OpenRecordView();
  Dlg.Open1Click();
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("locked")));
  WriteFile(Path("locked/sheet.bmp"), "older");
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner);
  if (QFile(Path("locked/probe")).open(QIODevice::WriteOnly)) GTEST_SKIP() << "running with rights to write anywhere";
  SaveAnswer = Path("locked/sheet.bmp");
  Dlg.MnBmpSaveClick();
  EXPECT_EQ(QDir(Path("locked")).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("sheet.bmp")});
  EXPECT_FALSE(QImage(SaveAnswer, "BMP").isNull());
  QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
