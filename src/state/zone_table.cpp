// Slot ranges, rotation counters, reset and hit testing of the zone table.
#include "state/zone_table.h"

namespace taluvin {

namespace {

constexpr std::array<ZoneRange, 5> kRanges{{{0, 19}, {20, 39}, {40, 59}, {60, 99}, {100, 119}}};

}  // namespace

ZoneRange ZoneTable::range(ZoneGroup group) { return kRanges[static_cast<size_t>(group)]; }

int ZoneTable::take(ZoneGroup group) {
  const ZoneRange r = range(group);
  int& counter = counters_[static_cast<size_t>(group)];
  if (counter < r.first || counter > r.last) counter = r.first;
  const int index = counter;
  counter = index == r.last ? r.first : index + 1;
  slots_[static_cast<size_t>(index)] = HotZone{};
  return index;
}

void ZoneTable::reset() {
  deactivate(0, 39);
  deactivate(60, kSlots - 1);
  for (size_t g = 0; g < kRanges.size(); ++g) counters_[g] = kRanges[g].first;
}

void ZoneTable::deactivate(int first, int last) {
  for (int i = first; i <= last && i < kSlots; ++i)
    if (i >= 0) slots_[static_cast<size_t>(i)].active = false;
}

int ZoneTable::hitTest(ZoneGroup group, int x, int y) const {
  const ZoneRange r = range(group);
  for (int i = r.last; i >= r.first; --i)
    if (slots_[static_cast<size_t>(i)].contains(x, y)) return i;
  return -1;
}

}  // namespace taluvin
