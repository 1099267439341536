// Drawing surfaces: the font of a canvas style, sizing off-screen buffers, and picture widgets with a canvas.
#pragma once

#include "present/picture_view.h"
#include "state/surface_buffers.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <string>

namespace taluvin {

// The font a canvas style writes with.
QFont canvasFont(const DrawStyle& style);

// A new blank image of that size in the buffer's brush; the content is not kept.
void resizeBuffer(Buffer& buffer, int width, int height);
// Keeps the content and fills the new part with fill.
void growBuffer(Buffer& buffer, int width, int height, QColor fill);

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
// The size blankImage makes for that size: at least one pixel each way, within the surface budget.
QSize blankSize(int width, int height);
// The buffer's pixels onto the view's picture at its top left, as a surface shows its buffer.
void showBufferOn(CanvasView& view, const Buffer& buffer);
// The view's picture back into the buffer, at its top left.
void takeBackShownPicture(Buffer& buffer, const CanvasView& view);
// The picture with its magenta pixels made transparent, for drawing through the loading image.
QImage withMagentaTransparent(const QImage& picture);
// Copies image onto target at point, keeping target's size.
void drawImageOnto(QImage& target, const QImage& image, QPoint at = QPoint(0, 0));

}  // namespace taluvin
