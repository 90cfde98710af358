#include "ui/Timage1.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

QImage ReadBuiltInImage(const QString& resource, const char* format) {
  QImageReader reader(resource, format);
  reader.setAutoDetectImageFormat(false);
  return reader.read();
}

TImage::TImage(QWidget* parent) : QWidget(parent) {}

QImage& TImage::Canvas() {
  if (Picture.isNull()) {
    Picture = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
    Picture.fill(Qt::white);
  }
  return Picture;
}

void TImage::SetPicture(const QImage& picture) {
  Picture = picture.convertToFormat(QImage::Format_RGB32);
  update();
}

void TImage::CopyRect(const QRect& dstRect, TImage& source, const QRect& srcRect) {
  QImage& src = source.Canvas();
  const QRect readable = srcRect & src.rect();
  if (readable.isEmpty()) return;
  // Keep the part of the destination that corresponds to the readable source part.
  const QRect dst(dstRect.topLeft() + (readable.topLeft() - srcRect.topLeft()), readable.size());
  QPainter painter(&Canvas());
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(dst, src, readable);
  painter.end();
  update(dst);
}

QColor TImage::PixelColor(int x, int y) {
  const QImage& canvas = Canvas();
  return canvas.valid(x, y) ? canvas.pixelColor(x, y) : QColor();
}

void TImage::paintEvent(QPaintEvent*) {
  if (Picture.isNull()) return;
  QPainter painter(this);
  // Whole-pixel scaling on high-density screens keeps the tiles crisp.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(QPoint(0, 0), Picture.size()), Picture);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (OnMouseDown) OnMouseDown(event->button(), qFloor(p.x()), qFloor(p.y()));
  QWidget::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF p = event->position();
  if (OnMouseUp) OnMouseUp(event->button(), qFloor(p.x()), qFloor(p.y()));
  QWidget::mouseReleaseEvent(event);
}
