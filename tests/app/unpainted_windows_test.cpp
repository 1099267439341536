// Under --headless the player's windows are shown to Qt but never painted; what screenshots see is
// unchanged.
#include "app/player/unpainted_windows.h"
#include "present/monitor_window.h"
#include "support/event_wait.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QWindow>
#include <gtest/gtest.h>

using taluvin::testing::named;
using taluvin::testing::TestGame;
using taluvin::testing::waitUntil;

namespace taluvin {
namespace {

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Events queued by the show (expose, update requests, the paints they would bring) all handled.
void letShownWindowSettle(QWidget& window) {
  ASSERT_TRUE(waitUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

void writeRedRoom(TestGame& game) {
  game.write("start.scp",
             "cleartela FF0000\n"
             "msg= ola\n");
}

TEST(UnpaintedWindows, AHeadlessPlayerPaintsNothingYetScreenshotsShowWhatAPaintedOneShows) {
  TestGame painted;
  writeRedRoom(painted);
  painted.start();
  auto* paintedCounter = new PaintCounter(named(painted, "Tela"));
  named(painted, "Tela")->update();
  // The yardstick: a player left alone does paint, so a count of none below means something.
  ASSERT_TRUE(waitUntil([&] { return paintedCounter->paints > 0; }));

  TestGame unpainted;
  writeRedRoom(unpainted);
  unpainted.player().leaveWindowsUnpainted();
  auto* mainCounter = new PaintCounter(&unpainted.player().mainWindow());
  auto* telaCounter = new PaintCounter(named(unpainted, "Tela"));
  unpainted.start();
  QWidget& window = unpainted.player().mainWindow();
  letShownWindowSettle(window);
  named(unpainted, "Tela")->update();
  window.repaint();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(mainCounter->paints, 0);
  EXPECT_EQ(telaCounter->paints, 0);

  // Shown as far as the game and the player's actions can tell.
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(named(unpainted, "Tela")->isVisible());
  EXPECT_EQ(window.size(), painted.player().mainWindow().size());

  const QImage shot = window.grab().toImage();
  EXPECT_EQ(shot, painted.player().mainWindow().grab().toImage());
  const QPoint tela = named(unpainted, "Tela")->mapTo(&window, QPoint(3, 3));
  EXPECT_EQ(shot.pixel(tela), 0xFFFF0000u);
}

TEST(UnpaintedWindows, TheMonitorWindowMadeLaterIsLeftUnpaintedToo) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "cleartela 0000FF\n");
  game.player().leaveWindowsUnpainted();
  game.start();
  ASSERT_EQ(game.player().madeMonitor(), nullptr);
  game.run("monitor");
  MonitorWindow& monitor = game.player().monitorWindow();
  ASSERT_TRUE(monitor.isVisible());
  auto* counter = new PaintCounter(&monitor);
  auto* pictureCounter = new PaintCounter(monitor.monitorPicture);
  letShownWindowSettle(monitor);
  monitor.repaint();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_EQ(counter->paints, 0);
  EXPECT_EQ(pictureCounter->paints, 0);
  const QImage shot = monitor.monitorPicture->grab().toImage();
  EXPECT_EQ(shot.pixel(shot.width() / 2, shot.height() / 2), 0xFF0000FFu);
}

}  // namespace
}  // namespace taluvin
