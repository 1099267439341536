// Settings held as numbered lines: a line's index is its meaning.
#pragma once

#include "state/text_file.h"

#include <string>

namespace taluvin {

class Settings {
 public:
  // Files written back always hold at least this many lines (indices 0 to 100).
  static constexpr size_t kMinWrittenLines = 101;

  // A line the file does not have reads as empty, so short or missing files are ordinary.
  const std::string& line(size_t index) const {
    return index < lines_.size() ? lines_[index] : empty_();
  }
  bool isOn(size_t index) const { return line(index) == "*"; }
  void set(size_t index, std::string value);

  void load(const std::string& path) {
    lines_ = readLines(path);
    loaded_ = lines_;
  }
  void padForWriting();
  void save(const std::string& path) const { writeLines(path, lines_); }

  const Lines& lines() const { return lines_; }
  // The lines as the file held them when it was loaded, before any "defini=" changed one: such a
  // change lasts until the file is read again, so a save made while playing keeps these.
  const Lines& loadedLines() const { return loaded_; }
  void assign(Lines lines) { lines_ = std::move(lines); }

 private:
  static const std::string& empty_();
  Lines lines_;
  Lines loaded_;
};

}  // namespace taluvin
