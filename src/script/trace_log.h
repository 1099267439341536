// The trace: one text line per executed script line, handed to a sink that may keep nothing.
#pragma once

#include "script/trace_file.h"

#include <functional>
#include <string>
#include <string_view>

namespace taluvin {

class TraceLog {
 public:
  using Sink = std::function<void(std::string_view)>;

  // Without a sink the trace costs one branch per line.
  void setSink(Sink sink) {
    sink_ = std::move(sink);
    listening_ = file_ || sink_;
  }
  // The program's trace file takes the lines straight, without a call through a std::function:
  // a traced loop hands it several lines per turn. A file set takes the place of any sink.
  void setFile(TraceFile* file) {
    file_ = file;
    listening_ = file_ || sink_;
  }
  bool enabled() const { return listening_; }
  void line(std::string_view text) const {
    if (file_) [[likely]]
      file_->line(text);
    else if (sink_)
      sink_(text);
  }
  // A sink that buffers (a file) is told to write out what it holds: after every run, so a crash or
  // a kill loses at most the lines of the run in progress.
  void setFlush(std::function<void()> flush) { flush_ = std::move(flush); }
  void flush() const {
    if (file_) file_->flush();
    else if (flush_) flush_();
  }

  // Line index written right-aligned in four characters (only its last four digits), then ": ".
  static void appendPrefix(std::string& out, int lineIndex);

 private:
  TraceFile* file_ = nullptr;
  Sink sink_;
  std::function<void()> flush_;
  bool listening_ = false;
};

}  // namespace taluvin
