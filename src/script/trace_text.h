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
class TraceText {
 public:
  explicit TraceText(const TraceLog& log) : log_(&log) {}

  bool on() const { return log_->enabled(); }

  TraceText& operator+=(std::string_view more) {
    if (on()) text_ += more;
    return *this;
  }
  TraceText& operator+=(char c) {
    if (on()) text_ += c;
    return *this;
  }
  // A number written out, in place: echoed operands cost no text of their own.
  TraceText& appendNumber(long long value) {
    if (on()) {
      char digits[24];
      const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
      text_.append(digits, static_cast<size_t>(end - digits));
    }
    return *this;
  }
  TraceText& operator=(std::string_view text) {
    if (on()) text_.assign(text);
    else text_.clear();
    return *this;
  }
  // Takes other's text, leaving other empty (and keeping the buffers of both).
  void takeFrom(TraceText& other) {
    text_.swap(other.text_);
    other.text_.clear();
  }

  void clear() { text_.clear(); }
  bool empty() const { return text_.empty(); }
  size_t size() const { return text_.size(); }
  void resize(size_t size) { text_.resize(size); }
  // The helpers that clamp a number append their markers to a plain text; without a sink what
  // they append is dropped with the line.
  operator std::string&() { return text_; }
  const std::string& str() const { return text_; }
  operator std::string_view() const { return text_; }

 private:
  const TraceLog* log_;
  std::string text_;
};

}  // namespace taluvin
