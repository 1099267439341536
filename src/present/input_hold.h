// InputHold: keeps the player's clicks and keys waiting while text is being typed out.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;

namespace taluvin {

// While an output effect (typewriter, scroll-up) runs, the window must still repaint, but a click or a
// key must not start a script in the middle of the text. Held events are delivered, in their order,
// when the outermost hold ends.
class InputHold : public QObject {
 public:
  // Holds input from construction to destruction; holds nest.
  class Scope {
   public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
  };

  static bool active();
  // A window of the player's own (the inspector) whose input is never held: it is how an author
  // lets a held run go on.
  static void letThrough(QObject* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static InputHold& instance();
  void begin();
  void end();

  int depth_ = 0;
  QPointer<QObject> letThrough_;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace taluvin
