// Slot ranges, rotation counters, reset and hit testing of the zone table.
#include "state/zone_table.h"

namespace taluvin {

namespace {

// Picture screen and monitor, command panel, frame picture, scroll page and memo, visor.
constexpr std::array<ZoneRange, 5> kRanges{{{0, 19}, {20, 39}, {40, 59}, {60, 99}, {100, 119}}};

size_t rangeOf(Surface surface) {
  switch (surface) {
    case Surface::PictureScreen:
    case Surface::Monitor: return 0;
    case Surface::CommandPanel: return 1;
    case Surface::FramePicture: return 2;
    case Surface::ScrollPage:
    case Surface::Memo: return 3;
    case Surface::Visor: return 4;
  }
  return 0;
}

}  // namespace

ZoneRange ZoneTable::range(Surface surface) { return kRanges[rangeOf(surface)]; }

int ZoneTable::nextSlot(Surface surface) const { return counters_[rangeOf(surface)]; }

int ZoneTable::take(Surface surface) {
  const ZoneRange r = range(surface);
  int& counter = counters_[rangeOf(surface)];
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

int ZoneTable::hitTest(Surface surface, int x, int y) const {
  const ZoneRange r = range(surface);
  for (int i = r.last; i >= r.first; --i)
    if (slots_[static_cast<size_t>(i)].contains(x, y)) return i;
  return -1;
}

}  // namespace taluvin
