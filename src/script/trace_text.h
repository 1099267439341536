// TraceText: the trace line being put together, which takes text only while someone reads the trace.
#pragma once

#include "script/trace_log.h"

#include <charconv>
#include <string>
#include <string_view>

namespace taluvin {

// Handlers append their echoes and markers to the line's trace on every line they run; without a
// sink those appends are one test each. Text that costs something to compute (a number written
// out, a concatenation) is computed only under `if (ip.Trace.on())`.
//
// A traced loop hands on a separator at every turn: a line that is a constant of the program is
// only pointed at, and copied only if something is added to it.
class TraceText {
 public:
  explicit TraceText(const TraceLog& log) : log_(&log) {}

  bool on() const { return log_->enabled(); }

  TraceText& operator+=(std::string_view more) {
    if (on()) own().append(more);
    return *this;
  }
  TraceText& operator+=(char c) {
    if (on()) own() += c;
    return *this;
  }
  // A number written out, in place: echoed operands cost no text of their own.
  TraceText& appendNumber(long long value) {
    if (on()) {
      char digits[24];
      const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
      own().append(digits, static_cast<size_t>(end - digits));
    }
    return *this;
  }
  TraceText& operator=(std::string_view text) {
    fixed_ = {};
    if (on()) added_.assign(text);
    else added_.clear();
    return *this;
  }
  // The trace becomes a constant of the program, which lives as long as the program.
  void startWith(const std::string& fixed) {
    added_.clear();
    fixed_ = on() ? fixed : std::string_view();
  }
  // Takes other's text, leaving other empty (and keeping the buffers of both).
  void takeFrom(TraceText& other) {
    fixed_ = other.fixed_;
    other.fixed_ = {};
    // Most lines hand on an empty trace or a separator: a swap would cost more than emptying.
    if (other.added_.empty()) {
      added_.clear();
      return;
    }
    added_.swap(other.added_);
    other.added_.clear();
  }
  // The line goes out to the trace's sink.
  void write() const { log_->line(fixed_.empty() ? std::string_view(added_) : fixed_); }

  void clear() {
    fixed_ = {};
    added_.clear();
  }
  bool empty() const { return fixed_.empty() && added_.empty(); }
  size_t size() const { return fixed_.empty() ? added_.size() : fixed_.size(); }
  void resize(size_t size) { own().resize(size); }
  // The helpers that clamp a number append their markers to a plain text; without a sink what
  // they append is dropped with the line.
  operator std::string&() { return own(); }

 private:
  std::string& own() {
    if (!fixed_.empty()) [[unlikely]] {
      added_.assign(fixed_);
      fixed_ = {};
    }
    return added_;
  }

  const TraceLog* log_;
  std::string_view fixed_;  // the line while it is a constant; added_ is empty meanwhile
  std::string added_;
};

}  // namespace taluvin
