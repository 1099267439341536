// ZoneReveal: outlines of the active hot zones laid over the surfaces a player sees, never into a buffer.
#pragma once

#include <QPointer>
#include <QTimer>
#include <vector>

namespace taluvin {

class Screen;
class MonitorWindow;
class ZoneOutlines;

// One transparent layer per surface that holds zones, each a child of its surface so it moves,
// scrolls and is hidden with it; the pictures and buffers underneath are never touched.
class ZoneReveal {
 public:
  ZoneReveal(Screen& screen, MonitorWindow& monitor);
  ~ZoneReveal();

  void setShown(bool shown);
  bool shown() const { return shown_; }

 private:
  void follow();

  // Owned by their surfaces, which may go first when the program ends.
  std::vector<QPointer<ZoneOutlines>> layers_;
  // Scripts run and pages change while the outlines show: they are redrawn from the zone table.
  QTimer refresh_;
  bool shown_ = false;
};

}  // namespace taluvin
