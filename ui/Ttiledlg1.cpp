#include "ui/Ttiledlg1.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/Tfonts1.h"

TTileDlg::TTileDlg(QWidget* parent) : QDialog(parent) {
  setFont(PGothicFont(12));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TTileDlg::CentreOnDesktop() {
  if (const QScreen* screen = this->screen()) {
    const QRect desk = screen->availableGeometry();
    move(desk.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
}

TFramedDlg::TFramedDlg(int firstPanelWidth, int lastPanelWidth, TLastPanel last, QWidget* parent)
    : TTileDlg(parent) {
  ClientArea = new QWidget(this);
  layout()->addWidget(ClientArea);

  ScrollBox1 = new QFrame(ClientArea);
  ScrollBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  ScrollBox1->setLineWidth(BorderWidth);
  ScrollBox1->setAutoFillBackground(true);
  ScrollClient = new QWidget(ScrollBox1);
  ScrollClient->move(BorderWidth, BorderWidth);

  StatusBar1 = new QStatusBar(ClientArea);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setFixedHeight(StatusHeight);
  for (QLabel*& panel : StatusPanel) {
    panel = new QLabel(StatusBar1);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  StatusPanel[0]->setFixedWidth(firstPanelWidth);
  StatusBar1->addWidget(StatusPanel[0]);
  if (last == TLastPanel::ToEdge) {
    StatusPanel[1]->setMinimumWidth(lastPanelWidth);
    StatusBar1->addWidget(StatusPanel[1], 1);
  } else {
    StatusPanel[1]->setFixedWidth(lastPanelWidth);
    StatusBar1->addWidget(StatusPanel[1]);
  }
}

void TFramedDlg::PlaceFrame(QSize client) {
  ClientArea->setFixedSize(client);
  ScrollBox1->setGeometry(0, 0, client.width(), client.height() - StatusHeight);
  ScrollClient->resize(ScrollBox1->width() - 2 * BorderWidth, ScrollBox1->height() - 2 * BorderWidth);
  StatusBar1->setGeometry(0, client.height() - StatusHeight, client.width(), StatusHeight);
}

void TFramedDlg::SetScrollBoxColor(const QColor& color) {
  QPalette palette = ScrollBox1->palette();
  palette.setColor(QPalette::Window, color);
  ScrollBox1->setPalette(palette);
}

namespace {

// "text|pattern|text|pattern" as the file dialog's name filters; "*.*" means
// every file, with or without a dot in its name.
QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString pattern = parts[i + 1] == QStringLiteral("*.*") ? QStringLiteral("*") : parts[i + 1];
    filters << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
  }
  return filters;
}

}  // namespace

QString RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter, const QString& defaultExt,
                      const QString& fileName, const QString& folder) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(mode);
  if (mode == QFileDialog::AcceptOpen)
    dialog.setFileMode(QFileDialog::AnyFile);
  else
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilters(NameFilters(filter));
  dialog.setDefaultSuffix(defaultExt);
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}
