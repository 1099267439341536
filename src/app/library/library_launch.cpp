// Running the library window and handing over to the player on the game chosen.
#include "app/library/library_launch.h"

#include "app/library/library_window.h"
#include "app/quit_signals.h"

#include <QApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace taluvin {

int runLibrary(int argc, char* argv[], const std::string& programName) {
  LibraryWindow window(programName);
  std::string chosen;
  bool resume = false;
  QObject::connect(&window, &LibraryWindow::playChosen, &window, [&](const QString& folder, bool continuing) {
    chosen = QFile::encodeName(folder).toStdString();
    resume = continuing;
    window.close();
    QApplication::quit();
  });
  volatile std::sig_atomic_t ending = 0;
  const QuitSignals quitSignals(ending, [](int) { QApplication::quit(); });
  window.show();
  QApplication::exec();
  if (quitSignals.received() != 0) return 128 + quitSignals.received();
  if (chosen.empty()) return 0;

  std::vector<std::string> words{argv[0], chosen};
  if (resume) words.emplace_back("--resume");
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  std::vector<char*> args;
  for (std::string& word : words) args.push_back(word.data());
  args.push_back(nullptr);
  ::execv("/proc/self/exe", args.data());
  std::cerr << "taluvin: cannot start the player on " << chosen << ": " << std::strerror(errno) << '\n';
  return 2;
}

}  // namespace taluvin
