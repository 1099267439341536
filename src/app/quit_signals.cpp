// SIGINT and SIGTERM: a flag and a self-pipe from the handler, the program's own quit from the event loop.
#include "app/quit_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace taluvin {

namespace {

// A handler may only touch lock-free state: these are set before the handlers go in and cleared
// after they come out.
volatile std::sig_atomic_t* gFlag = nullptr;
int gPipe[2] = {-1, -1};

constexpr int kSignals[] = {SIGINT, SIGTERM};

extern "C" void onQuitSignal(int signal) {
  const int savedErrno = errno;
  if (gFlag) *gFlag = 1;
  const auto byte = static_cast<unsigned char>(signal);
  // A full pipe already holds a wake-up; losing this byte loses nothing.
  [[maybe_unused]] const auto ignored = ::write(gPipe[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(volatile std::sig_atomic_t& flag, std::function<void(int)> onSignal)
    : onSignal_(std::move(onSignal)) {
  // Signals belong to the process: only the first instance takes them.
  if (gPipe[0] >= 0 || ::pipe2(gPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  ownsPipe_ = true;
  gFlag = &flag;
  notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { drain(); });

  struct sigaction action {};
  action.sa_handler = onQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  installed_ = true;
  for (int signal : kSignals)
    if (::sigaction(signal, &action, nullptr) != 0) installed_ = false;
}

QuitSignals::~QuitSignals() {
  if (!ownsPipe_) return;
  for (int signal : kSignals) std::signal(signal, SIG_DFL);
  delete notifier_;
  gFlag = nullptr;
  ::close(gPipe[0]);
  ::close(gPipe[1]);
  gPipe[0] = gPipe[1] = -1;
}

void QuitSignals::drain() {
  unsigned char byte = 0;
  bool any = false;
  while (::read(gPipe[0], &byte, 1) == 1) {
    received_ = byte;
    any = true;
  }
  if (any && onSignal_) onSignal_(received_);
}

}  // namespace taluvin
