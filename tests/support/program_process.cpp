// A child program run in the background.
#include "support/program_process.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QStringList>
#include <csignal>

namespace taluvin::testing {

ProgramProcess::ProgramProcess(const std::vector<std::string>& args,
                               const std::vector<std::pair<std::string, std::string>>& extraEnvironment) {
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  // The player speaks the locale's language; tests compare its English words unless they ask.
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) env.remove(variable);
  env.insert("LANG", "C.UTF-8");
  for (const auto& [name, value] : extraEnvironment) env.insert(QString::fromStdString(name), QString::fromStdString(value));
  process_.setProcessEnvironment(env);
  process_.start(TALUVIN_BINARY, list);
  process_.waitForStarted();
}

ProgramProcess::~ProgramProcess() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished();
}

bool ProgramProcess::waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeoutMs) {
    if (condition()) return true;
    // Waiting on the process both paces the polling and notices an early end.
    if (process_.state() == QProcess::NotRunning || process_.waitForFinished(20)) return condition();
  }
  return false;
}

void ProgramProcess::sendSignal(int signal) {
  const qint64 pid = process_.processId();
  if (pid > 0) ::kill(static_cast<pid_t>(pid), signal);
}

ProgramRun ProgramProcess::finish(int timeoutMs) {
  ProgramRun run;
  if (!process_.waitForFinished(timeoutMs) && process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished();
    return run;
  }
  run.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
  run.out = process_.readAllStandardOutput().toStdString();
  run.err = process_.readAllStandardError().toStdString();
  return run;
}

}  // namespace taluvin::testing
