#include "app/Menudlg1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <ctime>

#include "core/Mjrandom1.h"
#include "ui/Maindlg1.h"
#include "ui/Tapplication1.h"
#include "ui/Tfonts1.h"
#include "ui/Timage1.h"
#include "ui/Viewdlg1.h"

static void InitAppResources() { Q_INIT_RESOURCE(app); }

TMenuDlg* MenuDlg = nullptr;

namespace {

// Read once for the window icon and Image1.
const QPixmap& AppIcon() {
  static const QPixmap icon = QPixmap::fromImage(ReadBuiltInImage(QStringLiteral(":/icon.png"), "PNG"));
  return icon;
}

QPushButton* MakeButton(QWidget* parent, int left, int top, int width, int height) {
  auto* button = new QPushButton(parent);
  button->setGeometry(left, top, width, height);
  button->setAutoDefault(true);  // Return presses the focused button, as Space does
  return button;
}

}  // namespace

TMenuDlg::TMenuDlg(TClock clock, QWidget* parent, TContents contents)
    : QWidget(parent), Clock(clock ? std::move(clock) : TClock([] { return std::int64_t(std::time(nullptr)); })) {
  InitAppResources();
  QApplication::setWindowIcon(QIcon(AppIcon()));
  setFixedSize(ClientWidth, ClientHeight);
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0, 128, 0));
  pal.setColor(QPalette::ButtonText, QColor(0, 0, 255));
  pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(pal);
  setFont(GothicFont(12));

  Image1 = new QLabel(this);
  Image1->setGeometry(20, 12, 32, 32);
  StaticText1 = new QLabel(this);
  StaticText1->setGeometry(56, 16, 100, 28);
  StaticText1->setFont(GothicFont(24));
  StaticText1->setFocusPolicy(Qt::NoFocus);  // a title shows no focus mark, so it takes none

  BnMain = MakeButton(this, 22, 62, 129, 25);
  BnView = MakeButton(this, 170, 62, 129, 25);
  BnTinitu = MakeButton(this, 22, 98, 129, 25);
  BnView2 = MakeButton(this, 170, 98, 129, 25);
  BnExit = MakeButton(this, 239, 140, 59, 21);
  setTabOrder(StaticText1, BnMain);
  setTabOrder(BnMain, BnView);
  setTabOrder(BnView, BnTinitu);
  setTabOrder(BnTinitu, BnView2);
  setTabOrder(BnView2, BnExit);

  connect(BnMain, &QPushButton::clicked, this, &TMenuDlg::BnMainClick);
  connect(BnTinitu, &QPushButton::clicked, this, &TMenuDlg::BnTinituClick);
  connect(BnView, &QPushButton::clicked, this, &TMenuDlg::BnViewClick);
  connect(BnView2, &QPushButton::clicked, this, &TMenuDlg::BnView2Click);
  connect(BnExit, &QPushButton::clicked, this, &TMenuDlg::BnExitClick);

  FormCreate();
  if (contents == TContents::AtOnce)
    FillIn();
  else
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->hide();

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TMenuDlg::FormCreate() {
  setWindowTitle(CaptionText(tr("メニュー")));
  QPalette pal = StaticText1->palette();
  pal.setColor(QPalette::WindowText, Qt::white);  // blue on green would not read
  StaticText1->setPalette(pal);
  Image1->setPixmap(AppIcon());
  // The only seeding in the program: every run gets its own deals and file orders.
  Random.Seed(static_cast<std::uint32_t>(Clock()));
}

void TMenuDlg::FillIn() {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->show();
  StaticText1->setText(TitleText());
  BnMain->setText(tr("一人麻雀"));
  BnView->setText(tr("牌譜"));
  BnView2->setText(tr("捨牌読み"));
  BnTinitu->setText(tr("清一色"));
  BnExit->setText(tr("終了"));
  BnMain->setFocus();
  FilledIn = true;
}

void TMenuDlg::setVisible(bool visible) {
  QWidget::setVisible(visible);
  if (visible && !FilledIn) FillIn();
}

QString TMenuDlg::CaptionFor(const QPushButton* button) const {
  return CaptionText(button->text());
}

void TMenuDlg::BnMainClick() {
  MainDlg->setWindowTitle(CaptionFor(BnMain));
  MainDlg->SetTinitu(false);
  MainDlg->ShowModal();
}

void TMenuDlg::BnTinituClick() {
  MainDlg->setWindowTitle(CaptionFor(BnTinitu));
  MainDlg->SetTinitu(true);
  MainDlg->ShowModal();
}

void TMenuDlg::BnViewClick() {
  ViewDlg->setWindowTitle(CaptionFor(BnView));
  ViewDlg->ShowRecordView();
}

// A record named on the command line opens as the 牌譜 button would open it.
void TMenuDlg::OpenRecordFile(const QString& fileName) {
  ViewDlg->setWindowTitle(CaptionFor(BnView));
  ViewDlg->ShowRecordFile(fileName);
}

void TMenuDlg::BnView2Click() {
  ViewDlg->setWindowTitle(CaptionFor(BnView2));
  ViewDlg->ShowDiscardReading();
}

void TMenuDlg::BnExitClick() { close(); }
