// The transcript: every text the game shows, in order, in a UTF-8 file per game kept in the user's
// data folder, never in the game's.
#pragma once

#include "state/text_listener.h"

#include <QObject>
#include <cstddef>
#include <functional>
#include <string>

namespace taluvin {

struct GameSession;

// Past this size the oldest lines go, down to three quarters of it, so a long game keeps its end.
inline constexpr size_t kTranscriptCapBytes = 4u << 20;

// $XDG_DATA_HOME/taluvin/transcripts/GAME.txt for an absolute XDG_DATA_HOME, else under
// $HOME/.local/share; GAME is the game's name (Windows-1252) as its save slots are named. Empty,
// with problem said, when there is no such folder or the name could lead out of it.
std::string transcriptFile(const std::string& gameName, std::string& problem);

// Appends the UTF-8 text to the file (its folder made first), then cuts the oldest whole lines
// while the file is larger than cap. The message of a failure, or empty.
std::string appendToTranscript(const std::string& file, const std::string& text, size_t cap);

// The line written before the texts of a place the transcript had not been in just before.
std::string placeSeparator(const std::string& place);

class Transcript : public TextListener {
 public:
  // The session tells the game's name and place as each text arrives; a problem (no folder, a
  // failed write) is said once through `say`, in Windows-1252.
  Transcript(const GameSession& session, std::function<void(const std::string&)> say,
             size_t cap = kTranscriptCapBytes);
  ~Transcript() override;

  void textShown(TextKind kind, const std::string& text) override;
  // Writes what is pending: called once the event loop runs again, so a run's texts reach the file
  // together, and at the end.
  void flush();

 private:
  const GameSession& session_;
  std::function<void(const std::string&)> say_;
  size_t cap_;
  std::string pending_;  // UTF-8 lines, each ending in '\n'
  std::string pendingFile_;
  std::string lastPlace_;
  bool flushDue_ = false;
  bool problemSaid_ = false;
  QObject timerOwner_;  // the pending flush dies with the transcript
};

}  // namespace taluvin
