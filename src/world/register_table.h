// The numbered text registers scripts keep their variables in.
#pragma once

#include "state/text_file.h"

#include <string>

namespace taluvin {

class RegisterTable {
 public:
  // A fresh table for a register count N holds registers 0 to N, all empty.
  void reset(int count) { values_.assign(count < 0 ? 1 : static_cast<size_t>(count) + 1, std::string()); }

  size_t size() const { return values_.size(); }
  bool has(long long index) const { return index >= 0 && static_cast<size_t>(index) < values_.size(); }

  // Reading or writing a register the table lacks aborts the run; nothing outside the table is touched.
  const std::string& at(long long index) const;
  std::string& at(long long index);
  void set(long long index, std::string value) { at(index) = std::move(value); }

  void load(const std::string& path) { values_ = readLines(path); }
  bool save(const std::string& path) const { return writeLines(path, values_); }
  const Lines& lines() const { return values_; }
  void assign(Lines values) { values_ = std::move(values); }

 private:
  Lines values_;
};

}  // namespace taluvin
