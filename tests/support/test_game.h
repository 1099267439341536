// TestGame: a small game written into a temporary folder and played by the real program.
#pragma once

#include "app/player/player.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QObject;

namespace taluvin::testing {

// A file's bytes as they are on disk; empty when it cannot be read.
std::string fileBytes(const std::string& path);

class TestGame {
 public:
  // Writes a program settings file naming the game "jogo" and an empty "jogo.ini".
  TestGame();
  ~TestGame();

  const std::string& folder() const { return folder_; }
  // The test's own temporary folder holding the game folder: what lies here is beside the game,
  // outside it, and goes away with the test.
  const std::string& beside() const { return beside_; }

  // Files are written as given (UTF-8 source turned into Windows-1252), lines joined with CR LF.
  void write(const std::string& name, const std::string& text);
  void writeLines(const std::string& name, const std::vector<std::string>& lines);
  // The game's settings file with the given lines set (others empty).
  void settings(const std::vector<std::pair<int, std::string>>& lines);
  std::string read(const std::string& name) const;  // bytes turned back into UTF-8
  std::vector<std::string> readLines(const std::string& name) const;
  bool exists(const std::string& name) const;

  // A fresh player for this folder; the trace is collected as UTF-8 lines.
  Player& player();
  // The start click: opens the game and runs "start".
  void start();
  void run(const std::string& script);

  // Register k of the running game, as UTF-8.
  std::string reg(int k);

  // Queues an event, as a player's click would, the moment the trace first shows this line; it runs
  // at the program's next event turn (a pause, a sound being waited for, a long loop). Arming it on
  // a line of the run it acts on, rather than on a timer, keeps it from landing before that run
  // exists however slow the machine is. Events still queued when the game goes away never run.
  void atTraced(const std::string& line, std::function<void()> event);

  const std::vector<std::string>& trace() const { return trace_; }
  // Whether the trace holds exactly this line (run aborts are traced with their message too).
  bool traced(const std::string& line) const;
  void clearTrace() { trace_.clear(); }

  // Exit steps, as when the program ends.
  void quit();
  // The program started again on the same folder: the next player() is a fresh one. The old player's
  // exit steps are not run (call quit() first for a normal end).
  void restart();

 private:
  void queueArmedEvents(const std::string& line);

  std::string beside_;
  std::string folder_;
  std::unique_ptr<Player> player_;
  std::vector<std::string> trace_;
  std::vector<std::pair<std::string, std::function<void()>>> armed_;
  std::unique_ptr<QObject> events_;
};

}  // namespace taluvin::testing
