// FocusRing: the keyboard's mark around one hot zone or link, laid over a game window, never into it.
#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace taluvin {

// A frame of the player's own on top of a whole window (main or monitor), so a picture of one
// surface never holds it while a picture of the window does. It takes no pointer input.
// Scrolls the box or text view holding the surface until rect (in the surface's pixels) is in view,
// as a player scrolling there would.
void scrollIntoView(QWidget* surface, QRect rect);

class FocusRing : public QWidget {
 public:
  // The ring of a window, made at its first use.
  static FocusRing& of(QWidget* window);

  // Rings rect (in the surface's own pixels), clipped to what the window shows of the surface;
  // called again whenever the surface may have moved, scrolled or been laid out anew.
  void surround(QWidget* surface, QRect rect);
  void release();

  QWidget* surface() const { return surface_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  explicit FocusRing(QWidget* window);
  void place();

  QPointer<QWidget> surface_;
  QRect rect_;
};

}  // namespace taluvin
