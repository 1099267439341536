// Runs the real program in a child process.
#include "support/program_run.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace taluvin::testing {

ProgramRun runProgram(const std::vector<std::string>& args, int timeoutMs) {
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  QProcess process;
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  process.setProcessEnvironment(env);
  // No working directory is set, so the program starts in the test's fresh folder.
  process.start(TALUVIN_BINARY, list);
  ProgramRun run;
  if (!process.waitForFinished(timeoutMs)) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace taluvin::testing
