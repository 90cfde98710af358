#pragma once

// The picture component: a widget that shows one image (its canvas) at its
// top-left corner. The canvas is created at the widget's size on the first
// drawing and keeps that size afterwards, as a framework picture does.

#include <QImage>
#include <QWidget>
#include <functional>

// A picture built into the program, read as the format it is stored in: no
// image plug-in is loaded to recognise it.
QImage ReadBuiltInImage(const QString& resource, const char* format);

class TImage : public QWidget {
  Q_OBJECT
public:
  explicit TImage(QWidget* parent = nullptr);

  // The canvas, created at the current size on first use.
  QImage& Canvas();
  bool HasCanvas() const { return !Picture.isNull(); }
  // Replaces the canvas with a loaded picture (the tile sheet).
  void SetPicture(const QImage& picture);

  // Copies srcRect of source's canvas onto dstRect of this canvas, pixel for
  // pixel. Only the part of srcRect inside the source canvas is read.
  void CopyRect(const QRect& dstRect, TImage& source, const QRect& srcRect);
  QColor PixelColor(int x, int y);

  // Called on the press and the release of any mouse button, with the position
  // in canvas pixels (truncated: a pixel counts from its left or top edge).
  std::function<void(Qt::MouseButton, int, int)> OnMouseDown;
  std::function<void(Qt::MouseButton, int, int)> OnMouseUp;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QImage Picture;
};
