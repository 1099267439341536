// Undo steps: the game's state before each run the player started, kept in memory and as slots on disk.
#pragma once

#include "state/save_slots.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace taluvin {

struct GameSession;

// What tells two states apart for undo: the state files and the place, but not the name of the
// script last run (settings line 7), which every run changes. A run that changed nothing else is
// nothing to take back.
std::uint64_t undoKeyOf(const SlotContents& contents);

class UndoSteps {
 public:
  static constexpr size_t kKept = 20;

  UndoSteps() = default;
  // Finishes every write handed in: a step the program took is on disk when it ends normally.
  ~UndoSteps();

  // The session's state, taken before a run changes it. In memory at once; written to
  // $XDG_DATA_HOME/taluvin/undo/GAME/ by the steps' own thread, off the click, like a save slot, and
  // the oldest beyond kKept removed there. Nothing is kept when the state is the newest step's.
  // Notes gets what went wrong since (a step not written, a damaged one found and removed).
  void keep(const GameSession& session, std::vector<std::string>& notes);

  struct Step {
    std::string folder;  // ending with "/"
    std::string label;   // "undo step N"
    std::uint64_t key = 0;
  };
  // The newest step of the open game as it is on disk once every write handed in is done.
  std::optional<Step> newest(const GameSession& session, std::vector<std::string>& notes);
  // Forgets the step and removes its folder.
  void drop(const Step& step);

  // Waits until the steps' thread has done every write handed in.
  void drain();

 private:
  // The keys of the steps on disk, when the game or its folder differs from the last one seen.
  void follow(const GameSession& session, std::vector<std::string>& notes);
  void takeNotes(std::vector<std::string>& notes);
  void post(std::function<void()> job);
  void loop();

  // The UI thread's view: the game followed and its steps' keys, oldest first.
  std::string gameFolder_, gameName_, folder_;
  std::vector<std::uint64_t> keys_;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> jobs_;
  bool working_ = false;
  bool stopping_ = false;
  int hurry_ = 0;  // drains waiting: the settling pause is skipped
  std::vector<std::string> notes_;  // from the steps' thread
  bool failing_ = false;            // the steps' thread only: the last write failed and was said
  std::thread thread_;
};

}  // namespace taluvin
