// QuitSignals: SIGINT and SIGTERM end the program through its exit steps instead of killing it.
#pragma once

#include <QObject>
#include <csignal>
#include <functional>

class QSocketNotifier;

namespace taluvin {

class QuitSignals : public QObject {
  Q_OBJECT
 public:
  // flag is raised from the signal handler itself, so a script loop that never returns to the
  // event loop sees it on its next line; onSignal runs later, from the event loop.
  QuitSignals(volatile std::sig_atomic_t& flag, std::function<void(int)> onSignal);
  ~QuitSignals() override;

  // False when the wake-up pipe or the handlers could not be set up; the signals then kill as before.
  bool installed() const { return installed_; }
  // The last signal taken, 0 when none.
  int received() const { return received_; }

 private:
  void drain();

  std::function<void(int)> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
  bool ownsPipe_ = false;
  bool installed_ = false;
  int received_ = 0;
};

}  // namespace taluvin
