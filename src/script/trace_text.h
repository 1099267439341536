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
    constant_ = {};
    if (on()) text_.assign(text);
    else text_.clear();
    return *this;
  }
  // The trace becomes a constant of the program, which lives as long as the program.
  void startWith(const std::string& constant) {
    text_.clear();
    constant_ = on() ? std::string_view(constant) : std::string_view();
  }
  // Takes other's text, leaving other empty (and keeping the buffers of both).
  void takeFrom(TraceText& other) {
    constant_ = other.constant_;
    other.constant_ = {};
    // Most lines hand on an empty trace or a separator: a swap would cost more than emptying.
    if (other.text_.empty()) {
      text_.clear();
      return;
    }
    text_.swap(other.text_);
    other.text_.clear();
  }
  // The line goes out to the trace's sink.
  void write() const { log_->line(constant_.empty() ? std::string_view(text_) : constant_); }

  void clear() {
    constant_ = {};
    text_.clear();
  }
  bool empty() const { return constant_.empty() && text_.empty(); }
  size_t size() const { return constant_.empty() ? text_.size() : constant_.size(); }
  void resize(size_t size) { own().resize(size); }
  // The helpers that clamp a number append their markers to a plain text; without a sink what
  // they append is dropped with the line.
  operator std::string&() { return own(); }

 private:
  std::string& own() {
    if (!constant_.empty()) [[unlikely]] {
      text_.assign(constant_);
      constant_ = {};
    }
    return text_;
  }

  const TraceLog* log_;
  std::string_view constant_;  // the line while it is a constant; text_ is empty meanwhile
  std::string text_;
};

}  // namespace taluvin
