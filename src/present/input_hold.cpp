// Holding and re-delivering player input around output effects.
#include "present/input_hold.h"

#include <QCoreApplication>
#include <QEvent>

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
  auto held = std::move(held_);
  held_.clear();
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool InputHold::holdBack(QObject* receiver, const QEvent* event) {
  if (depth_ == 0 || !isPlayerInput(event->type())) return false;
  held_.emplace_back(receiver, std::unique_ptr<QEvent>(event->clone()));
  return true;
}

}  // namespace taluvin
