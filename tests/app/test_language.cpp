// The command line, the choice of language, and the windows in English: the
// same sizes, the same record files, the texts translated.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>
#include <functional>
#include <utility>

#include "app/Menudlg1.h"
#include "app/Tcmdline1.h"
#include "app/Tlanguage1.h"
#include "core/Mjrandom1.h"
#include "records/Mjrecord1.h"
#include "ui/Maindlg1.h"
#include "ui/Tagaridlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Reviewdlg1.h"
#include "ui/Twords1.h"
#include "game/Mjreview1.h"
#include "tests/app/start_windows.h"
#include "ui/Viewdlg1.h"

namespace {

using TAction = TCommandLine::TAction;

TEST(CommandLine, ReadsOptionsAndOneRecordFile) {
  struct TCase {
    QStringList Args;
    TAction Action;
    QString Language;
    QString RecordFile;
  };
  const TCase cases[] = {
      {{}, TAction::Run, {}, {}},
      {{"--help"}, TAction::Help, {}, {}},
      {{"-h", "--version"}, TAction::Help, {}, {}},
      {{"--version"}, TAction::Version, {}, {}},
      {{"-v"}, TAction::Version, {}, {}},
      {{"--lang", "en"}, TAction::Run, "en", {}},
      {{"--lang=ja", "a.csv"}, TAction::Run, "ja", "a.csv"},
      {{"牌譜.csv", "--lang", "en"}, TAction::Run, "en", "牌譜.csv"},
      {{"--", "-odd.csv"}, TAction::Run, {}, "-odd.csv"},
      {{"--lang"}, TAction::Fail, {}, {}},
      {{"--lang", "fr"}, TAction::Fail, {}, {}},
      {{"--lang="}, TAction::Fail, {}, {}},
      {{"--frobnicate"}, TAction::Fail, {}, {}},
      {{"a.csv", "b.csv"}, TAction::Fail, {}, "a.csv"},
  };
  for (const TCase& c : cases) {
    const TCommandLine line = ParseCommandLine(c.Args);
    SCOPED_TRACE(c.Args.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(line.Action, c.Action);
    EXPECT_EQ(line.Language, c.Language);
    EXPECT_EQ(line.RecordFile, c.RecordFile);
    EXPECT_EQ(line.Error.isEmpty(), c.Action != TAction::Fail);
  }
}

TEST(CommandLine, APositionComesAsTextOrAsAFile) {
  TCommandLine line = ParseCommandLine({"--position", "123m456p789s1122z3z draws=9"});
  EXPECT_EQ(line.Action, TAction::Run);
  EXPECT_EQ(line.Position, QStringLiteral("123m456p789s1122z3z draws=9"));
  line = ParseCommandLine({"--position=123m 456p", "--lang", "en"});
  EXPECT_EQ(line.Position, QStringLiteral("123m 456p"));
  EXPECT_EQ(line.Language, QStringLiteral("en"));
  line = ParseCommandLine({"何切る.tilelab-position"});
  EXPECT_EQ(line.PositionFile, QStringLiteral("何切る.tilelab-position"));
  EXPECT_TRUE(line.RecordFile.isEmpty());
  EXPECT_EQ(ParseCommandLine({"--position"}).Action, TAction::Fail);
  EXPECT_EQ(ParseCommandLine({"a.csv", "b.tilelab-position"}).Action, TAction::Fail);
}

TEST(CommandLine, LanguageFollowsTheRequestThenTheFirstUiLanguage) {
  struct TCase {
    QString Requested;
    QStringList UiLanguages;
    QString Expected;
  };
  const TCase cases[] = {
      {{}, {"en-GB", "ja-JP"}, "en"}, {{}, {"en"}, "en"},          {{}, {"ja-JP", "en-US"}, "ja"},
      {{}, {"fr-FR", "en-US"}, "ja"}, {{}, {"C"}, "ja"},           {{}, {}, "ja"},
      {"ja", {"en-US"}, "ja"},        {"en", {"ja-JP"}, "en"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ChooseLanguage(c.Requested, c.UiLanguages), c.Expected) << c.UiLanguages.join(',').toStdString();
}

// Runs check while the modal window that open() shows is up, then closes it.
void WhileShown(QDialog* dialog, const std::function<void()>& open, const std::function<void()>& check) {
  bool seen = false;
  QTimer::singleShot(0, dialog, [&] {
    seen = dialog->isVisible();
    check();
    dialog->close();
  });
  open();
  EXPECT_TRUE(seen);
}

struct TLook {
  QString MenuTitle, PracticeTitle, WaitsTitle, Guide, Status;
  QSize Menu, Practice, Viewer;
  QByteArray Record;
};

// Opens solo practice on a fixed deal, throws away the drawn tile, saves the record.
TLook LookAt(const QString& language, const QString& recordPath) {
  const TStartWindows windows(language);
  TLook look;
  look.MenuTitle = MenuDlg->windowTitle();
  look.Menu = MenuDlg->size();
  look.WaitsTitle = AgariDlg->windowTitle();
  Random.Seed(42);
  MainDlg->SaveDialog1.Hook = [&](const TMainDlg::TSaveDialog&) { return recordPath; };
  WhileShown(MainDlg, [] { MenuDlg->BnMain->click(); }, [&] {
    look.PracticeTitle = MainDlg->windowTitle();
    look.Practice = MainDlg->size();
    // The opening runs once the window is on the screen; the discard is a step too.
    EXPECT_TRUE(QTest::qWaitFor([] { return MainDlg->MjTable().TumoCount == 1 && !MainDlg->Busy(); }));
    look.Guide = MainDlg->LbGuide->text();
    MainDlg->FrMjTepai1->SelIndex = 13;  // the drawn tile
    MainDlg->TepaiClick(MainDlg->FrMjTepai1);
    EXPECT_TRUE(QTest::qWaitFor([] { return MainDlg->MjTable().TumoCount == 2 && !MainDlg->Busy(); }));
    look.Status = MainDlg->StatusPanel[0]->text();
    MainDlg->SaveAs2->trigger();
  });
  WhileShown(ViewDlg, [] { MenuDlg->BnView->click(); }, [&] { look.Viewer = ViewDlg->size(); });
  QFile saved(recordPath);
  EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
  look.Record = saved.readAll();
  return look;
}

class EnglishWindows : public ::testing::Test {};

TEST_F(EnglishWindows, SameSizesAndRecordAsJapaneseWithEnglishTexts) {
  QTemporaryDir dir;
  const TLook ja = LookAt(QStringLiteral("ja"), dir.filePath(QStringLiteral("ja.csv")));
  const TLook en = LookAt(QStringLiteral("en"), dir.filePath(QStringLiteral("en.csv")));

  EXPECT_EQ(ja.MenuTitle, QStringLiteral("牌理工房  メニュー"));
  EXPECT_EQ(ja.PracticeTitle, QStringLiteral("牌理工房  一人麻雀"));
  EXPECT_EQ(ja.WaitsTitle, QStringLiteral("牌理工房  待ち牌"));
  EXPECT_EQ(ja.Guide, QStringLiteral("切る牌をクリック。"));
  EXPECT_EQ(ja.Status, QStringLiteral("手数: 2"));
  EXPECT_EQ(en.MenuTitle, QStringLiteral("TileLab  Menu"));
  EXPECT_EQ(en.PracticeTitle, QStringLiteral("TileLab  Solo practice"));
  EXPECT_EQ(en.WaitsTitle, QStringLiteral("TileLab  Waiting tiles"));
  EXPECT_EQ(en.Guide, QStringLiteral("Click the tile to discard."));
  EXPECT_EQ(en.Status, QStringLiteral("Draws: 2"));

  EXPECT_EQ(en.Menu, ja.Menu);
  EXPECT_EQ(en.Practice, ja.Practice);
  EXPECT_EQ(en.Viewer, ja.Viewer);

  // The same deal gives the same file, byte for byte, but for the clock's reading.
  ASSERT_EQ(ja.Record.size(), 277);
  ASSERT_EQ(en.Record.size(), 277);
  const qsizetype stamp = qsizetype(RecordHeader.size());
  EXPECT_EQ(en.Record.left(stamp), ja.Record.left(stamp));
  EXPECT_EQ(en.Record.mid(stamp + 19), ja.Record.mid(stamp + 19));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                  .match(QString::fromLatin1(en.Record.mid(stamp, 19)))
                  .hasMatch());
}

// Qt's own dialogs speak the program's language (Debian's qt6-translations-l10n).
TEST_F(EnglishWindows, QtsOwnDialogsFollowTheLanguage) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
    GTEST_SKIP() << "Qt's Japanese translations are not installed (tools/setup.sh installs them)";
  InstallLanguage(QStringLiteral("ja"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("アドレス:"));
  InstallLanguage(QStringLiteral("en"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
  InstallLanguage(QStringLiteral("ja"));
}

TEST_F(EnglishWindows, TheFolderChooserIsTitledInTheLanguage) {
  for (const auto& [language, expected] : {std::pair{"ja", "フォルダを選択"}, std::pair{"en", "Choose a folder"}}) {
    const TStartWindows windows(QString::fromLatin1(language));
    QString title;
    QTimer::singleShot(0, ViewDlg, [&] {
      if (auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        title = chooser->windowTitle();
        chooser->reject();
      }
    });
    EXPECT_TRUE(ViewDlg->FolderDialog().isEmpty());
    EXPECT_EQ(title, QString::fromUtf8(expected));
  }
}

TEST_F(EnglishWindows, TheEndOfADealAndFileErrorsAreTranslated) {
  const TStartWindows windows(QStringLiteral("en"));
  MainDlg->ShowProgress(18, true);
  EXPECT_EQ(MainDlg->StatusPanel[0]->text(), QStringLiteral("Draws: 18 (over)"));
  QString shown;
  SetWarningHook([&](const QString& text) { shown = text; });
  ShowException(std::make_exception_ptr(TFileError(TFileFault::Open, "/x/牌譜.csv")));
  EXPECT_EQ(shown, QStringLiteral("Cannot open the file /x/牌譜.csv"));
  ShowException(std::make_exception_ptr(std::runtime_error("other")));
  EXPECT_EQ(shown, QStringLiteral("other"));
  SetWarningHook({});
}

// One English word for one thing across the windows, and honours by name in
// English sentences and lists.
TEST_F(EnglishWindows, OneTermPerConceptAndHonoursInWords) {
  const TStartWindows windows(QStringLiteral("en"));
  auto in = [](const char* context, const char* text) { return QCoreApplication::translate(context, text).toStdString(); };
  for (const char* context : {"TDrillDlg", "TReviewDlg"}) {
    SCOPED_TRACE(context);
    EXPECT_EQ(in(context, "向聴"), "Away");
    EXPECT_EQ(in(context, "有効牌"), "Effective tiles");
    EXPECT_EQ(in(context, "枚数"), "Copies");
  }
  for (const char* context : {"TMainDlg", "TViewDlg", "TDrillDlg"}) EXPECT_EQ(in(context, "捨牌"), "River") << context;
  EXPECT_EQ(ShantenWords(2).toStdString(), "2 away");
  EXPECT_EQ(in("TStatsModel", "最終向聴"), "Away at the end");

  EXPECT_EQ(KindWords(4).toStdString(), "5m");
  EXPECT_EQ(KindWords(27).toStdString(), "East");
  EXPECT_EQ(KindWords(33).toStdString(), "Red");
  const TKindMask kinds = TKindMask{1} << 0 | TKindMask{1} << 3 | TKindMask{1} << 27 | TKindMask{1} << 28;
  EXPECT_EQ(KindsWords(kinds).toStdString(), "14m East South");
  EXPECT_EQ(KindsWords(TKindMask{1} << 31).toStdString(), "White");

  // The drawn East completes the hand and is thrown again, a discard after the
  // win that is not judged: two sentences, a blank between them.
  TCodeGrid grid{};
  const int rows[4][14] = {{1, 2, 3, 14, 15, 16, 27, 28, 29, 31, 31, 32, 32},
                           {33, 5, 31},
                           {33, 5, 31},
                           {1, 2, 3, 14, 15, 16, 27, 28, 29, 31, 31, 32, 32}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 14; ++c) grid[static_cast<std::size_t>(r * RowSlots + c)] = rows[r][c];
  const TMjReview review = ReviewRecord(grid);
  ASSERT_GE(review.Steps.size(), 3u);
  const std::string judged = TReviewDlg::JudgeText(review.Steps[2]).toStdString();
  EXPECT_EQ(judged, "The draw completes the hand. Discards after the win are not judged.");

  InstallLanguage(QStringLiteral("ja"));
  EXPECT_EQ(KindsWords(kinds).toStdString(), "14m12z");
  EXPECT_EQ(KindWords(27).toStdString(), "1z");
}

// A record named on the command line opens in the viewer; one that cannot be
// opened is reported and the viewer stays closed.
TEST_F(EnglishWindows, ARecordFromTheCommandLineOpensInTheViewer) {
  const TStartWindows windows(QStringLiteral("ja"));
  QString shown;
  SetWarningHook([&](const QString& text) { shown = text; });
  const QString example = QStringLiteral(TILELAB_TEST_DATA "/records/example.csv");
  WhileShown(ViewDlg, [&] { MenuDlg->OpenRecordFile(example); }, [&] {
    EXPECT_EQ(ViewDlg->windowTitle(), QStringLiteral("牌理工房  牌譜"));
    EXPECT_TRUE(ViewDlg->Open1->isVisible());
    EXPECT_NE(ViewDlg->Codes[0], 0);
  });
  EXPECT_TRUE(shown.isEmpty()) << shown.toStdString();

  MenuDlg->OpenRecordFile(QStringLiteral("/no/such/folder/x.csv"));
  EXPECT_EQ(shown, QStringLiteral("ファイル /no/such/folder/x.csv は開けません"));
  EXPECT_FALSE(ViewDlg->isVisible());
  SetWarningHook({});
}

}  // namespace
