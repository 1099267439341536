// MemoBox: the scrolling text box of page "1": panel moSbx, text image moImg, track moLb0, thumb moLb1.
#pragma once

#include "present/canvas.h"
#include "state/screen_state.h"

#include <QLabel>
#include <QObject>

namespace taluvin {

class MemoBox : public QObject {
  Q_OBJECT
 public:
  // scroll is the session's memo scroll state, which the box moves and shows.
  MemoBox(QWidget* page, MemoScroll& scroll);

  QWidget* memoPanel;     // moSbx
  CanvasView* memoImage;  // moImg
  QLabel* memoTrack;      // moLb0
  QLabel* memoThumb;      // moLb1

  // The session's scroll state: the thumb's position, its travel along the track and the image
  // rows per unit.
  int& position;
  int& travel;
  int& step;

  // A run starts with the box hidden, its scroll state reset and the wheel step back at 5.
  void reset();
  // Wheel towards the user (negative delta) moves the text up by one step.
  void wheel(int angleDelta);
  // Moves the thumb to position (kept within its travel) and the image with it.
  void scrollTo(int newPosition);

  // The window's wheel reaches the box through this filter.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int pressY_ = 0;
  int pressTop_ = 0;
  bool dragging_ = false;
};

}  // namespace taluvin
