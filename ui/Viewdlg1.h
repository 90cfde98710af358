#pragma once

// The record viewer: one record file at a time as a sheet of tiles, in the
// record layout (deal, draws, discards, final hand) or the discards-only layout
// of the discard-reading exercise, which opens the record files of a folder in
// random order with F5.

#include <QString>
#include <functional>

#include "records/Filelist1.h"
#include "records/Mjloader1.h"
#include "ui/Frarea1.h"
#include "ui/Frparts1.h"
#include "ui/Tkeys1.h"
#include "ui/Ttiledlg1.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class TQuizDlg;
class TReviewDlg;
class TStatsDlg;
class TDrillDlg;

class TViewDlg : public TFramedDlg, public TRecordEvents {
  Q_OBJECT
public:
  static constexpr int StatusNameWidth = 150;  // panel 0: the file's name
  static constexpr int StatusDateWidth = 50;   // panel 1: its time stamp text, at least
  static constexpr int LabelWidth = 40;
  static constexpr int LabelHeight = 12;
  static constexpr int LabelTop = 8;      // below the top of the label's row
  static constexpr int SheetLeft = 45;    // the labels' margin
  static constexpr int ExtraWidth = 49;   // client width beyond the sheet
  static constexpr int ExtraHeight = 23;  // client height beyond the sheet
  static constexpr int DiscardRow = 2;    // rows of the code grid
  static constexpr int DrawRow = 1;

  explicit TViewDlg(QWidget* parent = nullptr);

  // Components, in the order of the window's layout, after the frame's.
  QMenuBar* MainMenu1;
  QMenu* File1;
  QAction* Open1;
  QAction* MnRandOpen;
  QAction* MnBmpSave;
  QAction* MnSetFolder;
  QAction* N2;
  QAction* Exit1;
  TFrMjPai* FrMjPai1;
  TFrMjSheet* FrMjSheet1;
  QMenu* Show1;
  QAction* MnView1;
  QAction* MnView2;
  QAction* N1;
  QAction* MnShowStat;
  QLabel* LbHaipai;
  QLabel* LbTumo;
  QLabel* LbSute;
  QLabel* LbTe;
  QAction* MnStats;        // ファイル > 成績: the progress over a folder
  QAction* MnDrill;        // ファイル > 復習: the drill of the folder's decisions that were not best
  QAction* MnReview;       // 表示 > 検討 (F8): the loaded deal step by step
  QAction* MnQuiz;         // 表示 > 待ち当て: the waits quiz of discard reading, remembered
  QAction* MnReplay;       // ファイル > この牌譜で練習: the deal played again in the practice window
  // Made at their first use.
  TReviewDlg* ReviewDlg = nullptr;
  TQuizDlg* QuizDlg = nullptr;
  TStatsDlg* StatsDlg = nullptr;
  TDrillDlg* DrillDlg = nullptr;

  // The record shown: the code grid (4 rows of 20, row-major) and the texts of
  // the last file whose header was accepted.
  TRecordLoader Loader;
  std::array<std::int32_t, RowSlots * RecordRows>& Codes = Loader.Codes;
  std::string& RecordFile = Loader.RecordFile;
  std::string& RecordDate = Loader.RecordDate;

  // Random opening: file names are Folder + name. FileList holds the names still
  // to be opened, entry 0 next; FileListFolder is the folder it was built from.
  QString Folder;
  TFileList FileList;
  QString FileListFolder;

  // The dialogs the commands run; each answers a file or folder name, or an empty
  // text when cancelled. Tests replace them.
  std::function<QString(const QString& initialFolder, const QString& fileName)> OpenDialog;
  std::function<QString(const QString& fileName)> SaveDialog;
  std::function<QString()> FolderDialog;
  QString OpenFileName;  // the open dialog's file name, emptied at each showing
  QString SaveFileName;

  // The mode menu's two ways of showing the window modally.
  void ShowRecordView();
  void ShowRecordFile(const QString& fileName);
  void ShowDiscardReading();
  // The menu items of each way (the first half of the two above).
  void SetupRecordView();
  void SetupDiscardReading();
  void Prepare();
  int ShowModal();

  void ClearCodes() { Loader.ClearCodes(); }
  // False when the header was refused; throws std::runtime_error when the file
  // cannot be read.
  bool LoadRecordFile(const QString& fileName);
  void SetDisplayMode(bool suteOnly);
  void DrawSheet();
  void UpdateStatus() override;
  bool BuildFileList();

  // Menu handlers.
  void Open1Click();
  void MnRandOpenClick();
  void MnBmpSaveClick();
  void MnSetFolderClick();
  void Exit1Click();
  void MnView1Click();
  void MnView2Click();
  void MnShowStatClick();
  void MnStatsClick();
  void MnDrillClick();
  void MnReviewClick();
  void MnQuizClick();
  void MnReplayClick();

  // TRecordEvents
  void HeaderRefused() override;
  void EnableBmpSave() override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void DrawCode(int code, int cell);
  void PlaceComponents();  // sizes and places everything for the sheet's layout
  QLabel* MakeRowLabel(const QString& text);
  bool CentreAtShow = false;
  TKeyRepeats Repeats;
  bool Load(const std::string& path);  // LoadRecordFile, then RecordShown however it ends
  void RecordShown();  // a load ended: the review and the quiz follow the record
  void UpdateQuiz();   // shown in discard reading while 待ち当て is checked
  void UpdateReplay();               // enabled for a record read whole that adds up
  bool RecordRead = false;           // the last load read all four rows
  void PlaceBelow(QWidget* window);  // a window opened from the viewer, under it
};

extern TViewDlg* ViewDlg;
