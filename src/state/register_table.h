// The numbered text registers scripts keep their variables in.
#pragma once

#include "state/text_file.h"

#include <string>
#include <string_view>

namespace taluvin {

// A register count above this is taken as this; no game needs more, and each register costs memory
// even while empty.
constexpr int kMaxRegisterCount = 1'000'000;
// No register holds more text than this (1 MB): what goes past it is cut off.
constexpr size_t kMaxRegisterText = size_t{1} << 20;

// Why a register count is more than the table takes ("register count 2147483647 is more than
// 1000000"), or empty when it fits.
std::string registerCountError(long long count);

class RegisterTable {
 public:
  // A fresh table for a register count N holds registers 0 to N, all empty.
  void reset(int count);

  size_t size() const { return values_.size(); }
  bool has(long long index) const { return index >= 0 && static_cast<size_t>(index) < values_.size(); }

  // Reading or writing a register the table lacks aborts the run; nothing outside the table is touched.
  const std::string& at(long long index) const;
  std::string& at(long long index);
  // Writing keeps a register within kMaxRegisterText, cutting the text off there; both return
  // false when they cut.
  bool set(long long index, std::string value);
  bool append(long long index, std::string_view text);

  // A register file longer than the largest table, or with lines longer than a register holds,
  // is cut to fit; the returned lines say what was cut.
  Lines load(const std::string& path);
  void save(const std::string& path) const { writeLines(path, values_); }
  const Lines& lines() const { return values_; }
  void assign(Lines values) { values_ = std::move(values); }

 private:
  Lines values_;
};

}  // namespace taluvin
