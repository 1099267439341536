// Condition waits that keep the program's events running.
#include "support/event_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>

namespace taluvin::testing {

bool waitUntil(const std::function<bool()>& condition, int deadlineMs) {
  const QDeadlineTimer deadline(deadlineMs);
  while (!condition()) {
    if (deadline.hasExpired()) return condition();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
  return true;
}

}  // namespace taluvin::testing
