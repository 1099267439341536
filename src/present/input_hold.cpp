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

InputHold::InputHold() = default;
InputHold::~InputHold() = default;

void InputHold::end() {
  if (--depth_ > 0) return;
  letThrough_ = nullptr;
  auto held = std::move(held_);
  held_.clear();
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool InputHold::holdBack(QObject* receiver, const QEvent* event) {
  if (depth_ == 0 || !isPlayerInput(event->type())) return false;
  if (letThrough_) {
    if (auto* widget = qobject_cast<QWidget*>(receiver); widget && widget->window() == letThrough_) return false;
    if (auto* window = qobject_cast<QWindow*>(receiver)) {
      auto* own = qobject_cast<QWidget*>(letThrough_.data());
      if (own && own->windowHandle() == window) return false;
    }
  }
  held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
  return true;
}

}  // namespace taluvin
