// SharedLines: text lines several holders read without a copy; they change only as a whole.
#pragma once

#include "state/text_file.h"

#include <memory>
#include <utility>

namespace taluvin {

// The loaded script's lines are also held by the script cache and by the parsed form of the
// script; loading one again hands the same lines on instead of copying them. Whoever holds the
// pointer can tell by comparing it whether the lines are still the ones it knows.
class SharedLines {
 public:
  SharedLines() : lines_(none()) {}
  SharedLines& operator=(Lines lines) {
    lines_ = std::make_shared<const Lines>(std::move(lines));
    return *this;
  }
  void share(std::shared_ptr<const Lines> lines) { lines_ = lines ? std::move(lines) : none(); }
  const std::shared_ptr<const Lines>& shared() const { return lines_; }

  const Lines& lines() const { return *lines_; }
  operator const Lines&() const { return *lines_; }
  size_t size() const { return lines_->size(); }
  bool empty() const { return lines_->empty(); }
  const std::string& operator[](size_t i) const { return (*lines_)[i]; }
  const std::string& front() const { return lines_->front(); }
  Lines::const_iterator begin() const { return lines_->begin(); }
  Lines::const_iterator end() const { return lines_->end(); }
  void clear() { lines_ = none(); }

 private:
  static const std::shared_ptr<const Lines>& none() {
    static const std::shared_ptr<const Lines> empty = std::make_shared<const Lines>();
    return empty;
  }
  std::shared_ptr<const Lines> lines_;
};

}  // namespace taluvin
