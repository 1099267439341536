// The keyboard's focus ring: placed over the window where a surface shows the focused zone.
#include "present/focus_ring.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>

namespace taluvin {

namespace {

// Black outside, yellow, black inside: the ring shows on light and dark pictures alike.
const QColor kOuter(0, 0, 0);
const QColor kRing(255, 221, 0);
const QColor kInner(0, 0, 0);
constexpr int kYellowWidth = 2;
constexpr int kThickness = 1 + kYellowWidth + 1;
// The least size the ring keeps when the zone is clipped small, so it still reads as a ring.
constexpr int kLeastSide = 2 * kThickness + 2;

// The part of the surface the window shows, in the window's pixels: what the ancestors leave of it.
QRect shownPart(QWidget* surface, QWidget* window) {
  QRect shown(surface->mapTo(window, QPoint(0, 0)), surface->size());
  for (QWidget* w = surface->parentWidget(); w && w != window; w = w->parentWidget())
    shown &= QRect(w->mapTo(window, QPoint(0, 0)), w->size());
  return shown & window->rect();
}

}  // namespace

void scrollIntoView(QWidget* surface, QRect rect) {
  for (QWidget* w = surface->parentWidget(); w; w = w->parentWidget()) {
    if (auto* box = qobject_cast<QScrollArea*>(w); box && box->widget() && box->widget()->isAncestorOf(surface)) {
      const QPoint centre = surface->mapTo(box->widget(), rect.center());
      box->ensureVisible(centre.x(), centre.y(), rect.width() / 2 + kThickness, rect.height() / 2 + kThickness);
      return;
    }
  }
  // A text view scrolls its own document; its viewport is the surface.
  if (auto* view = qobject_cast<QTextBrowser*>(surface->parentWidget()); view && view->viewport() == surface) {
    const int top = rect.top(), bottom = rect.bottom();
    QScrollBar* bar = view->verticalScrollBar();
    if (top < 0) bar->setValue(bar->value() + top - kThickness);
    else if (bottom > surface->height()) bar->setValue(bar->value() + bottom - surface->height() + kThickness);
  }
}

FocusRing::FocusRing(QWidget* window) : QWidget(window) {
  setObjectName("FocusRing");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

FocusRing& FocusRing::of(QWidget* window) {
  if (auto* ring = window->findChild<FocusRing*>("FocusRing", Qt::FindDirectChildrenOnly)) return *ring;
  return *new FocusRing(window);
}

void FocusRing::surround(QWidget* surface, QRect rect) {
  surface_ = surface;
  rect_ = rect;
  place();
}

void FocusRing::release() {
  surface_ = nullptr;
  hide();
}

void FocusRing::place() {
  QWidget* window = parentWidget();
  if (!surface_ || !surface_->isVisible()) {
    hide();
    return;
  }
  const QRect zone(surface_->mapTo(window, rect_.topLeft()), rect_.size());
  QRect ring = zone.adjusted(-kThickness, -kThickness, kThickness, kThickness) & shownPart(surface_, window);
  if (ring.width() < kLeastSide || ring.height() < kLeastSide) {
    hide();
    return;
  }
  if (geometry() != ring) setGeometry(ring);
  raise();
  show();
  update();
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect edge = rect();
  // Drawn as nested filled frames, so no pen rounding moves a line off its pixel at any scale.
  auto frame = [&painter](QRect r, int width, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), colour);
  };
  frame(edge, 1, kOuter);
  frame(edge.adjusted(1, 1, -1, -1), kYellowWidth, kRing);
  frame(edge.adjusted(1 + kYellowWidth, 1 + kYellowWidth, -1 - kYellowWidth, -1 - kYellowWidth), 1, kInner);
}

}  // namespace taluvin
