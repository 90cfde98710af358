#include "ui/Tposition1.h"

#include "ui/Twords1.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>
#include <numeric>
#include <utility>

#include "ui/Boarddlg1.h"
#include "ui/Frparts1.h"
#include "ui/Tapplication1.h"
#include "ui/Tlook1.h"

namespace {

QString NotationReason(TMjNotationError error) {
  switch (error) {
    case TMjNotationError::Empty: return QObject::tr("牌がありません");
    case TMjNotationError::UnknownCharacter:
      return QObject::tr("使えない文字です（1〜9 と m p s z、字牌は E S W N P F C も）");
    case TMjNotationError::ZeroDigit: return QObject::tr("0（赤五）は m p s にだけ使えます");
    case TMjNotationError::DigitsWithoutSuit: return QObject::tr("数字の後に m p s z がありません");
    case TMjNotationError::SuitWithoutDigits: return QObject::tr("文字の前に数字がありません");
    case TMjNotationError::HonourNumber: return QObject::tr("字牌は 1z〜7z です");
    case TMjNotationError::FifthCopy: return QObject::tr("同じ牌が5枚目です");
    case TMjNotationError::None: break;
  }
  return {};
}

}  // namespace

QString PositionErrorText(const TMjPositionRead& p, const QByteArray& text, const QString& field) {
  const QString name = field.isEmpty() ? QObject::tr("貼り付けた牌姿") : field;
  // The place counted in characters, as the player sees the text.
  const qsizetype place = QString::fromUtf8(text.left(static_cast<qsizetype>(p.Place))).size() + 1;
  auto at = [&](const QString& reason) { return QObject::tr("%1の %2文字目: %3。").arg(name).arg(place).arg(reason); };
  switch (p.Error) {
    case TMjPositionError::None: break;
    case TMjPositionError::TileCount:
      return QObject::tr("%1は %2枚です。13枚か14枚にしてください。").arg(name).arg(p.Tiles);
    case TMjPositionError::Notation: return at(NotationReason(p.Notation));
    case TMjPositionError::SeenNotation:
      return at(field.isEmpty() ? QObject::tr("見えた牌 seen=: %1").arg(NotationReason(p.Notation))
                                : NotationReason(p.Notation));
    case TMjPositionError::UnknownWord: return at(QObject::tr("使えない語です（draws= seen= one-suit seat= round=）"));
    case TMjPositionError::DrawsValue: return at(QObject::tr("残りツモ draws= は 0〜18 です"));
    case TMjPositionError::WindValue: return at(QObject::tr("風は e s w n のどれかです"));
    case TMjPositionError::TooManyCopies:
      return QObject::tr("手牌と見えた牌で %1 が5枚以上です。").arg(QString::fromStdString(KindText(p.Kind)));
    case TMjPositionError::ShortWall:
      return QObject::tr("山に %1枚しかなく、残りツモ %2回は引けません。").arg(p.Wall).arg(p.Position.DrawsLeft);
  }
  return {};
}

TBoardDlg* OwnBoard(QWidget* owner, TBoardDlg*& board) {
  if (board == nullptr) board = new TBoardDlg(owner);
  board->show();
  board->raise();
  board->activateWindow();
  return board;
}

QImage StackPictures(const QList<QImage>& pictures, const QColor& background) {
  int width = 0, height = 0;
  for (const QImage& p : pictures) {
    width = std::max(width, p.width());
    height += p.height();
  }
  QImage picture(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  picture.fill(background);
  QPainter painter(&picture);
  int y = 0;
  for (const QImage& p : pictures) {
    painter.drawImage(0, y, p);
    y += p.height();
  }
  return picture;
}

void CopyPosition(const TMjPosition& position, const QImage& picture) {
  const int tiles = position.Tiles();
  if (tiles != 13 && tiles != 14) return;
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(PositionText(position)));
  data->setImageData(picture);
  QGuiApplication::clipboard()->setMimeData(data);
}

bool PastePosition(const QString& text, const std::function<TBoardDlg*()>& board, const QString& source) {
  const QByteArray bytes = text.toUtf8();
  const TMjPositionRead p = ParsePosition(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!p.Ok()) {
    ShowWarning(PositionErrorText(p, bytes, source));
    return false;
  }
  board()->SetPosition(p.Position, p.RedFives);
  return true;
}

QMenu* AddEditMenu(QMenuBar* bar, QWidget* owner, std::function<TMjPosition()> position,
                   std::function<QImage()> picture, std::function<TBoardDlg*()> board) {
  auto* menu = new QMenu(QObject::tr("編集(&E)"), owner);
  const QList<QAction*> menus = bar->actions();
  bar->insertMenu(menus.size() > 1 ? menus[1] : nullptr, menu);
  QAction* copy = menu->addAction(QObject::tr("コピー(&C)"));
  copy->setShortcut(QKeySequence::Copy);
  QAction* paste = menu->addAction(QObject::tr("貼り付け(&P)"));
  paste->setShortcut(QKeySequence::Paste);
  ConnectHandler(copy, &QAction::triggered, owner, [position = std::move(position), picture = std::move(picture)] {
    const TMjPosition p = position();
    if (p.Tiles() == 13 || p.Tiles() == 14) CopyPosition(p, picture());
  });
  ConnectHandler(paste, &QAction::triggered, owner,
                 [board = std::move(board)] { PastePosition(QGuiApplication::clipboard()->text(), board); });
  return menu;
}

namespace {

// A table that asks for its described size and gives up height down to a few rows.
class TDiscardTable final : public QTableWidget {
public:
  TDiscardTable(int columns, QSize size, QWidget* parent) : QTableWidget(0, columns, parent), Wanted(size) {}
  QSize sizeHint() const override { return Wanted; }

private:
  QSize Wanted;
};

}  // namespace

QTableWidget* MakeDiscardTable(QWidget* parent, const QStringList& heads, QSize size, int rowHeight) {
  auto* table = new TDiscardTable(static_cast<int>(heads.size()), size, parent);
  table->setHorizontalHeaderLabels(heads);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(rowHeight);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setFocusPolicy(Qt::NoFocus);
  table->setIconSize(QSize(TFrMjPai::PaiWidth * 2 / 3, TFrMjPai::PaiHeight * 2 / 3));
  table->setFixedWidth(size.width());
  table->setMinimumHeight(std::min(size.height(), table->horizontalHeader()->sizeHint().height() +
                                                      LeastTableRows * rowHeight + 2 * table->frameWidth()));
  table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  return table;
}
