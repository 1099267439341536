// "linksoff", "linkfunc=" and "click" as script lines: which zones they make, clear and draw.
#include "present/monitor_window.h"
#include "present/picture_file.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::screenOf;
using taluvin::testing::TestGame;
using taluvin::testing::kMagenta;
using taluvin::testing::writePicture;

namespace taluvin {
namespace {

const HotZone& slot(TestGame& game, int index) { return game.player().session().zones.table.slot(index); }

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

bool tracedStarting(TestGame& game, const std::string& prefix) {
  return std::any_of(game.trace().begin(), game.trace().end(),
                     [&](const std::string& line) { return startsWith(line, prefix); });
}

TEST(LinkRows, LinksoffLinesClearTheirOwnRangeAndLeaveTheOthers) {
  TestGame game;
  game.settings({{53, "*"}});
  game.write("start.scp",
             "linktel= a,s1,0,0,5,5\n"
             "linkfunc= f,s2,0,0,5,5\n"
             "linkpainel= p,s3,0,0,5,5\n"
             "linksoff tel\n");
  game.write("panel.scp",
             "linktel= b,s1,0,0,5,5\n"
             "linkfunc= g,s2,0,0,5,5\n"
             "linksoff fnc\n");
  game.write("frame.scp",
             "linktel= c,s1,0,0,5,5\n"
             "linksoff pan\n");
  game.write("all.scp",
             "linkpainel= q,s3,0,0,5,5\n"
             "linktel= d,s1,0,0,5,5\n"
             "mode= 3\n"
             "linktel= e,s4,0,0,5,5\n"
             "linksoff\n");
  game.start();
  EXPECT_TRUE(game.traced("   3: linksoff tel"));
  EXPECT_FALSE(slot(game, 0).active);
  EXPECT_TRUE(slot(game, 20).active);
  EXPECT_TRUE(slot(game, 40).active);

  game.run("panel");
  EXPECT_TRUE(slot(game, 0).active);
  EXPECT_FALSE(slot(game, 20).active);
  EXPECT_TRUE(slot(game, 40).active) << "frame zones outlive the run that made them";

  game.run("frame");
  EXPECT_TRUE(game.traced("   1: linksoff pan"));
  EXPECT_TRUE(slot(game, 0).active);
  EXPECT_FALSE(slot(game, 40).active);

  game.run("all");
  EXPECT_TRUE(game.traced("   4: linksoff "));
  EXPECT_EQ(slot(game, 60).firstValue, "e");
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(slot(game, i).active) << i;
}

TEST(LinkRows, LinkfuncDrawsOpaqueIntoThePanelAndMakesPanelZonesWhileThePanelShows) {
  TestGame game;
  game.settings({{53, "*"}});
  writePicture(game, "icone.bmp", 10, 10, 0xFF00FF00);
  game.write("start.scp",
             "clearfunc 0000FF\n"
             "linkfunc= Norte,sala2,5,5\n"
             "linkfunc= icone.bmp,sala3,40,5,20,20,,aberto.bmp,clk.wav\n"
             "linkfunc= sumido.bmp,sala4,80,5,10,10\n");
  game.write("strict.scp",
             "linkfunc= a,b,dez\n"
             "reg= 1,nunca\n");
  game.start();
  EXPECT_TRUE(tracedStarting(game, "   1: linkfunc= Norte,sala2,5,5,"));
  EXPECT_TRUE(game.traced("   2: linkfunc= icone.bmp,sala3,40,5,20,20,1,aberto.bmp,clk.wav"));
  const HotZone& text = slot(game, 20);
  EXPECT_TRUE(text.active);
  EXPECT_EQ(text.firstValue, "Norte");
  EXPECT_EQ(text.action, "sala2");
  EXPECT_GT(text.width, 10) << "a text zone takes the text's extent";
  const HotZone& icon = slot(game, 21);
  EXPECT_TRUE(icon.active);
  EXPECT_EQ(icon.action, "sala3");
  EXPECT_EQ(icon.secondValue, "aberto.bmp");
  EXPECT_EQ(icon.sound, "clk.wav");
  // The panel's file is not looked up first: a missing picture still makes its zone.
  EXPECT_TRUE(slot(game, 22).active);
  EXPECT_EQ(slot(game, 22).action, "sala4");
  EXPECT_EQ(slot(game, 0).active, false) << "the picture screen's slots are not used";

  // Stretched into 20 x 20 and opaque: the magenta corner is drawn too.
  const QImage& panel = pictureOf(game, "TelCmd");
  EXPECT_EQ(panel.pixel(40, 5), kMagenta);
  EXPECT_EQ(panel.pixel(59, 24), 0xFF00FF00u);
  EXPECT_EQ(panel.pixel(61, 26), 0xFF0000FFu);

  // Strict numbers end the run.
  game.run("strict");
  EXPECT_TRUE(game.traced("'dez' is not a valid integer value"));
  EXPECT_EQ(game.reg(1), "");
}

TEST(LinkRows, LinkfuncDoesNothingWhileThePanelIsHidden) {
  TestGame game;
  writePicture(game, "icone.bmp", 10, 10, 0xFF00FF00);
  game.write("start.scp",
             "clearfunc 0000FF\n"
             "linkfunc= icone.bmp,sala3,40,5\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: linkfunc= icone.bmp,sala3"));
  for (int i = 20; i < 40; ++i) EXPECT_FALSE(slot(game, i).active) << i;
  EXPECT_EQ(screenOf(game).panelBuffer().image().pixel(45, 10), 0xFF0000FFu);
}

TEST(LinkRows, ClickMakesScaledZonesOnTheMonitorInModel4Only) {
  TestGame game;
  writePicture(game, "porta.bmp", 8, 8, 0xFF00FF00);
  game.write("start.scp",
             "click porta.bmp,sala2,10,20,8,8\n"
             "click falta.bmp,sala2,10,20\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "cleartela 0000FF\n"
             "click porta.bmp,sala2,10,20,16,16\n"
             "savebuf\n"
             "click Sair,fim,100,40\n");
  // Without "savebuf" the run's end draws the buffer over the picture the zone put on the monitor.
  game.write("passa.scp",
             "cleartela 0000FF\n"
             "click porta.bmp,sala2,10,20,16,16\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: click porta.bmp,sala2"));
  EXPECT_TRUE(game.traced("   1: click falta.bmp <--- arquivo não existe"));
  for (int i = 0; i < 20; ++i) EXPECT_FALSE(slot(game, i).active) << i;

  game.run("monitor");
  const double scale = game.player().session().screen.monitor.scale;
  const auto scaled = [scale](int v) { return static_cast<int>(v * scale); };
  const HotZone& door = slot(game, 0);
  EXPECT_TRUE(door.active);
  EXPECT_EQ(door.action, "sala2");
  EXPECT_EQ(door.left, scaled(10));
  EXPECT_EQ(door.top, scaled(20));
  EXPECT_EQ(door.width, scaled(16));
  EXPECT_EQ(door.height, scaled(16));
  EXPECT_EQ(door.cursorType, 1);
  // Stretched into the zone on the monitor picture, magenta left out; "savebuf" kept it in the buffer,
  // which the run's end showed again.
  for (const QImage* monitor : {&screenOf(game).monitorBuffer().image(),
                                &game.player().monitorWindow().monitorPicture->picture()}) {
    EXPECT_EQ(monitor->pixel(door.left + door.width - 1, door.top + door.height - 1), 0xFF00FF00u);
    EXPECT_EQ(monitor->pixel(door.left, door.top), 0xFF0000FFu);
    EXPECT_EQ(monitor->pixel(door.left + door.width + 1, door.top), 0xFF0000FFu);
  }
  const HotZone& text = slot(game, 1);
  EXPECT_TRUE(text.active);
  EXPECT_EQ(text.firstValue, "Sair");
  EXPECT_EQ(text.left, scaled(100));
  EXPECT_GT(text.width, 0);

  game.run("passa");
  EXPECT_EQ(game.player().monitorWindow().monitorPicture->picture().pixel(door.left + door.width - 1,
                                                                           door.top + door.height - 1),
            0xFF0000FFu);
}

}  // namespace
}  // namespace taluvin
