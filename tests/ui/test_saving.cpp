// Where records go, the save dialogs' start and their question before replacing
// a file, and what the windows' status bars say of names and saves.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/Mjrandom1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Ttiledlg1.h"
#include "ui/Viewdlg1.h"

namespace {

QString WriteText(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  return path;
}

// Runs act on each showing of a modal window, until act answers false.
void OnModals(const std::function<bool(QWidget*)>& act) {
  auto* timer = new QTimer;
  auto last = std::make_shared<QWidget*>(nullptr);
  QObject::connect(timer, &QTimer::timeout, [timer, act, last] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == *last) return;
    *last = modal;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      QObject::connect(dialog, &QDialog::finished, timer, [last] { *last = nullptr; }, Qt::SingleShotConnection);
    if (!act(modal)) timer->deleteLater();
  });
  timer->start(10);
}

class Saving : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    QSettings().remove(QStringLiteral("SaveFolder"));
  }
  void TearDown() override {
    SetReplaceHook({});
    QSettings().remove(QStringLiteral("SaveFolder"));
  }
  QString Path(const QString& name) const { return Dir.filePath(name); }
  QTemporaryDir Dir;
};

}  // namespace

TEST_F(Saving, RecordsLiveBesideAWritableProgramElseInTheDocuments) {
  const QString docs = Path(QStringLiteral("Documents"));
  const struct {
    QString program, expected;
  } cases[] = {
      {Dir.path(), Dir.path()},                                            // a build tree, a portable copy
      {QStringLiteral("/usr/local/bin"), docs + QStringLiteral("/TileLab")},  // installed, even for root
      {QStringLiteral("/usr/bin"), docs + QStringLiteral("/TileLab")},
      {QStringLiteral("/opt/tilelab"), docs + QStringLiteral("/TileLab")},
      {Path(QStringLiteral("gone")), docs + QStringLiteral("/TileLab")},
  };
  for (const auto& c : cases) EXPECT_EQ(RecordsFolderFor(c.program, docs), c.expected) << c.program.toStdString();
  EXPECT_EQ(RecordsFolder(), QCoreApplication::applicationDirPath());
  EXPECT_TRUE(QFileInfo(RecordsFolder()).isDir());
}

TEST_F(Saving, TheLastSaveFolderIsRememberedWhileItExists) {
  EXPECT_EQ(SaveFolder(), RecordsFolder());
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("mine")));
  RememberSaveFolder(Path(QStringLiteral("mine/deal.csv")));
  EXPECT_EQ(SaveFolder(), Path(QStringLiteral("mine")));
  QDir(Path(QStringLiteral("mine"))).removeRecursively();
  EXPECT_EQ(SaveFolder(), RecordsFolder());
}

// The question is Japanese, captioned with the program's name, and No is the default.
TEST_F(Saving, ReplacingAFileAsksFirst) {
  const QString old = WriteText(Path(QStringLiteral("old.csv")), "older record");
  EXPECT_TRUE(ConfirmReplace(nullptr, Path(QStringLiteral("new.csv")))) << "nothing to replace, nothing asked";
  for (const bool yes : {false, true}) {
    QString text, caption, yesText, noText;
    bool noIsDefault = false;
    OnModals([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box == nullptr) return true;
      text = box->text();
      caption = box->windowTitle();
      yesText = box->button(QMessageBox::Yes)->text();
      noText = box->button(QMessageBox::No)->text();
      noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
      return false;
    });
    EXPECT_EQ(ConfirmReplace(nullptr, old), yes);
    EXPECT_EQ(text, QStringLiteral("old.csv は既にあります。\n置き換えますか?"));
    EXPECT_EQ(caption, QApplication::applicationName());
    EXPECT_EQ(yesText, QStringLiteral("はい(&Y)"));
    EXPECT_EQ(noText, QStringLiteral("いいえ(&N)"));
    EXPECT_TRUE(noIsDefault);
  }
}

TEST_F(Saving, TheViewerCutsLongNamesAndTellsOfASavedPicture) {
  TViewDlg dlg;
  dlg.SetupRecordView();
  dlg.Prepare();
  dlg.show();
  const QString name = QStringLiteral("二〇二四年五月六日の一局目、東一局から南四局までの長い名前の牌譜.csv");
  const QByteArray record = "TileLab 1.0,2024/05/06 07:08:09\r\n01\r\n02\r\n03\r\n04\r\n";
  dlg.OpenDialog = [&](const QString&, const QString&) { return WriteText(Path(name), record); };
  dlg.Open1Click();
  QLabel* panel = dlg.StatusPanel[0];
  EXPECT_TRUE(panel->text().contains(QChar(0x2026))) << panel->text().toStdString();
  EXPECT_TRUE(panel->text().endsWith(QStringLiteral(".csv")));
  EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
  EXPECT_EQ(panel->toolTip(), name);
  EXPECT_EQ(dlg.StatusPanel[1]->text(), QStringLiteral("2024/05/06 07:08:09")) << "the time stamp is not touched";

  dlg.SaveDialog = [&](const QString&) { return Path(QStringLiteral("sheet.bmp")); };
  dlg.MnBmpSaveClick();
  EXPECT_EQ(dlg.NotePanel->text(), QStringLiteral("保存しました: sheet.bmp"));
  EXPECT_EQ(SaveFolder(), Dir.path());
  dlg.hide();
  dlg.Prepare();
  EXPECT_EQ(dlg.NotePanel->text(), QString()) << "each showing starts without the note";
  EXPECT_EQ(dlg.Folder, RecordsFolder() + QLatin1Char('/'));
}

// A saved record says so in the practice window's empty panel; the deal's
// record rows start afresh with each new deal.
TEST_F(Saving, ThePracticeWindowTellsOfASavedRecord) {
  TAgariDlg agari;
  TMainDlg dlg;
  dlg.PauseHook = [](int) { return -1; };  // no pause waits
  AgariDlg = &agari;
  MainDlg = &dlg;
  Random.Seed(7);
  dlg.SetTinitu(false);
  dlg.Prepare();
  dlg.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.Busy(); }));  // the opening has played
  EXPECT_EQ(dlg.NotePanel, dlg.StatusPanel[1]);
  // The first save offers the deal's date and time as the name, and the record carries that time.
  dlg.Clock = [] { return TRecordTime{2025, 1, 2, 3, 4, 5}; };
  QString offered;
  dlg.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog& dialog) {
    offered = dialog.FileName;
    return QString();  // cancelled
  };
  dlg.SaveAs2Click();
  EXPECT_EQ(offered, QStringLiteral("20250102-030405.csv"));
  dlg.Clock = [] { return TRecordTime{2025, 1, 2, 3, 9, 0}; };
  dlg.SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog& dialog) {
    offered = dialog.FileName;
    return Path(QStringLiteral("deal"));
  };
  dlg.SaveAs2Click();
  EXPECT_EQ(offered, QStringLiteral("20250102-030900.csv")) << "a cancelled name is not offered again";
  QFile saved(Path(QStringLiteral("deal.csv")));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readLine(), QByteArray("TileLab 1.0,2025/01/02 03:09:00\r\n"));
  EXPECT_EQ(dlg.StatusPanel[1]->text(), QStringLiteral("保存しました: deal.csv"));
  EXPECT_EQ(dlg.StatusPanel[0]->text(), QStringLiteral("手数: 1")) << "the draw counter stays";
  EXPECT_EQ(SaveFolder(), Dir.path());
  dlg.hide();
  dlg.Prepare();
  EXPECT_EQ(dlg.StatusPanel[1]->text(), QString());
  AgariDlg = nullptr;
  MainDlg = nullptr;
}
