// StateWriter: the one writer of the game's state files, whole, flushed and in sets, off the click path.
#pragma once

#include "state/file_stamp.h"
#include "state/text_file.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace taluvin {

// The files one moment of the game saves together (the end of a run, the exit steps). Either every
// file of a set reaches the disk or none does, so registers and objects never come from different runs.
class StateSet {
 public:
  // Lines as the state files hold them: a line break inside a line is written as "§", so each line
  // of the file stays one register, one object field or one settings line.
  void add(const std::string& path, const Lines& lines);
  void addBytes(const std::string& path, std::string bytes);
  bool empty() const { return files_.empty(); }

  // Hands the set to the writer; returns at once.
  void submit();

 private:
  friend class StateWriter;
  std::map<std::string, std::string> files_;
};

class StateWriter {
 public:
  // The program's one writer. Its thread starts with the first set.
  static StateWriter& instance();
  ~StateWriter();

  // A newer set that holds every file of the set still waiting replaces it, so a burst of runs costs
  // one write. Any other set waits its turn: were two different sets merged, a file of one that cannot
  // be written would keep the other from the disk.
  void submit(StateSet set);

  // Waits until every set handed in so far is on disk (or has failed). Cheap when nothing waits.
  void drain();
  // Waits only while the file (a native path) is still to be written: reading a script never waits
  // on a save of the registers.
  void drain(const std::string& path);

  // Called on the writer's thread with a one-line message when a set could not be written; once, until
  // a set is written again.
  void setFailureReport(std::function<void(const std::string&)> report);
  // Writes that failed since the program started, the ones not reported again included: a program
  // that lost a save must not end as if it had saved everything.
  long long failedWrites();

  // A set a killed program left half renamed is completed; temporaries it left beside the given state
  // files (all in one folder) are removed.
  static void removeLeftoverTemporaries(const std::vector<std::string>& paths);

  StateWriter(const StateWriter&) = delete;
  StateWriter& operator=(const StateWriter&) = delete;

 private:
  StateWriter() = default;
  void loop();
  static void completeCutShortSet(const std::vector<std::string>& paths);
  // Writes every temporary, then renames them all; "" on success, else the failure's message.
  std::string writeSet(const std::map<std::string, std::string>& files);
  // Whether the file on disk already holds these bytes: written by us and untouched since, or, the
  // first time, read back and compared. Most runs change a few registers and no objects, and a game
  // of many registers should not pay for rewriting what did not change.
  bool alreadyOnDisk(const std::string& target, const std::string& bytes);
  void remember(const std::string& target, const std::string& bytes);

  // What the writer last put into (or found in) a file, to know it unchanged without reading it.
  struct Written {
    size_t hash = 0;
    FileStamp stamp;
  };
  std::map<std::string, Written> written_;  // the writer's thread only

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::map<std::string, std::string>> pending_;
  std::map<std::string, std::string> inFlight_;
  bool writing_ = false;
  bool stopping_ = false;
  std::thread thread_;
  std::function<void(const std::string&)> report_;
  bool failing_ = false;  // the last set failed and was reported
  long long failures_ = 0;
};

// Writes every byte to the descriptor, again after an interrupted write; false on a failure (errno says).
bool writeAllBytes(int fd, std::string_view bytes);

// Line text as a state file line: CR LF, CR and LF inside it become "§".
std::string stateFileLine(const std::string& line);

}  // namespace taluvin
