// The trace: one text line per executed script line, handed to a sink that may keep nothing.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace taluvin {

class TraceLog {
 public:
  using Sink = std::function<void(std::string_view)>;

  // Without a sink the trace costs one branch per line.
  void setSink(Sink sink) { sink_ = std::move(sink); }
  bool enabled() const { return static_cast<bool>(sink_); }
  void line(std::string_view text) const {
    if (sink_) sink_(text);
  }
  // A sink that buffers (a file) is told to write out what it holds: after every run, so a crash or
  // a kill loses at most the lines of the run in progress.
  void setFlush(std::function<void()> flush) { flush_ = std::move(flush); }
  void flush() const {
    if (flush_) flush_();
  }

  // Line index written right-aligned in four characters (only its last four digits), then ": ".
  static void appendPrefix(std::string& out, int lineIndex);

 private:
  Sink sink_;
  std::function<void()> flush_;
};

}  // namespace taluvin
