// Picture commands on the real screen: every file kind, own-size placing, magenta, HUD, captions.
#include "present/main_window.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "state/game_session.h"
#include "support/test_game.h"
#include "support/test_pictures.h"
#include "picture_samples.h"

#include <QLabel>
#include <algorithm>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <png.h>

using taluvin::testing::solid;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

Screen& screen(TestGame& game) { return game.player().mainWindow().screen(); }

// One picture of each kind, 4 x 4, red, with a magenta top-left pixel where the kind allows it.
void writeEveryKind(TestGame& game) {
  QImage bmp = solid(4, 4, 0xFFFF0000);
  bmp.setPixel(0, 0, 0xFFFF00FF);
  ASSERT_TRUE(writeBmp(game.folder() + "cena.bmp", bmp));

  test::PngSample png;
  png.width = png.height = 4;
  png.colorType = PNG_COLOR_TYPE_RGB;
  for (int i = 0; i < 16; ++i) png.rows.insert(png.rows.end(), {0xFF, 0x00, static_cast<uint8_t>(i == 0 ? 0xFF : 0)});
  test::writePng(game.folder() + "cena.png", png);

  test::Bytes rgb;
  for (int i = 0; i < 16; ++i) rgb.insert(rgb.end(), {0xFF, 0x00, 0x00});
  test::writeJpeg(game.folder() + "cena.jpg", 4, 4, 3, rgb);

  test::GifFrame frame;
  frame.width = frame.height = 4;
  frame.indices.assign(16, 1);
  frame.indices[0] = 0;
  frame.transparentIndex = 0;
  test::writeGif(game.folder() + "cena.gif", 4, 4, {0x000000, 0xFF0000}, {frame});
}

TEST(PictureCommands, EveryKindShowsAtItsOwnSizeWithMagentaLeftOut) {
  TestGame game;
  writeEveryKind(game);
  game.write("grande.bmp", "");
  ASSERT_TRUE(writeBmp(game.folder() + "grande.bmp", solid(50, 50, 0xFF00FF00)));
  test::writeBytes(game.folder() + "quebrada.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0});
  game.write("start.scp",
             "clearbuf 0000FF\n"
             "display= grande.bmp,tel,200,0\n"
             "display= cena.bmp,tel,0,0,0,0\n"
             "display= cena.png,tel,10,0\n"
             "display= cena.jpg,tel,20,0\n"
             "display= cena.gif,tel,30,0\n"
             "display= quebrada.png,tel,40,0\n"
             "display= cena.bmp,xyz,0,0\n"
             "display= sumida.gif,tel\n"
             "display= ../fora.bmp,tel\n");
  game.start();
  EXPECT_TRUE(game.traced("   2: display= cena.bmp,tel,0,0,0,0"));
  EXPECT_TRUE(game.traced("   7: display= cena.bmp,xyz <--- não indicou o local tel/fnc/tel!"));
  EXPECT_TRUE(game.traced("   8: display= sumida.gif <--- arquivo inexistente!"));
  EXPECT_TRUE(game.traced("   9: display= ../fora.bmp <--- arquivo inexistente!"));
  const std::string broken = "   6: display= quebrada.png,tel,40,0,0,0 <--- imagem ilegível: ";
  EXPECT_TRUE(std::any_of(game.trace().begin(), game.trace().end(),
                          [&](const std::string& line) { return line.rfind(broken, 0) == 0; }));

  const QImage& pictureScreen = screen(game).pictureScreen()->picture();
  for (int x : {0, 10, 30}) {
    EXPECT_EQ(pictureScreen.pixel(x, 0), 0xFF0000FFu) << "magenta corner at " << x;
    EXPECT_EQ(pictureScreen.pixel(x + 3, 3), 0xFFFF0000u) << "own size, not the big picture's, at " << x;
    EXPECT_EQ(pictureScreen.pixel(x + 4, 4), 0xFF0000FFu) << x;
  }
  const QRgb jpeg = pictureScreen.pixel(22, 2);
  EXPECT_GT(qRed(jpeg), 200);
  EXPECT_LT(qGreen(jpeg), 60);
  // The broken file draws nothing, not the GIF still in the loading image.
  EXPECT_EQ(pictureScreen.pixel(43, 3), 0xFF0000FFu);
  EXPECT_EQ(pictureScreen.pixel(200, 0), 0xFF00FF00u);
}

TEST(PictureCommands, UnreadablePicturesAndObjectsWithoutOneDrawNothing) {
  TestGame game;
  writeEveryKind(game);
  for (const char* kind : {"png", "jpg", "bmp", "gif"}) {
    test::Bytes bytes = test::readBytes(game.folder() + "cena." + kind);
    bytes.resize(bytes.size() / 2);
    test::writeBytes(game.folder() + "cortada." + kind, bytes);
  }
  test::writeBytes(game.folder() + "lixo.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 'l', 'i', 'x', 'o'});
  ASSERT_TRUE(writeBmp(game.folder() + "verde.bmp", solid(6, 6, 0xFF00FF00)));
  game.writeLines("jogo.obz", {"chave", "mapa"});
  game.writeLines("jogo.obx", {"chave", "a chave", "", "jog", "verde.bmp", "", "", "",
                               "mapa", "o mapa", "", "jog", "", "", "", ""});
  // Each unreadable picture follows a readable one, which the loading image still holds.
  game.write("start.scp",
             "clearbuf 0000FF\n"
             "clearfunc 0000FF\n"
             "display= verde.bmp,tel,0,0\n"
             "display= cortada.png,tel,10,0\n"
             "display= verde.bmp,tel,0,0\n"
             "display= cortada.jpg,tel,20,0\n"
             "display= verde.bmp,tel,0,0\n"
             "display= cortada.bmp,tel,30,0\n"
             "display= verde.bmp,tel,0,0\n"
             "display= cortada.gif,tel,40,0\n"
             "display= verde.bmp,tel,0,0\n"
             "display= lixo.jpg,fnc,10,0\n"
             "dispobj= jog,tel,100,0,20,10,2\n"
             "display= verde.bmp,tel,0,0\n"
             "showobj= mapa,shp,tel,130,0,10,10\n");
  game.start();
  for (const char* kind : {"png", "jpg", "bmp", "gif"}) {
    const std::string reported = std::string("display= cortada.") + kind;
    EXPECT_TRUE(std::any_of(game.trace().begin(), game.trace().end(), [&](const std::string& line) {
      return line.find(reported) != std::string::npos && line.find(" <--- imagem ilegível: ") != std::string::npos;
    })) << kind << " must really be unreadable";
  }
  const QImage& pictureScreen = screen(game).pictureScreen()->picture();
  EXPECT_EQ(pictureScreen.pixel(2, 2), 0xFF00FF00u);
  for (int x : {10, 20, 30, 40}) EXPECT_EQ(pictureScreen.pixel(x + 2, 2), 0xFF0000FFu) << "picture at " << x;
  EXPECT_EQ(screen(game).panelPicture()->picture().pixel(12, 2), 0xFF0000FFu) << "panel";
  EXPECT_EQ(pictureScreen.pixel(105, 5), 0xFF00FF00u) << "the key's icon";
  EXPECT_EQ(pictureScreen.pixel(115, 5), 0xFF0000FFu) << "the map has no picture: its cell stays empty";
  EXPECT_EQ(pictureScreen.pixel(135, 5), 0xFF0000FFu) << "showobj= of an object without a picture";
}

TEST(PictureCommands, PanelAndFramePicturesAndStretching) {
  TestGame game;
  ASSERT_TRUE(writeBmp(game.folder() + "icone.bmp", solid(2, 2, 0xFF123456)));
  game.write("start.scp",
             "display= icone.bmp,pan,10,10,20,20\n"
             "display= icone.bmp,fnc,0,0,8,8\n"
             "display= icone.bmp,tel,0,0,2000000000,2000000000\n");
  game.start();
  const QImage& framePicture = screen(game).framePicture()->picture();
  EXPECT_EQ(framePicture.pixel(29, 29), 0xFF123456u);
  EXPECT_EQ(screen(game).panelPicture()->picture().pixel(7, 7), 0xFF123456u);
  // An absurd stretch covers the screen without allocating a picture of that size.
  EXPECT_EQ(screen(game).pictureScreen()->picture().pixel(300, 200), 0xFF123456u);
}

TEST(PictureCommands, HudNeedsAPictureAndIsDrawnAtItsPosition) {
  TestGame game;
  QImage hud = solid(3, 3, 0xFFFFFF00);
  hud.setPixel(1, 1, 0xFFFF00FF);
  ASSERT_TRUE(writeBmp(game.folder() + "hud.bmp", hud));
  game.write("start.scp", "hud= on\nhud=\nhud= nada.bmp\n");
  game.write("com.scp", "clearbuf 000000\nhud= hud.bmp\nhud= 5,6\nhud= on\n");
  game.write("sem.scp", "clearbuf 000000\nhud= off\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: hud=  <--- não tem arquivo hud instalado"));
  EXPECT_TRUE(game.traced("   1: hud=  <--- falta parâmetro"));
  EXPECT_TRUE(game.traced("   2: hud= nada.bmp <--- não existe este arquivo"));
  game.run("com");
  EXPECT_TRUE(game.traced("   2: hud= 5,6"));
  const QImage& pictureScreen = screen(game).pictureScreen()->picture();
  EXPECT_EQ(pictureScreen.pixel(5, 6), 0xFFFFFF00u);
  EXPECT_EQ(pictureScreen.pixel(6, 7), 0xFF000000u) << "the HUD's magenta is transparent";
  game.run("sem");
  EXPECT_EQ(screen(game).pictureScreen()->picture().pixel(5, 6), 0xFF000000u);
}

TEST(PictureCommands, CaptionShadowSitsUnderItOnlyWhenTheColoursMatch) {
  TestGame game;
  game.write("start.scp", "legenda= Olá,20,30,200,40,Arial,14,FFFFFF,000000\n");
  game.write("igual.scp", "legenda= Olá,20,30,200,40,Arial,14,FFFFFF,FFFFFF\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: legenda= Olá,20,30,Arial,14,14,FFFFFF,000000"));
  QLabel* caption = screen(game).caption();
  QLabel* captionShadow = screen(game).captionShadow();
  EXPECT_EQ(caption->geometry(), QRect(20, 30, 200, 40));
  EXPECT_EQ(captionShadow->geometry(), QRect(18, 32, 200, 40));
  EXPECT_EQ(caption->text(), QString::fromUtf8("Olá"));
  game.run("igual");
  EXPECT_EQ(captionShadow->geometry(), caption->geometry());
}

TEST(PictureCommands, CaptionAtTheEdgesOfTheIntRangeIsCutToTheBudgetAndTheRunGoesOn) {
  TestGame game;
  game.write("start.scp",
             "legenda= Longe,2147483647,-2147483648,2147483647,2147483647\n"
             "reg= 1,fim\n");
  game.start();
  const std::string marker = " <--- tamanho fora do limite: ";
  EXPECT_TRUE(game.traced("   0: legenda= Longe,2147483647,-2147483648,,1,1,," + marker + "2147483647" + marker +
                          "-2147483648" + marker + "2147483647" + marker + "2147483647"));
  EXPECT_EQ(screen(game).caption()->geometry(),
            QRect(kMaxCoordinate, -kMaxCoordinate, kMaxSurfaceSide, kMaxSurfaceSide));
  EXPECT_EQ(game.reg(1), "fim");
}

TEST(PictureCommands, ObjectGridFillsZonesWithObjectScriptsAndRotates) {
  TestGame game;
  ASSERT_TRUE(writeBmp(game.folder() + "obj.bmp", solid(8, 8, 0xFF884422)));
  std::vector<std::string> names, table;
  for (int i = 0; i < 21; ++i) {
    const std::string key = "obj" + std::string(i < 10 ? "0" : "") + std::to_string(i);
    names.push_back(key);
    for (const std::string& line : {key, std::string("Coisa"), std::string("Uma coisa."), std::string("jog"),
                                    std::string("obj.bmp"), std::string(), std::string(), std::string()})
      table.push_back(line);
  }
  game.writeLines("jogo.obz", names);
  game.writeLines("jogo.obx", table);
  game.write("start.scp", "dispobj= jog,tel,0,0,210,300,7\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: dispobj= jog,tel,0,0,210,300,7"));
  const ZoneTable& zones = game.player().session().zones.table;
  EXPECT_EQ(zones.slot(0).action, "obj20") << "the twenty-first icon reuses slot 0";
  EXPECT_EQ(zones.slot(1).action, "obj01");
  EXPECT_EQ(zones.slot(7).left, 0);
  EXPECT_EQ(zones.slot(7).top, 30);
  EXPECT_EQ(zones.slot(7).width, 30);
  EXPECT_EQ(screen(game).pictureScreen()->picture().pixel(29, 29), 0xFF884422u);
}

TEST(PictureCommands, ObjectTitleDescriptionAndPictureAndTextOnThePanel) {
  TestGame game;
  ASSERT_TRUE(writeBmp(game.folder() + "lamp.bmp", solid(4, 4, 0xFF3060A0)));
  game.writeLines("jogo.obz", {"lampiao"});
  game.writeLines("jogo.obx", {"lampiao", "um lampião", "Um lampião de latão.", "sala", "lamp.bmp", "", "", ""});
  game.write("start.scp",
             "clearfunc 000000\n"
             "showobj= lampiao,tit,msg\n"
             "showobj= lampiao,dsc,msg\n"
             "showobj= lampiao,shp,tel,20,20,10,10\n"
             "display= Olá,fnc,5,5,0,0,20,FFFFFF\n"
             "display= ,fnc\n"
             "display= Olá,lugar\n");
  game.start();
  const QString strip = screen(game).messageStrip()->toPlainText();
  EXPECT_TRUE(strip.contains(QString::fromUtf8("um lampião")));
  EXPECT_TRUE(strip.contains(QString::fromUtf8("Um lampião de latão.")));
  EXPECT_EQ(screen(game).pictureScreen()->picture().pixel(29, 29), 0xFF3060A0u) << "stretched into 10 x 10";
  EXPECT_TRUE(game.traced("   4: display= Olá,fnc,5,5"));
  EXPECT_TRUE(game.traced("   5: display=  <--- texto/frase inexistente!"));
  EXPECT_TRUE(game.traced("   6: display= Olá,lugar <--- não indicou o local tel/fnc/tel!"));
  const QImage& panel = screen(game).panelPicture()->picture();
  int white = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 5; x < 60; ++x) white += panel.pixel(x, y) == 0xFFFFFFFFu;
  EXPECT_GT(white, 10) << "the text was written in its colour";
}

}  // namespace
}  // namespace taluvin
