// Holding and re-delivering player input around output effects.
#include "present/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace taluvin {

namespace {

bool isPlayerInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputHold::Scope::Scope() { instance().begin(); }
InputHold::Scope::~Scope() { instance().end(); }

InputHold& InputHold::instance() {
  static InputHold* hold = new InputHold;  // lives as long as the application's event filters
  return *hold;
}

bool InputHold::active() { return instance().depth_ > 0; }

void InputHold::letThrough(QObject* window) { instance().letThrough_ = window; }

void InputHold::begin() {
  if (depth_++ == 0 && QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

void InputHold::end() {
  if (--depth_ > 0) return;
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  auto held = std::move(held_);
  held_.clear();
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool InputHold::eventFilter(QObject* watched, QEvent* event) {
  if (depth_ == 0 || !isPlayerInput(event->type())) return false;
  if (letThrough_) {
    if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == letThrough_) return false;
    if (auto* window = qobject_cast<QWindow*>(watched)) {
      auto* own = qobject_cast<QWidget*>(letThrough_.data());
      if (own && own->windowHandle() == window) return false;
    }
  }
  held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
  return true;
}

}  // namespace taluvin
