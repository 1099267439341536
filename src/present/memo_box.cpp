// The memo box controls: scrolling by wheel and by dragging the thumb.
#include "present/memo_box.h"

#include "present/layout_settings.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace taluvin {

MemoBox::MemoBox(QWidget* page, MemoScroll& scroll)
    : QObject(page), position(scroll.position), travel(scroll.travel), step(scroll.step) {
  memoPanel = new QWidget(page);
  memoPanel->setObjectName("moSbx");
  memoPanel->setGeometry(325, 175, 181, 131);
  paintWidget(memoPanel, QColor(192, 192, 192));
  memoImage = new CanvasView(memoPanel);
  memoImage->setObjectName("moImg");
  memoImage->setGeometry(0, 0, 100, 100);
  memoTrack = new QLabel(memoPanel);
  memoTrack->setObjectName("moLb0");
  memoTrack->setGeometry(110, 15, 10, 50);
  memoThumb = new QLabel(memoPanel);
  memoThumb->setObjectName("moLb1");
  memoThumb->setGeometry(115, 25, 10, 30);
  memoThumb->setCursor(Qt::SizeVerCursor);
  // Moves reach the thumb's filter even when no button state comes with them (a replayed drag).
  memoThumb->setMouseTracking(true);
  memoThumb->installEventFilter(this);
  memoPanel->installEventFilter(this);
  memoImage->onWheel = [this](int delta) { wheel(delta); };
  memoPanel->hide();
}

void MemoBox::reset() {
  memoPanel->hide();
  position = 0;
  travel = 0;
  step = 5;
  dragging_ = false;
}

void MemoBox::scrollTo(int newPosition) {
  position = std::clamp(newPosition, 0, std::max(travel, 0));
  memoImage->move(0, -(position * step));
  memoThumb->move(memoThumb->x(), position);
}

void MemoBox::wheel(int angleDelta) {
  if (!memoPanel->isVisible() || angleDelta == 0) return;
  scrollTo(angleDelta < 0 ? position + step : position - step);
}

bool MemoBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
  }
  if (watched != memoThumb) return false;
  // Only mouse events are QMouseEvents: the thumb also gets paint, show and resize events.
  const auto pointerY = [event] { return static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y(); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      dragging_ = true;
      pressY_ = pointerY();
      pressTop_ = memoThumb->y();
      return true;
    case QEvent::MouseMove:
      if (dragging_) scrollTo(pressTop_ + pointerY() - pressY_);
      return dragging_;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return true;
    default:
      return false;
  }
}

}  // namespace taluvin
