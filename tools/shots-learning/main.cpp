// Pictures of the review, the waits quiz after an answer and the statistics
// window for the README, over a folder of generated deals whose play gets
// better deal by deal. Taken under Xvfb:
//   shots_learning docs/

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>

#include "tests/support/GeneratedRecords.h"
#include "ui/Drilldlg1.h"
#include "ui/Quizdlg1.h"
#include "ui/Reviewdlg1.h"
#include "ui/Statsdlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Viewdlg1.h"

namespace {

constexpr int Deals = 120;
constexpr int Gap = 8;  // between the windows on the screen

// Lets the X server map and paint newly shown windows.
void Settle() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The screen area holding the windows, frames included.
bool SaveScreen(std::initializer_list<QWidget*> windows, const QString& file) {
  Settle();
  QRect area;
  for (QWidget* w : windows) area = area.united(w->frameGeometry());
  return QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file);
}

}  // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // the quiz's check mark is remembered elsewhere
  if (argc != 2) {
    std::fprintf(stderr, "usage: shots_learning folder\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir dir;
  for (int i = 0; i < Deals; ++i) {
    std::ofstream file(QDir(dir.path()).filePath(QString::asprintf("2024-%03d.csv", i)).toStdString(), std::ios::binary);
    file << GeneratedRecord(static_cast<std::uint32_t>(i + 1), 40 + i * 60 / Deals);
  }
  std::ofstream(QDir(dir.path()).filePath(QStringLiteral("memo.csv")).toStdString()) << "shopping list\n";

  TViewDlg view;
  view.setWindowTitle(QStringLiteral("牌理工房  牌譜"));
  view.SetupRecordView();
  view.Prepare();
  view.show();
  view.move(Gap, Gap);
  view.LoadRecordFile(QDir(dir.path()).filePath(QStringLiteral("2024-030.csv")));
  view.DrawSheet();
  view.MnReviewClick();
  view.ReviewDlg->move(Gap, view.frameGeometry().bottom() + Gap);
  view.ReviewDlg->NextNotBest();
  view.ReviewDlg->NextNotBest();
  bool saved = SaveScreen({&view, view.ReviewDlg}, out.filePath(QStringLiteral("review.png")));
  view.ReviewDlg->hide();

  view.MnStatsClick();
  view.Folder = dir.path();
  view.StatsDlg->Analyse(dir.path());
  view.StatsDlg->WaitForResult();
  view.StatsDlg->move(Gap, Gap);
  saved = SaveScreen({view.StatsDlg}, out.filePath(QStringLiteral("statistics.png"))) && saved;
  view.StatsDlg->hide();

  // The drill over the same folder, its state kept in the temporary folder; a
  // card answered with the record's own discard, so the table shows all three marks.
  view.MnDrillClick();
  view.DrillDlg->DataFolder = QDir(dir.path()).filePath(QStringLiteral("drill-state"));
  view.DrillDlg->WaitForDeck();
  view.DrillDlg->move(Gap, Gap);
  if (!view.DrillDlg->Deck.Cards.empty()) {
    const std::vector<int>& codes = view.DrillDlg->FrHand->Codes();
    const int record = KindCode(view.DrillDlg->Card.DiscardKind);
    view.DrillDlg->AnswerCell(static_cast<int>(std::find(codes.begin(), codes.end(), record) - codes.begin()));
  }
  saved = SaveScreen({view.DrillDlg}, out.filePath(QStringLiteral("drill.png"))) && saved;
  view.DrillDlg->hide();
  view.hide();

  view.setWindowTitle(QStringLiteral("牌理工房  捨牌読み"));
  view.SetupDiscardReading();
  view.Prepare();
  view.show();
  view.MnQuiz->trigger();
  view.move(Gap, Gap);
  // A ready hand: the files come up in random order, so open until one is.
  view.FolderDialog = [&dir] { return dir.path(); };
  SetWarningHook([](const QString&) {});  // memo.csv's message would wait for a click
  view.MnSetFolderClick();
  do view.MnRandOpenClick();
  while (!view.QuizDlg->Quiz.Question.Waits && !view.FileList.Empty());
  view.QuizDlg->move(Gap, view.frameGeometry().bottom() + Gap);
  const TKindMask waits = view.QuizDlg->Quiz.Question.Waits;
  const int first = std::countr_zero(waits);
  view.QuizDlg->ToggleKind(first);                 // one right
  view.QuizDlg->ToggleKind(first == 0 ? 1 : first - 1);  // and one wrong
  view.QuizDlg->Check();
  saved = SaveScreen({&view, view.QuizDlg}, out.filePath(QStringLiteral("quiz.png"))) && saved;
  return saved ? 0 : 1;
}
