// The hotspot reveal: Ctrl held outlines every active zone over the screen, never in a buffer.
#include "app/replay/replay_keys.h"
#include "present/main_window.h"
#include "present/screen.h"
#include "present/zone_reveal.h"
#include "state/game_session.h"
#include "support/event_wait.h"
#include "support/program_run.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QImage>
#include <gtest/gtest.h>

using taluvin::testing::runProgram;
using taluvin::testing::TestGame;
using taluvin::testing::waitUntil;
using taluvin::testing::writePicture;

namespace taluvin {
namespace {

const QRgb kEdge = qRgb(255, 221, 0);
const QRgb kInnerEdge = qRgb(0, 0, 0);
const QRgb kZoneColour = qRgb(40, 90, 200);

void key(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&), const std::string& name) {
  action(game.player(), ReplayStep{0, "key", {name}});
}

QImage windowShot(TestGame& game) { return game.player().mainWindow().grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A point of the picture screen in the main window's pixels.
QPoint onScreen(TestGame& game, int x, int y) {
  Screen& screen = game.player().mainWindow().screen();
  return screen.pictureScreen()->mapTo(&game.player().mainWindow(), QPoint(x, y));
}

// A zone of 40 x 30 on the picture screen at 10, 20 and one on the frame picture left of it.
void writeZoneGame(TestGame& game) {
  writePicture(game, "porta.bmp", 40, 30, kZoneColour);
  game.write("start.scp", "linktel= porta.bmp,sala,10,20\nlinkpainel= porta.bmp,sala,2,100,30,30\n");
  game.write("sala.scp", "fim\n");
  game.write("fechar.scp", "linksoff tel\n");
}

TEST(ZoneReveal, CtrlHeldOutlinesEveryActiveZoneOverTheScreenAndLeavesTheBuffersAlone) {
  TestGame game;
  writeZoneGame(game);
  game.start();
  Screen& screen = game.player().mainWindow().screen();
  const QImage before = windowShot(game);
  const QImage bufferBefore = screen.pictureBuffer().image();
  const QImage shownBefore = screen.pictureScreen()->picture();
  const QImage frameBefore = screen.framePicture()->picture();

  key(game, replayKeyDown, "Control");
  ASSERT_TRUE(game.player().zoneReveal().shown());
  const QImage revealed = windowShot(game);
  // The zone answers from 10 to 50 and from 20 to 50: the outline runs on those pixels.
  EXPECT_EQ(revealed.pixel(onScreen(game, 10, 20)), kEdge);
  EXPECT_EQ(revealed.pixel(onScreen(game, 50, 50)), kEdge);
  EXPECT_EQ(revealed.pixel(onScreen(game, 30, 50)), kEdge);
  EXPECT_EQ(revealed.pixel(onScreen(game, 11, 30)), kInnerEdge);
  EXPECT_EQ(revealed.pixel(onScreen(game, 30, 35)), kZoneColour) << "the inside stays visible";
  EXPECT_EQ(revealed.pixel(onScreen(game, 51, 35)), before.pixel(onScreen(game, 51, 35)));
  const QPoint frameZone = screen.framePicture()->mapTo(&game.player().mainWindow(), QPoint(2, 100));
  EXPECT_EQ(revealed.pixel(frameZone), kEdge) << "the frame picture's zones too";
  EXPECT_EQ(screen.pictureBuffer().image(), bufferBefore) << "nothing is drawn into a buffer";
  EXPECT_EQ(screen.pictureScreen()->picture(), shownBefore);
  EXPECT_EQ(screen.framePicture()->picture(), frameBefore);

  // A script run while Ctrl is held takes its zones away, and their outlines follow.
  game.run("fechar");
  EXPECT_TRUE(waitUntil([&] { return windowShot(game).pixel(onScreen(game, 10, 20)) != kEdge; }));
  EXPECT_EQ(windowShot(game).pixel(frameZone), kEdge) << "the frame picture's zones survive a run";

  key(game, replayKeyUp, "Control");
  EXPECT_FALSE(game.player().zoneReveal().shown());
  EXPECT_NE(windowShot(game).pixel(frameZone), kEdge);
  EXPECT_EQ(screen.framePicture()->picture(), frameBefore);
}

TEST(ZoneReveal, AShortcutWithCtrlHidesTheOutlinesUntilCtrlIsPressedAgain) {
  TestGame game;
  writeZoneGame(game);
  game.start();
  const QImage before = windowShot(game);
  key(game, replayKeyDown, "Control");
  ASSERT_TRUE(game.player().zoneReveal().shown());
  // A save's picture of the screen is taken on the shortcut's press: the outlines are gone by then.
  // (Ctrl+K stands for any shortcut; Ctrl+S itself would save a slot in the user's folder.)
  key(game, replayKeyDown, "Ctrl+K");
  EXPECT_FALSE(game.player().zoneReveal().shown());
  EXPECT_EQ(windowShot(game), before);
  key(game, replayKeyUp, "Ctrl+K");
  key(game, replayKeyUp, "Control");
  key(game, replayKey, "Ctrl+K");
  EXPECT_FALSE(game.player().zoneReveal().shown());
  key(game, replayKeyDown, "Ctrl");
  EXPECT_TRUE(game.player().zoneReveal().shown());
}

TEST(ZoneReveal, ReplayHoldsCtrlAndScreenshotsShowTheOutlinesAtTheWindowsScale) {
  TestGame game;
  writeZoneGame(game);
  const std::string f = game.folder();
  game.write("play.replay", "start\npress-key Control\nscreenshot " + f + "com.png\nscreenshot " + f +
                                "tela.png Tela\nrelease-key Control\nscreenshot " + f + "sem.png\nquit\n");
  auto run = runProgram({f, "--headless", "--scale", "2", "--replay", f + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage with(QString::fromStdString(f + "com.png"));
  const QImage without(QString::fromStdString(f + "sem.png"));
  ASSERT_EQ(with.size(), without.size());
  int outlined = 0;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x)
      if (with.pixel(x, y) != without.pixel(x, y)) {
        ++outlined;
        EXPECT_TRUE(with.pixel(x, y) == kEdge || with.pixel(x, y) == kInnerEdge) << x << "," << y;
      }
  // Both zones' outlines, each two device pixels wide, and nothing else.
  EXPECT_GT(outlined, 2 * 2 * (40 + 30));
  const QImage tela(QString::fromStdString(f + "tela.png"));
  EXPECT_EQ(tela.pixel(10, 20), kEdge) << "a surface screenshot shows the screen, outlines included";

  game.write("bad.replay", "press-key Ctrl+Bogus\n");
  auto bad = runProgram({f, "--headless", "--replay", f + "bad.replay"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("bad.replay:1: 'Ctrl+Bogus' is not a key name"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace taluvin
