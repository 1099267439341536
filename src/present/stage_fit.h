// StageFit: the main window filling the screen, its game stage scaled up and centred on black.
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace taluvin {

class MainWindow;

// The factor at which a stage of that size fills a screen of that many device pixels with its
// aspect kept. A whole factor is taken instead when it comes within kWholeFactorShare of the
// filling one: pictures then stay sharp blocks of pixels for a sliver more of black.
double fillingFactor(QSize stage, QSize screenPixels);
inline constexpr double kWholeFactorShare = 0.97;

// Qt's factor for every window, changed while windows exist. Qt only expects it to be set before
// the first window and warns about it; the windows are rescaled all the same, and that one warning
// is not passed on.
void setWindowScaleFactor(double factor);

// Owned by the main window. Full screen, Qt's factor is the filling factor, so the game's widgets
// keep their design sizes and coordinates; the window itself is the whole screen, the stage (the
// outer book, all the game draws in) sits in its middle and the rest is painted black by the
// window, never by a game surface. The frame picture's shape moves from the window to the stage,
// so its magenta holes show black instead of the desktop.
class StageFit : public QObject {
  Q_OBJECT
 public:
  // windowedFactor: Qt's factor for the window when it is not full screen.
  StageFit(MainWindow& window, double windowedFactor);

  bool fullscreen() const { return fullscreen_; }
  double windowedFactor() const { return windowedFactor_; }

  // Full screen on the screen the window is on.
  void enter();
  // The same layout for a screen of that many device pixels, without asking the window system
  // for full screen (what a benchmark on the offscreen platform can measure).
  void fitInto(QSize screenPixels);
  // Back to the window at the windowed factor, centred on the screen.
  void leave();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeStage();
  // The game resized its content (settings lines 11 and 12, a new frame picture) or shaped the
  // window while full screen: the layout is made again once the game's own steps are over.
  void refitLater();
  void refit();

  MainWindow& window_;
  double windowedFactor_;
  double currentGlobalFactor_ = windowedFactor_;
  bool fullscreen_ = false;
  bool refitQueued_ = false;
  QSize screenPixels_;
};

}  // namespace taluvin
