// Ctrl held shows the zones, letting it go hides them; a shortcut with Ctrl hides them as well.
#include "interact/reveal_key.h"

#include "present/zone_reveal.h"

#include <QApplication>
#include <QKeyEvent>

namespace taluvin {

namespace {

class RevealKey : public QObject {
 public:
  RevealKey(ZoneReveal& reveal, QObject* owner) : QObject(owner), reveal_(reveal) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Another key with Ctrl is a shortcut (a save takes a picture of the screen): the outlines
        // go until Ctrl is pressed again. A held Ctrl repeating its press changes nothing.
        if (key->key() != Qt::Key_Control)
          reveal_.setShown(false);
        else if (!key->isAutoRepeat())
          reveal_.setShown(true);
        break;
      }
      case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control) reveal_.setShown(false);
        break;
      // The release of a key held while the program lost the keyboard never arrives.
      case QEvent::ApplicationDeactivate: reveal_.setShown(false); break;
      default: break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  ZoneReveal& reveal_;
};

}  // namespace

void watchRevealKey(ZoneReveal& reveal, QObject* owner) { qApp->installEventFilter(new RevealKey(reveal, owner)); }

}  // namespace taluvin
