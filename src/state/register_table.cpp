// Register access with the bounds check that turns a bad index into a run abort, and the budgets
// that keep the table and each register within memory.
#include "state/register_table.h"

#include "base/run_abort.h"

#include <algorithm>

namespace taluvin {

std::string registerCountError(long long count) {
  if (count <= kMaxRegisterCount) return {};
  return "register count " + std::to_string(count) + " is more than " + std::to_string(kMaxRegisterCount);
}

void RegisterTable::reset(int count) {
  values_.assign(static_cast<size_t>(std::clamp(count, 0, kMaxRegisterCount)) + 1, std::string());
}

bool RegisterTable::set(long long index, std::string value) {
  std::string& target = at(index);
  const bool fits = value.size() <= kMaxRegisterText;
  if (!fits) value.resize(kMaxRegisterText);
  target = std::move(value);
  return fits;
}

bool RegisterTable::append(long long index, std::string_view text) {
  std::string& target = at(index);
  const size_t room = kMaxRegisterText - std::min(target.size(), kMaxRegisterText);
  target.append(text.substr(0, room));
  return text.size() <= room;
}

Lines RegisterTable::load(const std::string& path) {
  LinesWithin file = readLinesWithin(path, size_t{kMaxRegisterCount} + 1, kMaxRegisterText);
  values_ = std::move(file.lines);
  return cutNotices(path, file, size_t{kMaxRegisterCount} + 1, kMaxRegisterText);
}

const std::string& RegisterTable::at(long long index) const {
  if (!has(index)) abortIndexOutOfBounds(index);
  return values_[static_cast<size_t>(index)];
}

std::string& RegisterTable::at(long long index) {
  if (!has(index)) abortIndexOutOfBounds(index);
  return values_[static_cast<size_t>(index)];
}

}  // namespace taluvin
