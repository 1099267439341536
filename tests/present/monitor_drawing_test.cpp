// Drawing on the monitor of model "4": shapes and the icon grid, scaled to the monitor window.
#include "present/picture_file.h"
#include "picture_samples.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <png.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

const HotZone& slot(TestGame& game, int index) { return game.player().session().zones.table.slot(index); }

int scaled(TestGame& game, int v) { return static_cast<int>(v * game.player().session().screen.monitor.scale); }

bool tracedBetween(TestGame& game, const std::string& prefix, const std::string& suffix) {
  for (const std::string& line : game.trace())
    if (line.size() >= prefix.size() + suffix.size() && line.rfind(prefix, 0) == 0 &&
        line.compare(line.size() - suffix.size(), suffix.size(), suffix) == 0)
      return true;
  return false;
}

void writeRedPng(TestGame& game, const std::string& name) {
  test::PngSample png;
  png.width = png.height = 4;
  png.colorType = PNG_COLOR_TYPE_RGB;
  for (int i = 0; i < 16; ++i) png.rows.insert(png.rows.end(), {0xFF, 0x00, 0x00});
  test::writePng(game.folder() + name, png);
}

TEST(MonitorDrawing, ShapeDrawsPicturesAndTextsOnTheMonitorAndLinksThemToAScript) {
  TestGame game;
  writeRedPng(game, "p.png");
  game.write("start.scp",
             "mode= 4\n"
             "cleartela 0000FF\n"
             "shape=\n"
             "shape= falta.png,0,0\n"
             "shape= p.png,10,20,30,40,sala2,luz.png\n"
             "shape= p.png,200,20\n");
  game.write("text.scp", "shape= Olá,300,200\n");
  game.start();
  EXPECT_TRUE(tracedBetween(game, "   2: shape=", " <--- informe nome do shape/texto"));
  EXPECT_TRUE(tracedBetween(game, "   3: shape=", " <--- arquivo inexistente!"));

  const HotZone& zone = slot(game, 0);
  EXPECT_TRUE(zone.active);
  EXPECT_EQ(zone.firstValue, "p.png");
  EXPECT_EQ(zone.action, "sala2");
  EXPECT_EQ(zone.secondValue, "luz.png");
  EXPECT_EQ(zone.cursorType, 1);
  EXPECT_EQ(zone.left, scaled(game, 10));
  EXPECT_EQ(zone.top, scaled(game, 20));
  EXPECT_EQ(zone.width, scaled(game, 30));
  EXPECT_EQ(zone.height, scaled(game, 40));
  EXPECT_FALSE(slot(game, 1).active) << "a shape without a script makes no zone";

  const QImage& monitor = screenOf(game).monitorBuffer().image();
  // Stretched into the zone.
  EXPECT_EQ(monitor.pixel(zone.left, zone.top), 0xFFFF0000u);
  EXPECT_EQ(monitor.pixel(zone.left + zone.width - 1, zone.top + zone.height - 1), 0xFFFF0000u);
  EXPECT_EQ(monitor.pixel(zone.left + zone.width + 1, zone.top), 0xFF0000FFu);
  // Without a size, the picture's own size, scaled.
  const int own = scaled(game, 4);
  EXPECT_EQ(monitor.pixel(scaled(game, 200) + own - 1, scaled(game, 20)), 0xFFFF0000u);
  EXPECT_EQ(monitor.pixel(scaled(game, 200) + own + 1, scaled(game, 20)), 0xFF0000FFu);

  // Any other name is written as text where the position says.
  const QImage before = monitor.copy();
  game.run("text");
  const QRect around(scaled(game, 300), scaled(game, 200), 60, 30);
  EXPECT_NE(monitor.copy(around), before.copy(around));
  EXPECT_EQ(monitor.copy(0, 0, 100, 100), before.copy(0, 0, 100, 100));
}

TEST(MonitorDrawing, IconGridCellsOnTheMonitorAreOnePixelLargerThanTheScaledCell) {
  TestGame game;
  QImage icon(8, 8, QImage::Format_RGB888);
  icon.fill(0xFF884422);
  ASSERT_TRUE(writeBmp(game.folder() + "obj.bmp", icon));
  std::vector<std::string> table;
  for (const char* key : {"obj1", "obj2", "obj3", "obj4"})
    for (const std::string& line : {std::string(key), std::string("Coisa"), std::string("Uma coisa."),
                                    std::string("jog"), std::string("obj.bmp"), std::string(), std::string(),
                                    std::string()})
      table.push_back(line);
  game.writeLines("jogo.obz", {"obj1", "obj2", "obj3", "obj4"});
  game.writeLines("jogo.obx", table);
  game.write("start.scp", "dispobj= jog,tel,0,0,60,60,3\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "cleartela 0000FF\n"
             "dispobj= jog,tel,10,10,60,60,3\n");
  game.start();
  // On the picture screen a cell is width div columns.
  EXPECT_EQ(slot(game, 1).left, 20);
  EXPECT_EQ(slot(game, 1).width, 20);
  EXPECT_EQ(slot(game, 3).top, 20);

  game.run("monitor");
  EXPECT_TRUE(game.traced("   2: dispobj= jog,tel,10,10,60,60,3"));
  const int cell = scaled(game, 20) + 1;
  const int origin = scaled(game, 10);
  EXPECT_EQ(slot(game, 0).left, origin);
  EXPECT_EQ(slot(game, 0).width, cell);
  EXPECT_EQ(slot(game, 0).height, cell);
  EXPECT_EQ(slot(game, 1).left, origin + cell);
  EXPECT_EQ(slot(game, 1).action, "obj2");
  EXPECT_EQ(slot(game, 3).left, origin);
  EXPECT_EQ(slot(game, 3).top, origin + cell) << "the fourth icon starts the second row";
  const QImage& monitor = screenOf(game).monitorBuffer().image();
  EXPECT_EQ(monitor.pixel(origin + cell - 1, origin + cell - 1), 0xFF884422u);
  EXPECT_EQ(monitor.pixel(origin + 3 * cell - 1, origin), 0xFF884422u);
  EXPECT_EQ(monitor.pixel(origin + 3 * cell, origin), 0xFF0000FFu);
  EXPECT_EQ(monitor.pixel(origin - 1, origin), 0xFF0000FFu);
}

}  // namespace
}  // namespace taluvin
