// Debugger: stops a run before a breakpoint's line, or after a line that changed a watched register.
#pragma once

#include "script/breakpoints.h"

#include <string>
#include <vector>

namespace taluvin {

struct GameSession;

// How a stopped run goes on.
enum class GoOn {
  Step,      // the next line runs, and the run stops again before the one after it
  Continue,  // runs on to the next breakpoint
  StopRun,   // ends the run as a failure would: the rest of the script and the end-of-run steps are skipped
  Quit,      // the program is ending: no further line of any run
};

// Where a run stopped: the script, its line counted from 1, and why.
struct StopPlace {
  std::string script;
  int line = 0;
  std::string reason;
};

class StopHandler {
 public:
  virtual ~StopHandler() = default;
  // Lets the window's events run, the player's input held, until the author says how to go on.
  virtual GoOn stopped(const StopPlace& where) = 0;
};

class Debugger {
 public:
  Debugger(GameSession& session, Breakpoints breakpoints, StopHandler& handler);

  // The interpreter's calls, made only while a debugger is set: before and after each call that
  // interprets lines, and before each line within it. False from beforeLine: the run ends there.
  void beforeLines();
  bool beforeLine();
  void afterLines();

  bool isStopped() const { return stopped_; }
  // Where the run is stopped, or last stopped.
  const StopPlace& place() const { return place_; }
  const Breakpoints& breakpoints() const { return breakpoints_; }

 private:
  // False when the run must end before its next line.
  bool stop(StopPlace where);

  GameSession& session_;
  Breakpoints breakpoints_;
  StopHandler& handler_;
  std::vector<std::string> watchedBefore_;  // the watched registers as the line found them
  StopPlace place_;
  bool stopped_ = false;
  bool stepping_ = false;
  bool quitting_ = false;
};

}  // namespace taluvin
