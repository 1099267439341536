// TraceFile: where `--trace` writes, a file or the error stream, as UTF-8 lines.
#pragma once

#include "script/trace_log.h"

#include <memory>
#include <string>
#include <string_view>

namespace taluvin {

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

  void line(std::string_view cp1252);
  void flush();
  // Sends log's lines here and flushes here when log is flushed, until this file is gone.
  void attach(TraceLog& log);

 private:
  TraceFile(int fd, bool owned, bool eachLine);
  void lineWithoutRoom(std::string_view cp1252);
  void writeAll(const char* data, size_t size);

  static constexpr size_t kBufferSize = 64 * 1024;
  int fd_;
  TraceLog* log_ = nullptr;
  bool owned_;
  bool eachLine_;
  bool failed_ = false;
  std::unique_ptr<char[]> buffer_;
  size_t used_ = 0;
};

}  // namespace taluvin
