// Appending shown texts to the game's transcript and keeping it within its cap.
#include "services/transcript.h"

#include "base/text.h"
#include "state/game_paths.h"
#include "state/game_session.h"

#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace taluvin {

namespace fs = std::filesystem;

namespace {

// Keeps the newest three quarters of the cap, from a line start, through a temporary and a rename,
// so a cut that fails leaves the whole file.
std::string cutOldestLines(const std::string& file, size_t size, size_t cap) {
  const size_t keep = cap / 4 * 3;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::strerror(errno);
  in.seekg(static_cast<std::streamoff>(size - keep));
  std::string tail(keep, '\0');
  in.read(tail.data(), static_cast<std::streamsize>(keep));
  tail.resize(static_cast<size_t>(in.gcount()));
  const size_t lineStart = tail.find('\n');
  tail.erase(0, lineStart == std::string::npos ? tail.size() : lineStart + 1);
  std::string temporary = file + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return std::strerror(errno);
  bool written = ::write(fd, tail.data(), tail.size()) == static_cast<ssize_t>(tail.size());
  written = ::close(fd) == 0 && written;
  if (!written || std::rename(temporary.c_str(), file.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    std::remove(temporary.c_str());
    return why;
  }
  return {};
}

}  // namespace

std::string transcriptFile(const std::string& gameName, std::string& problem) {
  // The XDG rule: a relative XDG_DATA_HOME is ignored.
  std::string root;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && data[0] == '/')
    root = std::string(data) + "/taluvin/transcripts/";
  else if (const char* home = std::getenv("HOME"); home && home[0] == '/')
    root = std::string(home) + "/.local/share/taluvin/transcripts/";
  if (root.empty()) {
    problem = "no folder for the transcript: neither XDG_DATA_HOME nor HOME names one";
    return {};
  }
  if (gameName.empty() || !isPlainGameName(gameName)) {
    problem = "the game has no name its transcript could be kept under";
    return {};
  }
  return root + cp1252ToUtf8(gameName) + ".txt";
}

std::string appendToTranscript(const std::string& file, const std::string& text, size_t cap) {
  std::error_code ec;
  fs::create_directories(fs::path(file).parent_path(), ec);
  if (ec) return ec.message();
  std::FILE* out = std::fopen(file.c_str(), "ab");
  if (!out) return std::strerror(errno);
  const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  const int closed = std::fclose(out);
  if (!written || closed != 0) return std::strerror(errno);
  const auto size = fs::file_size(file, ec);
  if (ec) return ec.message();
  return size > cap ? cutOldestLines(file, static_cast<size_t>(size), cap) : std::string();
}

std::string placeSeparator(const std::string& place) { return "\xE2\x80\x94 " + cp1252ToUtf8(place) + " \xE2\x80\x94"; }

Transcript::Transcript(const GameSession& session, std::function<void(const std::string&)> say, size_t cap)
    : session_(session), say_(std::move(say)), cap_(cap) {}

Transcript::~Transcript() { flush(); }

void Transcript::textShown(TextKind kind, const std::string& text) {
  // Where the keyboard's ring went is spoken, not something the game said.
  if (kind == TextKind::Focus) return;
  std::string problem;
  const std::string file = transcriptFile(session_.GameName, problem);
  if (file.empty()) {
    if (!problemSaid_ && say_) say_(problem);
    problemSaid_ = true;
    return;
  }
  // A game's name does not change while it is played; should it, each file keeps its own texts.
  if (file != pendingFile_) flush();
  pendingFile_ = file;
  if (session_.Posic != lastPlace_ && !session_.Posic.empty()) pending_ += placeSeparator(session_.Posic) + '\n';
  lastPlace_ = session_.Posic;
  pending_ += cp1252ToUtf8(text) + '\n';
  if (!flushDue_) {
    flushDue_ = true;
    QTimer::singleShot(0, &timerOwner_, [this] { flush(); });
  }
}

void Transcript::flush() {
  flushDue_ = false;
  if (pending_.empty()) return;
  const std::string why = appendToTranscript(pendingFile_, pending_, cap_);
  pending_.clear();
  if (!why.empty() && !problemSaid_ && say_) {
    say_(utf8ToCp1252("could not write the transcript " + pendingFile_ + ": " + why));
    problemSaid_ = true;
  }
}

}  // namespace taluvin
