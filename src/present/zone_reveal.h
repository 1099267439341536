// ZoneReveal: outlines of the active hot zones laid over the surfaces a player sees, never into a buffer.
#pragma once

#include "state/surface.h"

#include <QPointer>
#include <functional>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace taluvin {

class Screen;
class MonitorWindow;
class ZoneOutlines;
class CanvasView;

// One transparent layer per surface that holds zones, each a child of its surface so it moves,
// scrolls and is hidden with it; the pictures and buffers underneath are never touched.
class ZoneReveal {
 public:
  explicit ZoneReveal(Screen& screen);
  ~ZoneReveal();
  // The monitor window's surfaces, once the window is made.
  void addMonitor(MonitorWindow& monitor);

  void setShown(bool shown);
  bool shown() const { return shown_; }
  // The player's readable-text choice: white and black outlines, two pixels of black inside.
  void setHighContrast(bool on) { highContrast_ = on; }

 private:
  void follow();
  void add(QWidget* surface, Surface range, std::function<bool()> holds, CanvasView* visorView = nullptr);

  Screen* screen_;

  // Owned by their surfaces, which may go first when the program ends.
  std::vector<QPointer<ZoneOutlines>> layers_;
  // Scripts run and pages change while the outlines show: they are redrawn from the zone table.
  QTimer refresh_;
  bool shown_ = false;
  bool highContrast_ = false;
};

}  // namespace taluvin
