// Stopping a run at breakpoints and watched registers, and going on as the author says.
#include "script/debugger.h"

#include "base/run_abort.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

const std::string* registerOf(const GameSession& session, int index) {
  return session.registers.has(index) ? &session.registers.at(index) : nullptr;
}

}  // namespace

Debugger::Debugger(GameSession& session, Breakpoints breakpoints, StopHandler& handler)
    : session_(session), breakpoints_(std::move(breakpoints)), handler_(handler) {}

void Debugger::beforeLines() {
  const auto& watched = breakpoints_.watchedRegisters();
  watchedBefore_.resize(watched.size());
  for (size_t i = 0; i < watched.size(); ++i) {
    const std::string* value = registerOf(session_, watched[i]);
    watchedBefore_[i] = value ? *value : std::string();
  }
}

bool Debugger::beforeLine() {
  if (quitting_) return false;
  const int index = session_.CurLine;
  if (stepping_) return stop({session_.Script, index + 1, "stepped"});
  if (breakpoints_.stopsBefore(session_.Script, index)) return stop({session_.Script, index + 1, "breakpoint"});
  return true;
}

void Debugger::afterLines() {
  const auto& watched = breakpoints_.watchedRegisters();
  for (size_t i = 0; i < watched.size() && i < watchedBefore_.size(); ++i) {
    const std::string* value = registerOf(session_, watched[i]);
    if (!value || *value == watchedBefore_[i]) continue;
    // The line that changed it is the one the interpreter stands on; past the script's end (the
    // run ended on that line) only the script is known.
    const int lines = static_cast<int>(session_.ScriptLines.size());
    const int line = session_.CurLine >= 0 && session_.CurLine < lines ? session_.CurLine + 1 : 0;
    stop({session_.Script, line,
          "register " + std::to_string(watched[i]) + " changed from \"" + watchedBefore_[i] + "\" to \"" + *value + "\""});
    return;
  }
}

bool Debugger::stop(StopPlace where) {
  place_ = std::move(where);
  stepping_ = false;
  stopped_ = true;
  const GoOn next = handler_.stopped(place_);
  stopped_ = false;
  switch (next) {
    case GoOn::Step:
      stepping_ = true;
      return true;
    case GoOn::Continue:
      return true;
    case GoOn::StopRun:
      throw RunStopped("the run was stopped at a breakpoint");
    case GoOn::Quit:
      quitting_ = true;
      return false;
  }
  return true;
}

}  // namespace taluvin
