// Windows nobody can see: under --headless they are shown to Qt but never painted to a screen.
#include "app/player/unpainted_windows.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace taluvin {

namespace {

// A window's paints reach the screen's buffer two ways: the expose that first maps the window, which
// paints it at once, and the update requests that every later change posts to the window. Dropping
// both leaves the widgets' own state alone.
class ScreenPaintDropper : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* event) override {
    return event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
  }
};

}  // namespace

void leaveUnpainted(QWidget& window) {
  auto* dropper = new ScreenPaintDropper(&window);
  window.installEventFilter(dropper);
  // The native window receives the expose; it exists once asked for, before the show queues one.
  window.winId();
  window.windowHandle()->installEventFilter(dropper);
}

}  // namespace taluvin
