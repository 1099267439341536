// FirstUse: a part made the first time it is asked for, and the work that waits until it is.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace taluvin {

// Parts few games use (a page, a text box, a view) are made when first asked for rather than at
// every start. Work to be done on a part once it exists, such as connecting its handlers, waits
// here; the part is owned elsewhere (by its parent widget, or by whoever make stores it in).
template <class Part>
class FirstUse {
 public:
  explicit FirstUse(std::function<Part*()> make) : make_(std::move(make)) {}

  Part& get() {
    if (!part_) {
      part_ = make_();
      for (const auto& work : waiting_) work(*part_);
      waiting_.clear();
    }
    return *part_;
  }
  // The part if it has been made, else null.
  Part* ifMade() const { return part_; }
  // Runs work on the part once it is made: at once if it is.
  void whenMade(std::function<void(Part&)> work) {
    if (part_)
      work(*part_);
    else
      waiting_.push_back(std::move(work));
  }

 private:
  std::function<Part*()> make_;
  Part* part_ = nullptr;
  std::vector<std::function<void(Part&)>> waiting_;
};

}  // namespace taluvin
