// Ctrl held shows the zones, letting it go hides them; a shortcut with Ctrl hides them as well.
#include "interact/reveal_key.h"

#include "interact/key_router.h"
#include "present/zone_reveal.h"

#include <QKeyEvent>

namespace taluvin {

void watchRevealKey(ZoneReveal& reveal, KeyRouter& router) {
  router.watchEveryKey([&reveal](const QEvent& event) {
    switch (event.type()) {
      case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        // Another key with Ctrl is a shortcut (a save takes a picture of the screen): the outlines
        // go until Ctrl is pressed again. A held Ctrl repeating its press changes nothing.
        if (key.key() != Qt::Key_Control)
          reveal.setShown(false);
        else if (!key.isAutoRepeat())
          reveal.setShown(true);
        break;
      }
      case QEvent::KeyRelease:
        if (static_cast<const QKeyEvent&>(event).key() == Qt::Key_Control) reveal.setShown(false);
        break;
      // The release of a key held while the program lost the keyboard never arrives.
      case QEvent::ApplicationDeactivate: reveal.setShown(false); break;
      default: break;
    }
  });
}

}  // namespace taluvin
