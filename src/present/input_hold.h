// InputHold: keeps the player's clicks and keys waiting while text is being typed out.
#pragma once

#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

class QEvent;
class QObject;

namespace taluvin {

// While an output effect (typewriter, scroll-up) runs, the window must still repaint, but a click or a
// key must not start a script in the middle of the text. Held events are delivered, in their order,
// when the outermost hold ends. The program's key router offers it every event first.
class InputHold {
 public:
  // Holds input from construction to destruction; holds nest.
  class Scope {
   public:
    explicit Scope(InputHold& hold) : hold_(hold) { hold_.begin(); }
    ~Scope() { hold_.end(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    InputHold& hold_;
  };

  InputHold();
  ~InputHold();
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

  // A window of the player's own (the inspector) whose input is never held while this hold lasts: it
  // is how an author lets a held run go on.
  void letThrough(QObject* window) { letThrough_ = window; }

  // Keeps a copy of the event for later and says so, when it is player input during a hold.
  bool holdBack(QObject* receiver, const QEvent* event);

 private:
  void begin() { ++depth_; }
  void end();

  int depth_ = 0;
  QPointer<QObject> letThrough_;
  std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> held_;
};

}  // namespace taluvin
