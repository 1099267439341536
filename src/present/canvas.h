// Drawing surfaces: the style a canvas carries, off-screen buffers, and picture widgets with a canvas.
#pragma once

#include "present/picture_view.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <string>

namespace taluvin {

// What a canvas draws with: a brush (solid or clear) and a font with its colour.
struct DrawStyle {
  QColor brush = QColor(255, 255, 255);
  bool brushClear = false;
  QColor fontColor = QColor(0, 0, 0);
  std::string face = "Arial";
  int size = 12;  // points
  bool bold = false, italic = false, underline = false;

  QFont font() const;
  void setStyleFlags(bool b, bool i, bool u) { bold = b; italic = i; underline = u; }
};

// An off-screen 24-bit image and its canvas style.
struct Buffer {
  QImage image;
  DrawStyle style;

  // A new blank image of that size; the content is not kept.
  void resize(int width, int height);
  // Keeps the content and fills the new part with fill.
  void grow(int width, int height, QColor fill);
  void fill(QColor colour);
  void fillRect(const QRect& rect, QColor colour);
  int width() const { return image.width(); }
  int height() const { return image.height(); }
};

// A picture widget whose picture is also a canvas with a style.
class CanvasView : public PictureView {
  Q_OBJECT
 public:
  explicit CanvasView(QWidget* parent = nullptr) : PictureView(parent) {}
  DrawStyle style;

  // The picture is made the size of the widget (blank) when it differs.
  void fitPictureToWidget();
  void fillPicture(QColor colour);
};

QImage blankImage(int width, int height, QColor fill = QColor(255, 255, 255));
// The picture with its magenta pixels made transparent, for drawing through the loading image.
QImage withMagentaTransparent(const QImage& picture);
// Copies image onto target at point, keeping target's size.
void drawImageOnto(QImage& target, const QImage& image, QPoint at = QPoint(0, 0));

}  // namespace taluvin
