// The map page on the real screen: thumbnails and their zones, revealing and saving the map,
// opening and closing the page, its refresh, dragging, and the marker's click.
#include "app/replay/replay_pointer.h"
#include "present/extra_pages.h"
#include "present/picture_file.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

// Every pixel tells where it lies, so a copied region shows which part of the map it came from.
QImage coordinateMap(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
  return image;
}

void writePicture(TestGame& game, const std::string& name, const QImage& image) {
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

void writeSolid(TestGame& game, const std::string& name, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  writePicture(game, name, image);
}

ReplayOutcome pointer(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&),
                      std::vector<std::string> args) {
  return action(game.player(), ReplayStep{0, "pointer", std::move(args)});
}

MapPage& mapPage(TestGame& game) { return screenOf(game).mapPage(); }
QString pageShown(TestGame& game) { return screenOf(game).gameBook()->currentPageName(); }

TEST(MapThumbnail, CopiesTheMapRegionInsideABlackFrameAndRemembersItsCorner) {
  TestGame game;
  writePicture(game, "mapa.bmp", coordinateMap(300, 200));
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "loadmap= mapa.bmp\n"
             "defpicmap= tel,10,10,20,15\n"
             "picmap= 5,7\n"
             "defpicmap= tel,100,50,20,15\n"
             "defpicmap= lugar,1,2,3,4\n"
             "picmap=\n");
  game.write("outra.scp", "picmap= ,9\n");
  game.start();
  EXPECT_TRUE(game.traced("   2: defpicmap= tel,10,10,20,15"));
  EXPECT_TRUE(game.traced("   3: picmap= 5,7"));
  EXPECT_TRUE(game.traced("   5: defpicmap= lugar <--- local inexistente"));
  EXPECT_TRUE(game.traced("   6: picmap= 5,7")) << "no arguments: the last corner";

  const QImage& tela = testing::pictureOf(game, "Tela");
  // The unknown target kept the thumbnail where the last good one put it.
  for (QPoint corner : {QPoint(10, 10), QPoint(100, 50)}) {
    EXPECT_EQ(tela.pixel(corner), qRgb(5, 7, 0)) << "the same region both times";
    EXPECT_EQ(tela.pixel(corner + QPoint(19, 14)), qRgb(24, 21, 0));
    EXPECT_EQ(tela.pixel(corner + QPoint(-1, -1)), qRgb(0, 0, 0)) << "frame";
    EXPECT_EQ(tela.pixel(corner + QPoint(20, 15)), qRgb(0, 0, 0)) << "frame";
    EXPECT_EQ(tela.pixel(corner + QPoint(21, 16)), qRgb(255, 255, 255)) << "nothing past the frame";
  }
  game.run("outra");
  EXPECT_TRUE(game.traced("   0: picmap= 5,9")) << "the corner is remembered from one run to the next";
  EXPECT_EQ(screenOf(game).pictureBuffer().image().pixel(100, 50), qRgb(5, 9, 0));
  game.run("start");

  const ZoneTable& zones = game.player().session().zones.table;
  for (int slot : {0, 1}) {
    EXPECT_TRUE(zones.slot(slot).active);
    EXPECT_EQ(zones.slot(slot).action, "picFmap");
    EXPECT_EQ(zones.slot(slot).cursorType, 1);
  }
  EXPECT_EQ(zones.slot(1).left, 100);
  EXPECT_EQ(zones.slot(1).top, 50);
  EXPECT_EQ(zones.slot(1).width, 20);
  EXPECT_EQ(zones.slot(1).height, 15);
}

TEST(MapThumbnail, ARegionPastTheMapDrawsOnlyWhatLiesOnIt) {
  TestGame game;
  writePicture(game, "mapa.bmp", coordinateMap(30, 20));
  game.write("start.scp",
             "clearbuf FFFFFF\n"
             "loadmap= mapa.bmp\n"
             "defpicmap= tel,10,10,20,15\n"
             "picmap= 20,-5\n");
  game.start();
  const QImage& tela = testing::pictureOf(game, "Tela");
  EXPECT_EQ(tela.pixel(10, 15), qRgb(20, 0, 0));
  EXPECT_EQ(tela.pixel(19, 24), qRgb(29, 9, 0));
  EXPECT_EQ(tela.pixel(10, 10), qRgb(255, 255, 255)) << "above the map: the surface's brush";
  EXPECT_EQ(tela.pixel(25, 20), qRgb(255, 255, 255)) << "right of the map";
}

TEST(MapThumbnail, TheTwentyFirstFrameThumbnailReusesTheFirstSlotAndItsClicksToggleTheMap) {
  TestGame game;
  writePicture(game, "mapa.bmp", coordinateMap(100, 100));
  game.settings({{25, "300"}, {44, "*"}});
  std::string script = "loadmap= mapa.bmp\n";
  for (int i = 0; i < 21; ++i) script += "defpicmap= pan," + std::to_string(5 + i * 10) + ",5,8,8\npicmap= 0,0\n";
  game.write("start.scp", script);
  game.start();
  const ZoneTable& zones = game.player().session().zones.table;
  EXPECT_EQ(zones.slot(40).left, 205);
  EXPECT_EQ(zones.slot(41).left, 15);
  EXPECT_EQ(zones.slot(59).left, 195);

  QLineEdit* input = screenOf(game).commandLine();
  ASSERT_FALSE(input->isHidden());
  const int height = screenOf(game).gameBook()->height();
  pointer(game, replayClick, {"20", "8", "Imp"});
  EXPECT_EQ(pageShown(game), "Mapa");
  EXPECT_TRUE(input->isHidden());
  pointer(game, replayClick, {"20", "8", "Imp"});
  EXPECT_EQ(pageShown(game), "1");
  EXPECT_FALSE(input->isHidden());
  EXPECT_EQ(screenOf(game).gameBook()->height(), height);
}

TEST(MapReveal, ThePieceIsPastedAndTheWholeMapSavedAsBmpForLoadmapToReadBack) {
  TestGame game;
  writeSolid(game, "mapa.bmp", 200, 120, 0xFF404040);
  QImage piece(10, 10, QImage::Format_RGB888);
  piece.fill(qRgb(0, 200, 0));
  piece.setPixel(0, 0, qRgb(255, 0, 255));
  writePicture(game, "sala.bmp", piece);
  game.write("start.scp",
             "loadmap= mapa.bmp\n"
             "addmap= 100,50,sala.bmp,revelado.bmp\n"
             "addmap= 10,10,nada.bmp,revelado.bmp\n"
             "addmap= 10,10,sala.bmp,../fora.bmp\n"
             "addmap= 10,10,sala.bmp,start.scp\n"
             "addmap= 10,10,sala.bmp,\n");
  game.write("abrir.scp", "loadmap= mapa.bmp\nloadmap= revelado.bmp\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: addmap= 100,50,sala.bmp,revelado.bmp"));
  EXPECT_TRUE(game.traced("   2: addmap= 10,10,nada.bmp <--- arquivo não encontrado"));
  EXPECT_TRUE(game.traced("   3: addmap= 10,10,sala.bmp <--- mapa não gravado"));
  EXPECT_TRUE(game.traced("   4: addmap= 10,10,sala.bmp <--- mapa não gravado"));
  EXPECT_TRUE(game.traced("   5: addmap= 10,10,sala.bmp <--- mapa não gravado"));
  EXPECT_FALSE(std::filesystem::exists(game.beside() + "fora.bmp"));
  EXPECT_EQ(game.read("start.scp").substr(0, 8), "loadmap=");

  const PictureLoad saved = loadPictureFile(game.folder() + "revelado.bmp");
  ASSERT_TRUE(saved.ok()) << saved.error;
  EXPECT_EQ(saved.image.size(), QSize(200, 120)) << "the whole map";
  EXPECT_EQ(saved.image.pixel(105, 55), qRgb(0, 200, 0));
  EXPECT_EQ(saved.image.pixel(100, 50), qRgb(64, 64, 64)) << "magenta lets the map through";
  EXPECT_EQ(saved.image.pixel(99, 55), qRgb(64, 64, 64));
  for (const auto& entry : std::filesystem::directory_iterator(game.folder()))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();

  game.run("abrir");
  const QImage& shown = mapPage(game).mapPicture->picture();
  EXPECT_EQ(shown.pixel(105, 55), qRgb(0, 200, 0));
  EXPECT_EQ(mapPage(game).mapPicture->size(), QSize(200, 120));

  // A map that cannot be read leaves the one shown, and a piece still lands on it.
  game.write("perdido.scp", "loadmap= sumiu.bmp\naddmap= 20,20,sala.bmp,revelado.bmp\n");
  game.run("perdido");
  EXPECT_EQ(mapPage(game).mapPicture->size(), QSize(200, 120));
  EXPECT_EQ(mapPage(game).mapPicture->picture().pixel(25, 25), qRgb(0, 200, 0));
  EXPECT_EQ(mapPage(game).mapPicture->picture().pixel(105, 55), qRgb(0, 200, 0));

  game.write("nenhum.scp", "loadmap=\n");
  game.run("nenhum");
  EXPECT_TRUE(mapPage(game).mapPicture->picture().isNull()) << "an empty name empties the map";
}

TEST(MapPageRefresh, PosmapTakesEffectAtTheEndOfTheRunAndEveryRunWhileThePageShows) {
  TestGame game;
  writePicture(game, "mapa.bmp", coordinateMap(1200, 900));
  game.write("start.scp",
             "loadmap= mapa.bmp\n"
             "showmap on\n"
             "posmap= 20,30,200,100\n");
  game.write("outra.scp", "fim\n");
  game.start();
  EXPECT_TRUE(game.traced("   2: posmap= 20,30,200,100"));
  MapPage& map = mapPage(game);
  EXPECT_EQ(pageShown(game), "Mapa");
  EXPECT_EQ(map.youAreHere->size(), QSize(29, 46)) << "the marker drawn by the program";
  EXPECT_EQ(map.scrollOffset(), QPoint(200, 100));
  EXPECT_EQ(map.youAreHere->pos(), QPoint(220, 130));

  // A drag moves both; the next run puts them back.
  pointer(game, replayPress, {"300", "300", "MapJog"});
  pointer(game, replayMove, {"280", "270", "MapJog"});
  pointer(game, replayRelease, {"280", "270", "MapJog"});
  EXPECT_EQ(map.scrollOffset(), QPoint(220, 130)) << "the map follows the pointer";
  pointer(game, replayPress, {"5", "5", "Voce"});
  pointer(game, replayMove, {"15", "25", "Voce"});
  EXPECT_EQ(map.youAreHere->pos(), QPoint(230, 150)) << "the marker follows the pointer";
  // Released away from the marker: no click, the page stays.
  pointer(game, replayRelease, {"100", "100", "Voce"});
  EXPECT_EQ(pageShown(game), "Mapa");
  game.run("outra");
  EXPECT_EQ(map.scrollOffset(), QPoint(200, 100));
  EXPECT_EQ(map.youAreHere->pos(), QPoint(220, 130));
}

TEST(MapPageRefresh, ASmallMapScrollsOnlyAsFarAsItReaches) {
  TestGame game;
  writePicture(game, "mapa.bmp", coordinateMap(700, 340));
  game.write("start.scp", "loadmap= mapa.bmp\nshowmap on\nposmap= 20,30,200,100\n");
  game.start();
  MapPage& map = mapPage(game);
  const QPoint scroll = map.scrollOffset();
  EXPECT_LT(scroll.x(), 200);
  EXPECT_LT(scroll.y(), 100);
  EXPECT_EQ(map.youAreHere->pos(), scroll + QPoint(20, 30));

  // Numbers at the ends of the integers draw and place what fits, and the game goes on.
  game.write("enorme.scp",
             "posmap= 2147483647,-2147483648,2147483647,2147483647\n"
             "defpicmap= tel,2147483647,5,2147483647,-2147483648\n"
             "picmap= -2147483648,2147483647\n"
             "addmap= 2147483647,2147483647,mapa.bmp,outro.bmp\n"
             "msg= ainda aqui\n");
  game.run("enorme");
  EXPECT_TRUE(game.traced("   3: addmap= 2147483647,2147483647,mapa.bmp,outro.bmp"));
  EXPECT_TRUE(game.traced("   4: msg= ainda..."));
  EXPECT_EQ(map.scrollOffset(), QPoint(map.mapScroll->horizontalScrollBar()->maximum(),
                                       map.mapScroll->verticalScrollBar()->maximum()));
}

TEST(MapPageRefresh, AMapSmallerThanTheViewLiesOnSilver) {
  TestGame game;
  writeSolid(game, "mapa.bmp", 100, 60, 0xFF204080);
  game.write("start.scp", "loadmap= mapa.bmp\nshowmap on\n");
  game.start();
  MapPage& map = mapPage(game);
  const QImage shot = map.mapScroll->grab().toImage();
  ASSERT_GT(shot.width(), 300);
  EXPECT_EQ(shot.pixel(60, 40), qRgb(0x20, 0x40, 0x80));
  EXPECT_EQ(shot.pixel(250, 200), qRgb(192, 192, 192));
}

TEST(MapPageOnOff, OffRestoresEachModelsLayout) {
  TestGame game;
  writeSolid(game, "mapa.bmp", 800, 600, 0xFF808080);
  writeSolid(game, "eu.bmp", 12, 20, 0xFF0000FF);
  game.settings({{25, "280"}, {35, "*"}, {44, "*"}, {37, "300"}, {39, "30"}, {24, "500"}});
  game.write("start.scp", "loadmap= mapa.bmp\nshowmap on,eu.bmp,40,50\n");
  game.write("fecha1.scp", "showmap off\n");
  game.write("abre2.scp", "modo= 2\nshowmap on\n");
  game.write("fecha2.scp", "showmap off\n");
  game.start();
  Screen& screen = screenOf(game);
  EXPECT_EQ(pageShown(game), "Mapa");
  EXPECT_TRUE(screen.commandLine()->isHidden());
  EXPECT_EQ(mapPage(game).youAreHere->size(), QSize(12, 20));
  EXPECT_EQ(mapPage(game).youAreHere->pos(), mapPage(game).scrollOffset() + QPoint(40, 50));

  game.run("fecha1");
  EXPECT_EQ(pageShown(game), "1");
  EXPECT_FALSE(screen.commandLine()->isHidden());
  EXPECT_FALSE(screen.messageStrip()->isHidden());
  EXPECT_EQ(screen.gameBook()->height(), 280);

  game.run("abre2");
  screen.commandLine()->show();
  game.run("fecha2");
  EXPECT_EQ(pageShown(game), "2");
  EXPECT_TRUE(screen.commandLine()->isHidden()) << "model 2 has no command line";
  EXPECT_EQ(screen.gameBook()->width(), 500);
  EXPECT_EQ(screen.gameBook()->height(), 330 - screen.gameBook()->y());
}

TEST(MapMarker, AClickLeavesTheMapForTheReturnScript) {
  TestGame game;
  writeSolid(game, "mapa.bmp", 800, 600, 0xFF808080);
  game.write("start.scp", "retscp= volta\nloadmap= mapa.bmp\nshowmap on,,10,10\n");
  game.write("volta.scp", "msg= de volta\n");
  game.start();
  ASSERT_EQ(pageShown(game), "Mapa");
  pointer(game, replayPress, {"5", "5", "Voce"});
  pointer(game, replayMove, {"25", "5", "Voce"});
  pointer(game, replayRelease, {"5", "5", "Voce"});
  EXPECT_TRUE(game.traced("Executando script: volta.scp"));
  EXPECT_EQ(pageShown(game), "1");
}

}  // namespace
}  // namespace taluvin
