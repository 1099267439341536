// A game written where names ignore letter case and folders are separated by "\" plays as its author meant.
#include "support/named_widgets.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

void writePng(TestGame& game, const std::string& name, QRgb colour) {
  QImage image(8, 8, QImage::Format_RGB888);
  image.fill(colour);
  ASSERT_TRUE(image.save(QString::fromStdString(game.folder() + name), "PNG")) << name;
}

constexpr QRgb kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kYellow = 0xFFFFFF00;

TEST(NamesInPlay, PicturesScriptsSoundsAndRegisterFilesAreFoundInAnyLetterCase) {
  TestGame game;
  fs::create_directory(game.folder() + "IMG");
  writePng(game, "Foto.PNG", kRed);
  writePng(game, "IMG/Verde.png", kGreen);
  writePng(game, "azul.png", kBlue);
  writePng(game, "AZUL.png", kYellow);
  taluvin::testing::writeToneWav(game.folder() + "SOM.WAV", 0.05);
  game.write("DADOS.SCP", "linha zero\nda pasta\n");
  game.write("SALA2.SCP", "reg= 4,na sala 2\n");
  game.write("start.scp",
             "cleartela 000000\n"
             "display= foto.png,tel,0,0\n"
             "display= img\\verde.png,tel,10,0\n"
             "display= azul.png,tel,20,0\n"
             "display= Azul.png,tel,30,0\n"
             "display= FOTO.PNG,tel,40,0\n"
             "playsnd som.wav\n"
             "loadregs Dados,3,1,1\n"
             "script Sala2\n");
  game.start();
  const QImage& tela = pictureOf(game, "Tela");
  EXPECT_EQ(tela.pixel(2, 2), kRed);
  EXPECT_EQ(tela.pixel(12, 2), kGreen);
  EXPECT_EQ(tela.pixel(22, 2), kBlue) << "the name spelled exactly wins";
  EXPECT_EQ(tela.pixel(32, 2), kYellow) << "else the first in byte order";
  // Written in capitals the extension chooses no decoder, as it never did, whatever file it finds.
  EXPECT_NE(tela.pixel(42, 2), kRed);
  EXPECT_TRUE(game.traced("   6: playsnd som.wav"));
  EXPECT_EQ(game.reg(3), "da pasta");
  EXPECT_EQ(game.reg(4), "na sala 2");

  // A script written between runs, in capitals, is found by the next run.
  game.write("NOVA.SCP", "reg= 5,nova\n");
  game.run("nova");
  EXPECT_EQ(game.reg(5), "nova");
}

TEST(NamesInPlay, TheGamesOwnFilesInAnotherCaseAreReadAndWrittenInPlace) {
  TestGame game;
  fs::remove(game.folder() + "jogo.ini");
  game.writeLines("JOGO.INI", {"", "", "", "", "", "10"});
  game.writeLines("Jogo.Rgs", {"zero", "do disco", "", "", "", "", "", "", "", "", ""});
  game.writeLines("JOGO.OBZ", {"anel"});
  game.writeLines("JOGO.OBX", {"anel", "Anel", "um anel", "sala", "", "", "", ""});
  game.write("start.scp", "reg= 2,novo\nsetlocobj= anel,jog\n");
  game.start();
  EXPECT_EQ(game.reg(1), "do disco");
  EXPECT_EQ(game.player().session().RegCount, 10) << "settings read from JOGO.INI";
  game.quit();
  const std::vector<std::string> registers = game.readLines("Jogo.Rgs");
  ASSERT_GT(registers.size(), 2u);
  EXPECT_EQ(registers[2], "novo");
  EXPECT_EQ(game.readLines("JOGO.OBX").at(3), "jog");
  EXPECT_EQ(game.readLines("JOGO.INI").at(4), "jogo");
  for (const char* name : {"jogo.ini", "jogo.rgs", "jogo.obx", "jogo.obz"})
    EXPECT_FALSE(game.exists(name)) << name << ": a second file differing only in case";
}

}  // namespace
}  // namespace taluvin
