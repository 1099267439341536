// Replay: plays a file of player actions through the same handlers real events take.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace taluvin {

class Player;

struct ReplayStep {
  int lineNumber = 0;
  std::string action;
  std::vector<std::string> args;
  // The line after the action word and the blank that ends it, as written (blanks kept).
  std::string rest = {};
  // The comment lines just above the action, without their "#": what the file says it does.
  std::vector<std::string> comments = {};
};

// What an action does; it returns the milliseconds of events to let run before the next one,
// or an error text that stops the replay.
struct ReplayOutcome {
  int waitMs = 0;
  std::string error;
};

struct ReplayAction {
  const char* name;
  int minArgs;
  int maxArgs;
  std::function<std::string(const ReplayStep&)> check;  // empty result: the line is well formed
  std::function<ReplayOutcome(Player&, const ReplayStep&)> run;
};

// Every action a replay file may name; later subsystems add theirs here.
const std::vector<ReplayAction>& replayActions();

// Reads and checks the lines of a replay file into steps; false with error naming the file (as
// `path`), the line and the reason.
bool parseReplay(std::istream& in, const std::string& path, std::vector<ReplayStep>& steps, std::string& error);

class Replay : public QObject {
  Q_OBJECT
 public:
  Replay(Player& player, std::string path);

  // Reads and checks the whole file; false with error() naming file, line and reason.
  bool load();
  const std::string& error() const { return error_; }

  // Starts taking actions from the event loop; each, and the end, waits until the player is not busy.
  void begin();
  // Each action, with the comments above it, is written here as it is taken, and the end too.
  void narrateTo(std::ostream& out) { narration_ = &out; }

  // Called when the file ends without "quit" (with the number of actions taken) or fails.
  std::function<void()> onFinished;
  std::function<void(const std::string&)> onFailed;

 private:
  void step();
  void schedule(int ms);

  Player& player_;
  std::string path_;
  std::string error_;
  std::vector<ReplayStep> steps_;
  size_t next_ = 0;
  std::ostream* narration_ = nullptr;
  QTimer timer_;  // one pending turn at a time, however an action ends
  int acting_ = 0;  // actions in progress: one whose run stopped at a breakpoint is still going
};

}  // namespace taluvin
