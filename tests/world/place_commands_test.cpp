// Places and exits: the current place, the eight exits and their aliases, the conditions on them,
// the panel link an exit makes, and the place picture in every screen model.
#include "app/replay/replay_pointer.h"
#include "present/picture_samples.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

bool tracedStarting(const TestGame& game, const std::string& prefix) {
  return std::any_of(game.trace().begin(), game.trace().end(),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

// A red picture of the given size.
void writeRedPng(TestGame& game, const std::string& name, int width, int height) {
  test::PngSample png;
  png.width = width;
  png.height = height;
  png.colorType = PNG_COLOR_TYPE_RGB;
  for (int i = 0; i < width * height; ++i) png.rows.insert(png.rows.end(), {0xFF, 0x00, 0x00});
  test::writePng(game.folder() + name, png);
}

const QColor kRed(255, 0, 0);

TEST(PlaceCommands, ExitsAreSetByEveryKeywordAndReachedThroughTheirAliases) {
  TestGame game;
  game.write("start.scp",
             "norte= n1\n"
             "sul= s1\n"
             "leste= e1\n"
             "oeste= w1\n"
             "entrar= i1\n"
             "sair= o1\n"
             "subir= u1\n"
             "descer= d1\n"
             "getdir 1,norte\n"
             "getdir 2,descer\n"
             "getdir 3,oeste\n");
  game.write("ingles.scp",
             "north= n2\n"
             "south= s2\n"
             "east= e2\n"
             "west w2\n"
             "getin= i2\n"
             "getout= o2\n"
             "comedown= u2\n"
             "godown= d2\n"
             "west= nada\n");
  game.write("n2.scp", "reg= 10,ao norte\n");
  game.write("d2.scp", "reg= 11,abaixo\n");
  game.write("limpa.scp",
             "reg= 4,antes\n"
             "cleardir\n"
             "getdir 4,norte\n"
             "getdir 4,noroeste\n"
             "getdir 999,norte\n");
  game.start();
  EXPECT_EQ(game.reg(1), "n1");
  EXPECT_EQ(game.reg(2), "d1");
  EXPECT_EQ(game.reg(3), "w1");
  EXPECT_TRUE(game.traced("   0: norte= n1"));
  EXPECT_TRUE(game.traced("  10: getdir 3,oeste"));

  game.run("ingles");
  const auto& exits = game.player().session().exits;
  EXPECT_EQ(std::vector<std::string>(exits.begin(), exits.end()),
            (std::vector<std::string>{"n2", "s2", "e2", "w2", "i2", "o2", "u2", "d2"}));
  // "west=" is no keyword: the line does nothing.
  EXPECT_TRUE(game.traced("   8: west= "));

  // Moving is running the exit's script through its alias; exits carry over from run to run.
  game.run("@norte");
  EXPECT_EQ(game.reg(10), "ao norte");
  game.run("@descer");
  EXPECT_EQ(game.reg(11), "abaixo");

  game.run("limpa");
  EXPECT_TRUE(game.traced("   2: getdir 4,norte <--- direção desconhecida"));
  EXPECT_TRUE(game.traced("   3: getdir 4,noroeste <--- direção desconhecida"));
  EXPECT_TRUE(game.traced("   4: getdir 999 <--- registrador fora de faixa"));
  EXPECT_EQ(game.reg(4), "antes");
  // Without a north exit the alias stays a name, and no script has it.
  game.run("@norte");
  EXPECT_TRUE(game.traced("Não encontrei o script: @norte.scp"));
  EXPECT_EQ(game.player().session().Script, "@norte");
}

TEST(PlaceCommands, ThePlaceIsSetEvenWithoutItsScriptTestedByIflocAndSavedAtExit) {
  TestGame game;
  game.settings({{10, "sala"}});
  game.write("sala.scp", "");
  game.write("start.scp",
             "ifloc= sala,aqui\n"
             "reg= 1,pulado\n"
             ":aqui\n"
             "setloc= cozinha\n"
             "ifloc# sala,longe\n"
             "reg= 2,pulado\n"
             ":longe\n"
             "ifpos= cozinha,aqui\n"
             "ifloc= sala,semlabel\n"
             "ifloc= sala,aqui\n"
             "ifloc# cozinha,aqui\n"
             "reg= 3,seguiu\n");
  game.start();
  EXPECT_EQ(game.reg(1), "");
  EXPECT_TRUE(game.traced("   3: setloc= cozinha <- não existe este script"));
  EXPECT_EQ(game.player().session().Posic, "cozinha");
  EXPECT_EQ(game.reg(2), "") << "ifloc# against the old place jumps";
  EXPECT_TRUE(game.traced("   7: ifpos= cozinha <--- script do local não existe"));
  EXPECT_TRUE(game.traced("   8: ifloc= sala <--- não existe este label no script"));
  EXPECT_TRUE(game.traced("   9: ifloc= sala <- não saltou"));
  EXPECT_TRUE(game.traced("  10: ifloc# "));
  EXPECT_EQ(game.reg(3), "seguiu");

  game.quit();
  EXPECT_EQ(game.readLines("jogo.ini").at(10), "cozinha");
  // The next start resumes at the saved place.
  game.restart();
  game.write("cozinha.scp", "");
  game.write("start.scp",
             "ifloc= cozinha,salvo\n"
             "reg= 1,perdido\n"
             ":salvo\n"
             "posic= torre\n"
             "setpos= sala\n");
  game.start();
  EXPECT_EQ(game.reg(1), "");
  game.quit();
  EXPECT_EQ(game.readLines("jogo.ini").at(10), "sala");
}

TEST(PlaceConditions, ExitConditionsRunTheirCommandOnlyWhenTheExitIsSet) {
  TestGame game;
  game.write("start.scp",
             "ifnor reg=,5,x\n"
             "norte= n\n"
             "ifnor reg=,5,x\n"
             "ifsul reg=,6,y\n"
             "oeste= w\n"
             "ifoes goto,fim\n"
             "reg= 7,pulado\n"
             ":fim\n"
             "leste= e\n"
             "ifles reg+,8,2\n"
             "sul= s\n"
             "ifsul ifnor,reg=,9,z\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: ifnor reg=,5,x,,,,,,"));
  EXPECT_TRUE(game.traced("Exec: reg= 5,x"));
  EXPECT_EQ(game.reg(5), "x");
  EXPECT_EQ(game.reg(6), "");
  EXPECT_TRUE(game.traced("   3: ifsul reg=,6,y,,,,,,"));
  EXPECT_EQ(game.reg(7), "");
  EXPECT_EQ(game.reg(8), "2");
  EXPECT_EQ(game.reg(9), "z") << "a carried condition runs its own command";
}

TEST(PlaceConditions, IfdirHandsItsLineToAPanelLinkToTheExit) {
  TestGame game;
  game.settings({{53, "*"}});
  game.write("start.scp",
             "ifdir= norte,Norte,0,0,40,20\n"
             "norte= sala2\n"
             "ifdir= norte,Norte,0,0,40,20\n"
             "ifdir= lado,Lado,0,0,40,20\n"
             "cleardir\n"
             "subir= torre\n"
             "ifdir= subir,Subir,50,0,40,20\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: ifdir= Norte <--- não existe movimento nesta direção"));
  EXPECT_TRUE(tracedStarting(game, "Exec: lnkfnc= Norte,sala2,0,0,"));
  EXPECT_TRUE(game.traced("   3: ifdir= Lado <--- não existe movimento nesta direção"));
  const ZoneTable& zones = game.player().session().zones.table;
  EXPECT_TRUE(zones.slot(20).active);
  EXPECT_EQ(zones.slot(20).firstValue, "Norte");
  EXPECT_EQ(zones.slot(20).action, "sala2");
  EXPECT_EQ(zones.slot(21).action, "torre");
  EXPECT_EQ(zones.slot(21).left, 50);
  EXPECT_FALSE(zones.slot(22).active) << "no link without the exit";
}

TEST(PlacePicture, ShowsThePictureAsEachModelShowsPicturesAndSetsTheClickScript) {
  TestGame game;
  game.settings({{24, "300"}});
  writeRedPng(game, "p.png", 16, 4);
  game.write("sala.scp", "");
  game.write("n.scp", "");
  game.write("start.scp",
             "telpos= falta.png,sala\n"
             "telpos= p.png,nada\n"
             "norte= n\n"
             "telloc= p.png,@norte\n");
  game.write("vazio.scp", "telpos= p.png,\n");
  game.write("console.scp",
             "modo= 0\n"
             "telpos= p.png,sala\n");
  game.write("pagina.scp",
             "modo= 2\n"
             "telpos= p.png\n"
             "telpos= p.png,sala\n");
  game.write("rolagem.scp",
             "modo= 3\n"
             "postxt= 0,30\n"
             "telpos= p.png,sala\n");
  game.write("monitor.scp",
             "modo= 4,640,420\n"
             "cleartela 0000FF\n"
             "corfnd= 00FF00\n"
             "telpos= p.png,sala\n");
  auto& s = game.player().session();

  game.start();
  EXPECT_TRUE(game.traced("   0: telpos= falta.png <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   1: telpos= p.png,nada <--- script não existe"));
  EXPECT_TRUE(game.traced("   3: telloc= p.png"));
  EXPECT_EQ(s.zones.screenScript, "n");
  const QImage& tela = pictureOf(game, "Tela");
  EXPECT_EQ(tela.pixelColor(1, 1), kRed);
  EXPECT_EQ(tela.pixelColor(tela.width() - 2, tela.height() - 2), kRed) << "stretched over the whole screen";
  // A click on the picture runs the place's script, named through the exit's alias.
  replayClick(game.player(), ReplayStep{0, "pointer", {"30", "30"}});
  EXPECT_TRUE(game.traced("Executando script: n.scp"));

  game.run("vazio");
  EXPECT_EQ(s.zones.screenScript, "");

  game.run("console");
  EXPECT_EQ(s.zones.screenScript, "sala");

  game.run("pagina");
  const std::string image = "<img src=" + s.FolderUrl + "p.png width=300px border=0>";
  EXPECT_NE(std::find(s.PageLines.begin(), s.PageLines.end(), image), s.PageLines.end());
  EXPECT_NE(std::find(s.PageLines.begin(), s.PageLines.end(), "<a href=Scp=sala>" + image + "</a>"),
            s.PageLines.end());

  game.run("rolagem");
  EXPECT_EQ(s.screen.textY, 34) << "the writing depth moves below the picture";
  const QImage& page = pictureOf(game, "TelMod3");
  EXPECT_EQ(page.pixelColor(0, 30), kRed);
  EXPECT_EQ(page.pixelColor(15, 33), kRed);
  EXPECT_NE(page.pixelColor(16, 30), kRed);

  game.run("monitor");
  const MonitorGeometry& m = s.screen.monitor;
  const int width = m.scaledWidth;
  const int height = width * 4 / 16;
  EXPECT_EQ(m.boxX, static_cast<int>(m.scale * 5));
  EXPECT_EQ(m.boxY, static_cast<int>(m.scale * 8) + height);
  EXPECT_EQ(m.boxWidth, width - static_cast<int>(m.scale * 8));
  EXPECT_EQ(m.boxHeight, m.scaledHeight - m.boxY - static_cast<int>(m.scale * 5));
  const QImage& monitor = s.buffers.monitor.image();
  EXPECT_EQ(monitor.pixelColor(width - 1, height - 1), kRed);
  EXPECT_EQ(monitor.pixelColor(1, height + 1), QColor(0, 255, 0)) << "filled with the background colour";
}

}  // namespace
}  // namespace taluvin
