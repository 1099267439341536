// Register access with the bounds check that turns a bad index into a run abort.
#include "world/register_table.h"

#include "script/run_abort.h"

namespace taluvin {

const std::string& RegisterTable::at(long long index) const {
  if (!has(index)) abortIndexOutOfBounds(index);
  return values_[static_cast<size_t>(index)];
}

std::string& RegisterTable::at(long long index) {
  if (!has(index)) abortIndexOutOfBounds(index);
  return values_[static_cast<size_t>(index)];
}

}  // namespace taluvin
