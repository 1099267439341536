// The memo box controls: scrolling by wheel and by dragging the thumb.
#include "present/memo_box.h"

#include "present/layout_settings.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace taluvin {

MemoBox::MemoBox(QWidget* page) : QObject(page) {
  moSbx = new QWidget(page);
  moSbx->setObjectName("moSbx");
  moSbx->setGeometry(325, 175, 181, 131);
  paintWidget(moSbx, QColor(192, 192, 192));
  moImg = new CanvasView(moSbx);
  moImg->setObjectName("moImg");
  moImg->setGeometry(0, 0, 100, 100);
  moLb0 = new QLabel(moSbx);
  moLb0->setObjectName("moLb0");
  moLb0->setGeometry(110, 15, 10, 50);
  moLb1 = new QLabel(moSbx);
  moLb1->setObjectName("moLb1");
  moLb1->setGeometry(115, 25, 10, 30);
  moLb1->setCursor(Qt::SizeVerCursor);
  moLb1->installEventFilter(this);
  moSbx->installEventFilter(this);
  moImg->onWheel = [this](int delta) { wheel(delta); };
  moSbx->hide();
}

void MemoBox::reset() {
  moSbx->hide();
  position = 0;
  travel = 0;
  step = 5;
  dragging_ = false;
}

void MemoBox::scrollTo(int newPosition) {
  position = std::clamp(newPosition, 0, std::max(travel, 0));
  moImg->move(0, -(position * step));
  moLb1->move(moLb1->x(), position);
}

void MemoBox::wheel(int angleDelta) {
  if (!moSbx->isVisible() || angleDelta == 0) return;
  scrollTo(angleDelta < 0 ? position + step : position - step);
}

bool MemoBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    wheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
    return true;
  }
  if (watched != moLb1) return false;
  // Only mouse events are QMouseEvents: the thumb also gets paint, show and resize events.
  const auto pointerY = [event] { return static_cast<QMouseEvent*>(event)->globalPosition().toPoint().y(); };
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      dragging_ = true;
      pressY_ = pointerY();
      pressTop_ = moLb1->y();
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
