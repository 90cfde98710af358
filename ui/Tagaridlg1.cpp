#include "ui/Tagaridlg1.h"

#include <QLayout>
#include <QShowEvent>
#include <QPainter>

#include "analysis/Mjagari1.h"
#include "ui/Tapplication1.h"

TAgariDlg* AgariDlg = nullptr;

QColor AgariMarkColor() { return QColor(255, 0, 0); }

TAgariDlg::TAgariDlg(QWidget* parent) : TSideDlg(parent) {
  // F2 keeps working in the practice window: showing the waits does not take its focus.
  setAttribute(Qt::WA_ShowWithoutActivating);
  FrMjSheet1 = new TFrMjSheet(this);
  layout()->addWidget(FrMjSheet1);
  FrMjPai1 = new TFrMjPai(this);
  FormCreate();
}

void TAgariDlg::FormCreate() {
  setWindowTitle(CaptionText(tr("待ち牌")));
  FrMjPai1->Setup(TFrMjPai::PaiFileName);
  FrMjSheet1->Setup(TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
  // The client area is one row of 13 cells; the sheet fills it before anything
  // is drawn, so its picture is created at that size.
  const QSize client(MachiCells * TFrMjPai::PaiWidth, TFrMjPai::PaiHeight);
  FrMjSheet1->setFixedSize(client);
  // A hidden frame gets its resize event only when shown; the flow draws before that.
  FrMjSheet1->Image1->setGeometry(QRect(QPoint(0, 0), client));
  adjustSize();
}

void TAgariDlg::ShowMachi(const TPaiRow& tepai, const TMjPai* test) {
  TMjAgari agari(tepai);
  const bool wins = agari.SearchMachi(test);
  const int count = static_cast<int>(agari.Machi.size());
  // Every cell is drawn, so fewer waits than last time leave no old pictures.
  for (int i = 0; i < MachiCells; ++i) {
    const TParts dest = FrMjSheet1->GetCellPartsXY(i, 0);
    const TParts source = i < count ? FrMjPai1->GetPaiParts(agari.Machi[static_cast<std::size_t>(i)].GetSuit(),
                                                            agari.Machi[static_cast<std::size_t>(i)].GetNumber())
                                    : FrMjPai1->GetPaiParts(-1, -1);
    source.CopyTo(dest);
  }
  if (!wins || test == nullptr) return;
  for (int i = 0; i < count && i < MachiCells; ++i) {
    if (agari.Machi[static_cast<std::size_t>(i)].GetCode() != test->GetCode()) continue;
    const QRect cell = FrMjSheet1->GetCellPartsXY(i, 0).Rect();
    QPainter painter(&FrMjSheet1->Image1->Canvas());
    const QColor mark = AgariMarkColor();
    painter.fillRect(cell.left(), cell.top(), cell.width(), MarkWidth, mark);
    painter.fillRect(cell.left(), cell.bottom() - MarkWidth + 1, cell.width(), MarkWidth, mark);
    painter.fillRect(cell.left(), cell.top(), MarkWidth, cell.height(), mark);
    painter.fillRect(cell.right() - MarkWidth + 1, cell.top(), MarkWidth, cell.height(), mark);
    painter.end();
    FrMjSheet1->Image1->update(cell);
    break;
  }
}

std::vector<TSide> TAgariDlg::Sides() const {
  return {TSide::Below, TSide::Above, TSide::Right, TSide::Left};
}

void TAgariDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (Placed || event->spontaneous()) return;
  CentreOnDesktop();
  Placed = true;
}
