// The discard-reading exercise: the folder choice, the file list and F5.

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/Mjrandom1.h"
#include "tests/support/SequenceSource.h"
#include "tests/ui/test_viewer_support.h"
#include "ui/Quizdlg1.h"

namespace {

class ViewerRandom : public ViewerTest {
protected:
  // n record files, file k carrying the mark k + 1 in its first slot.
  void MakeRecords(int n) {
    for (int k = 0; k < n; ++k) WriteFile(Path(QStringLiteral("r%1.csv").arg(k)), MarkedRecord(k + 1));
  }
  void ChooseFolder() {
    FolderAnswer = Dir.path();
    Dlg.MnSetFolderClick();
  }
  // F5 as the player presses it; returns the name of the file then shown.
  QString PressF5() {
    QTest::keyClick(&Dlg, Qt::Key_F5);
    QCoreApplication::sendPostedEvents();  // an error's message box opens after the handler
    return QString::fromStdString(std::filesystem::path(Dlg.RecordFile).filename().string());
  }
  // The names still to be opened, entry 0 first.
  QStringList Remaining() const {
    QStringList names;
    for (std::size_t i = 0; i < Dlg.FileList.Size(); ++i)
      names << QString::fromStdString(std::string(Dlg.FileList[i]));
    return names;
  }
  // The record files in the order the file system lists them.
  QStringList DirectoryOrder() const {
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(Dir.path().toStdString()))
      if (!entry.is_directory() && entry.path().extension() == ".csv")
        names << QString::fromStdString(entry.path().filename().string());
    return names;
  }
};

}  // namespace

TEST_F(ViewerRandom, NPressesOpenEachFileOnceThenANewOrderBegins) {
  constexpr int n = 5;
  MakeRecords(n);
  TRuleSource rule([](int step) { return step * 5 + 3; });
  TScopedRandomSource guard(rule);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  EXPECT_EQ(rule.Taken, n - 1);
  EXPECT_EQ(static_cast<int>(Dlg.FileList.Size()), n);

  std::map<QString, int> opened;
  QStringList order;
  for (int k = 0; k < n; ++k) {
    const QString name = PressF5();
    ++opened[name];
    order << name;
    EXPECT_EQ(static_cast<int>(Dlg.FileList.Size()), n - 1 - k);
    EXPECT_EQ(Code(0, 0), name.mid(1, 1).toInt() + 1) << name.toStdString();  // the sheet holds that file
  }
  EXPECT_EQ(opened.size(), static_cast<std::size_t>(n));
  EXPECT_NE(order, DirectoryOrder());  // this rule does shuffle
  EXPECT_EQ(rule.Taken, n - 1);

  const QString first = PressF5();  // builds and shuffles again, opens its first name
  EXPECT_EQ(rule.Taken, 2 * (n - 1));
  EXPECT_EQ(static_cast<int>(Dlg.FileList.Size()), n - 1);
  EXPECT_TRUE(opened.count(first));
  EXPECT_TRUE(Warnings.isEmpty());
}

TEST_F(ViewerRandom, OneFileComesUpOnEveryPressWithoutDrawingValues) {
  MakeRecords(1);
  TRuleSource rule([](int) { return 1; });
  TScopedRandomSource guard(rule);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  for (int press = 0; press < 3; ++press) {
    EXPECT_EQ(PressF5(), QStringLiteral("r0.csv"));
    EXPECT_TRUE(Dlg.FileList.Empty());
  }
  EXPECT_EQ(rule.Taken, 0);
}

TEST_F(ViewerRandom, AGeneratorOfZerosKeepsTheDirectoryOrder) {
  MakeRecords(6);
  TRuleSource zero = ZeroSource();
  TScopedRandomSource guard(zero);
  OpenDiscardReading();
  ChooseFolder();
  EXPECT_EQ(Remaining(), DirectoryOrder());
  EXPECT_EQ(zero.Taken, 5);
}

// The order is the file system's, shuffled by the program's one shuffle with the
// same values drawn, however the names are kept.
TEST_F(ViewerRandom, TheOrderIsTheDirectoryOrderShuffledByTheOneShuffle) {
  MakeRecords(40);
  const auto rule = [](int step) { return (step * 7919 + 13) % 32768; };
  QStringList expected = DirectoryOrder();
  {
    TRuleSource replay(rule);
    TScopedRandomSource guard(replay);
    ShuffleInPlace(expected, static_cast<int>(expected.size()));
  }
  TRuleSource drawn(rule);
  TScopedRandomSource guard(drawn);
  OpenDiscardReading();
  ChooseFolder();
  EXPECT_EQ(Remaining(), expected);
  EXPECT_EQ(drawn.Taken, 39);
}

TEST_F(ViewerRandom, OnlyEntriesThatAreNotFoldersAndEndInCsvAreListed) {
  WriteFile(Path("plain.csv"), MarkedRecord(1));
  WriteFile(Path(".hidden.csv"), MarkedRecord(2));
  WriteFile(Path("UPPER.CSV"), MarkedRecord(3));
  WriteFile(Path("readonly.csv"), MarkedRecord(4));
  QFile::setPermissions(Path("readonly.csv"), QFile::ReadOwner);
  WriteFile(Path("notes.txt"), "x");
  WriteFile(Path("plain.csv.bak"), "x");
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("folder.csv")));
  OpenDiscardReading();
  ChooseFolder();
  QStringList listed = Remaining();
  listed.sort();
  EXPECT_EQ(listed, (QStringList{".hidden.csv", "UPPER.CSV", "plain.csv", "readonly.csv"}));
  QFile::setPermissions(Path("readonly.csv"), QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(ViewerRandom, AFolderWithoutRecordsShowsTheMessageOnEveryPress) {
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("sub.csv")));
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  const QString message = QStringLiteral("ファイルが見つかりません。");
  EXPECT_EQ(Warnings, QStringList{message});
  PressF5();
  PressF5();
  EXPECT_EQ(Warnings, (QStringList{message, message, message}));
  EXPECT_TRUE(Dlg.RecordFile.empty());
  EXPECT_FALSE(Dlg.MnBmpSave->isEnabled());
}

TEST_F(ViewerRandom, F5OpensAtRandomInRecordModeToo) {
  MakeRecords(1);
  OpenRecordView();
  EXPECT_FALSE(Dlg.MnRandOpen->isVisible());
  EXPECT_EQ(Dlg.Folder, RecordsFolder() + QLatin1Char('/'));
  Dlg.Folder = Dir.path() + QLatin1Char('/');  // a test folder stands in for the records folder
  Activate();
  EXPECT_EQ(PressF5(), QStringLiteral("r0.csv"));
  EXPECT_EQ(Code(0, 0), 1);
  EXPECT_EQ(Dlg.StatusPanel[0]->text(), QStringLiteral("r0.csv"));
  EXPECT_TRUE(Dlg.MnBmpSave->isEnabled());
}

TEST_F(ViewerRandom, ARefusedFileIsTakenOffTheList) {
  WriteFile(Path("a.csv"), "not a record\r\n");
  WriteFile(Path("b.csv"), MarkedRecord(7));
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  const QStringList order = Remaining();
  ASSERT_EQ(order.size(), 2);
  PressF5();
  EXPECT_EQ(Remaining(), QStringList{order[1]});
  PressF5();
  EXPECT_TRUE(Dlg.FileList.Empty());
  EXPECT_EQ(Warnings, QStringList{QStringLiteral("ファイル読み込み失敗。")});
}

// An emptied Folder would make later names relative to whatever the current
// folder happens to be.
TEST_F(ViewerRandom, ACancelledChooserLeavesFolderAndListAlone) {
  MakeRecords(3);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  PressF5();
  const QString folder = Dlg.Folder;
  const QStringList remaining = Remaining();
  FolderAnswer.clear();
  Dlg.MnSetFolderClick();
  EXPECT_EQ(Dlg.Folder, folder);
  EXPECT_EQ(Remaining(), remaining);
  EXPECT_EQ(PressF5(), remaining[0]);
  EXPECT_EQ(Dlg.RecordFile, (Dir.path() + QLatin1Char('/') + remaining[0]).toStdString());
}

// Otherwise a file that cannot be read would block every later F5.
TEST_F(ViewerRandom, AFileThatCannotBeReadIsTakenOffAfterItsError) {
  MakeRecords(2);
  TRuleSource zero = ZeroSource();
  TScopedRandomSource guard(zero);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  const QStringList order = Remaining();
  ASSERT_TRUE(QFile::remove(Path(order[0])));

  PressF5();  // the error escapes the handler and reaches the one error display
  ASSERT_EQ(Warnings.size(), 1);
  EXPECT_TRUE(Warnings[0].contains(order[0])) << Warnings[0].toStdString();
  EXPECT_EQ(Remaining(), QStringList{order[1]});

  EXPECT_EQ(PressF5(), order[1]);
  EXPECT_EQ(Warnings.size(), 1);

  Dlg.FileList.Clear();  // also when called directly
  Dlg.FileList.Append(order[0].toStdString());
  EXPECT_THROW(Dlg.MnRandOpenClick(), std::runtime_error);
  EXPECT_TRUE(Dlg.FileList.Empty());
}

// Each showing resets Folder to the records folder; names left from an earlier
// showing still belong to the folder their list was built from.
TEST_F(ViewerRandom, NamesLeftFromAnEarlierShowingComeFromTheirOwnFolder) {
  MakeRecords(3);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  PressF5();
  Dlg.close();
  const QStringList remaining = Remaining();
  ASSERT_EQ(remaining.size(), 2);

  OpenDiscardReading();
  Activate();
  EXPECT_EQ(Dlg.Folder, RecordsFolder() + QLatin1Char('/'));
  EXPECT_EQ(Remaining(), remaining);
  EXPECT_EQ(PressF5(), remaining[0]);
  EXPECT_EQ(Dlg.RecordFile, (Dir.path() + QLatin1Char('/') + remaining[0]).toStdString());
  EXPECT_TRUE(Warnings.isEmpty());

  // Once the list is used up it is rebuilt from the current Folder.
  PressF5();
  EXPECT_TRUE(Dlg.FileList.Empty());
  Dlg.Folder = Dir.path() + QStringLiteral("/empty/");
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("empty")));
  PressF5();
  EXPECT_EQ(Warnings, QStringList{QStringLiteral("ファイルが見つかりません。")});
}

// F5 held down opens one record, in the viewer and in the waits quiz under it.
TEST_F(ViewerRandom, AHeldF5OpensOneRecord) {
  MakeRecords(8);
  OpenDiscardReading();
  Activate();
  ChooseFolder();
  HoldKey(&Dlg, Qt::Key_F5);
  EXPECT_EQ(Dlg.FileList.Size(), 7u);
  Dlg.MnQuiz->trigger();
  ASSERT_TRUE(Dlg.QuizDlg && Dlg.QuizDlg->isVisible());
  HoldKey(Dlg.QuizDlg, Qt::Key_F5);
  EXPECT_EQ(Dlg.FileList.Size(), 6u);
  EXPECT_TRUE(Warnings.isEmpty());
}
