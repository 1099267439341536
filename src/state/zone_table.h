// ZoneTable: the 120 clickable rectangles every surface shares, and the pointer state around them.
#pragma once

#include "state/surface.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace taluvin {

struct HotZone {
  bool active = false;
  int left = 0, top = 0;
  int height = 0, width = 0;
  uint8_t cursorType = 0;
  std::string kind;         // visor elements only: "fig", "img", "txt" or "lnk"
  std::string firstValue;   // normal picture, or the label text
  std::string action;       // script name (with link parameters), web address, or "picFmap"
  std::string secondValue;  // pressed picture
  std::string sound;        // ".wav" played on press

  // Both edges count: a zone answers on width + 1 columns and height + 1 rows.
  bool contains(int x, int y) const {
    return active && x >= left && x <= left + width && y >= top && y <= top + height;
  }
};

struct ZoneRange {
  int first;
  int last;
};

// Each surface owns one range of slots, filled in rotation by the range's own counter. The monitor
// shares the picture screen's range and the memo the scroll page's.
class ZoneTable {
 public:
  static constexpr int kSlots = 120;

  static ZoneRange range(Surface surface);

  HotZone& slot(int index) { return slots_.at(static_cast<size_t>(index)); }
  const HotZone& slot(int index) const { return slots_.at(static_cast<size_t>(index)); }

  // The slot the surface's next zone goes into; the counter moves on, back to the range's start
  // after its last slot. The slot is cleared and left for the caller to fill and activate.
  int take(Surface surface);
  int nextSlot(Surface surface) const;

  // Every range but the frame picture's goes inactive and every counter restarts; the frame
  // picture's zones survive because they decorate the window, not a screen.
  void reset();
  // Inactive from first to last, counters untouched.
  void deactivate(int first, int last);

  // The highest active slot of the surface's range containing the point, or -1.
  int hitTest(Surface surface, int x, int y) const;

 private:
  std::array<HotZone, kSlots> slots_{};
  std::array<int, 5> counters_{0, 20, 40, 60, 100};
};

// What the pointer did last, shared by every surface of the main window.
struct PointerState {
  int hoveredZone = -1;
  int clickOffsetX = 0;
  int clickOffsetY = 0;
  // Press flag and position: a press outside every zone of the frame picture drags the window.
  bool pressed = false;
  int pressX = 0;
  int pressY = 0;
};

struct ZoneState {
  ZoneTable table;
  PointerState pointer;
  // The script a click on the picture screen or its caption runs; emptied at every script run.
  std::string screenScript;
  // Web addresses a click asked the desktop to open, kept when nothing may really be opened.
  std::vector<std::string> openedAddresses;

  // The active zone under the pointer, if any.
  const HotZone* hoveredZone() const {
    const int index = pointer.hoveredZone;
    if (index < 0) return nullptr;
    const HotZone& zone = table.slot(index);
    return zone.active ? &zone : nullptr;
  }

  // The reset at game opening, every script run and every display-model command.
  void resetZones() { table.reset(); }
  // A run starts with no picture-screen script and no half-finished press or window drag.
  void clearPointer() {
    screenScript.clear();
    pointer.pressed = false;
  }
};

}  // namespace taluvin
