// Replay files: parsing, checking and pacing the actions.
#include "app/replay/replay.h"

#include "app/player/player.h"
#include "app/replay/replay_debug.h"

#include <QTimer>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>

namespace taluvin {

Replay::Replay(Player& player, std::string path) : player_(player), path_(std::move(path)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

bool parseReplay(std::istream& in, const std::string& path, std::vector<ReplayStep>& steps, std::string& error) {
  std::string line;
  int number = 0;
  std::vector<std::string> comments;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    ReplayStep step;
    step.lineNumber = number;
    if (!(words >> step.action)) {
      comments.clear();  // a blank line parts a comment from the actions below it
      continue;
    }
    if (step.action[0] == '#') {
      const size_t text = line.find_first_not_of(" \t", line.find('#') + 1);
      comments.push_back(text == std::string::npos ? std::string() : line.substr(text));
      continue;
    }
    step.comments = std::exchange(comments, {});
    for (std::string word; words >> word;) step.args.push_back(word);
    const size_t actionEnd = line.find(step.action) + step.action.size();
    step.rest = line.substr(std::min(line.size(), actionEnd + 1));
    const ReplayAction* known = nullptr;
    for (const auto& a : replayActions())
      if (step.action == a.name) known = &a;
    auto fail = [&](const std::string& reason) {
      error = path + ":" + std::to_string(number) + ": " + reason;
      return false;
    };
    if (!known) return fail("unknown action '" + step.action + "'");
    const int n = static_cast<int>(step.args.size());
    if (n < known->minArgs || n > known->maxArgs)
      return fail("'" + step.action + "' takes " + std::to_string(known->minArgs) +
                  (known->maxArgs != known->minArgs ? " to " + std::to_string(known->maxArgs) : std::string()) +
                  " argument(s), got " + std::to_string(n));
    if (known->check) {
      auto reason = known->check(step);
      if (!reason.empty()) return fail(reason);
    }
    steps.push_back(std::move(step));
  }
  return true;
}

bool Replay::load() {
  std::ifstream in(path_);
  if (!in) {
    error_ = path_ + ": cannot read the replay file";
    return false;
  }
  return parseReplay(in, path_, steps_, error_);
}

void Replay::begin() { schedule(0); }

void Replay::schedule(int ms) { timer_.start(ms); }

void Replay::step() {
  if (player_.quitRequested()) return;
  // A run that is still going (paused, or nested in a wait), a start click opening the game, or a
  // click on the opening picture waiting to tell itself from a double click must end before the
  // next action, so a replay gives the same result every time.
  // An action still in progress is waited for too, unless its run stopped at a breakpoint: then
  // the next actions are what lets it go on.
  constexpr int kPollMs = 5;
  if (player_.busy() || (acting_ > 0 && !stoppedAtBreakpoint(player_))) {
    schedule(kPollMs);
    return;
  }
  if (next_ >= steps_.size()) {
    if (narration_) *narration_ << "replay finished: " << steps_.size() << " actions taken" << std::endl;
    if (onFinished) onFinished();
    return;
  }
  const ReplayStep& s = steps_[next_++];
  if (narration_) {
    for (const std::string& comment : s.comments) *narration_ << "# " << comment << '\n';
    *narration_ << "  " << s.action << (s.rest.empty() ? "" : " ") << s.rest << std::endl;
  }
  for (const auto& a : replayActions()) {
    if (s.action != a.name) continue;
    ReplayOutcome outcome{0, refusedWhileStopped(player_, s)};
    if (outcome.error.empty()) {
      // Should the action's run stop at a breakpoint, this turn comes inside it.
      schedule(kPollMs);
      ++acting_;
      outcome = a.run(player_, s);
      --acting_;
    }
    if (!outcome.error.empty()) {
      if (onFailed) onFailed(path_ + ":" + std::to_string(s.lineNumber) + ": " + outcome.error);
      return;
    }
    if (player_.quitRequested()) return;
    schedule(outcome.waitMs);
    return;
  }
}

}  // namespace taluvin
