// TraceFile: where `--trace` writes, a file or the error stream, as UTF-8 lines.
#pragma once

#include "base/text.h"

#include <memory>
#include <string>
#include <string_view>

namespace taluvin {

class TraceLog;

// A traced loop writes a line for every script line it runs, so the line's way out must cost
// little beside the line itself: lines are converted straight into one buffer, which goes out in
// one write when full, at every flush (after each run) and at the end.
class TraceFile {
 public:
  // The file at path, emptied; nullptr when it cannot be written.
  static std::unique_ptr<TraceFile> create(const std::string& path);
  // The error stream, written line by line, since someone may be watching it as the game runs.
  static std::unique_ptr<TraceFile> errorStream();
  ~TraceFile();
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  void line(std::string_view cp1252) {
    // One byte may become three. The usual line fits the buffer's room and costs only its copy;
    // the error stream has no room, so each of its lines goes out at once.
    if (3 * cp1252.size() + 1 > room_ - used_) [[unlikely]] {
      lineWithoutRoom(cp1252);
      return;
    }
    char* end = writeCp1252AsUtf8(buffer_.get() + used_, cp1252);
    *end++ = '\n';
    used_ = static_cast<size_t>(end - buffer_.get());
  }
  void flush();
  // A loop traced for minutes writes gigabytes: past this many bytes the file gets a last line
  // saying it stopped, and nothing more. The check is made where the buffer goes out, never per line.
  void setLimit(unsigned long long bytes, std::string stopLine);
  // Sends log's lines here and flushes here when log is flushed, until this file is gone.
  void attach(TraceLog& log);

 private:
  TraceFile(int fd, bool owned, bool eachLine);
  void lineWithoutRoom(std::string_view cp1252);
  void writeAll(const char* data, size_t size);
  void writeUpToLimit(const char* data, size_t size);

  static constexpr size_t kBufferSize = 64 * 1024;
  int fd_;
  TraceLog* log_ = nullptr;
  bool owned_;
  bool eachLine_;
  bool failed_ = false;  // or stopped at the limit: nothing more is written
  unsigned long long limit_ = ~0ULL;
  unsigned long long written_ = 0;
  std::string stopLine_;  // UTF-8, with its line break
  std::unique_ptr<char[]> buffer_;
  size_t room_;  // what line() may fill: the buffer, or nothing for a file written line by line
  size_t used_ = 0;
};

}  // namespace taluvin
