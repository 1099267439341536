// defini= changing settings lines in memory, and instalfonte announcing font files.
#include "support/named_widgets.h"

#include <QWidget>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(SetupCommands, DefiniChangesALineForTheNextRunUntilTheGameIsOpenedAgain) {
  TestGame game;
  game.settings({{53, "*"}});
  game.write("start.scp", "");
  game.write("muda.scp",
             "defini= 53,\n"
             "defini= 101,x\n"
             "defini= linha,x\n"
             "defini= 60,a~b^c\n");
  game.write("outro.scp", "");
  game.start();
  game.run("muda");
  auto* panel = taluvin::testing::named(game, "Abok2");
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(game.traced("   0: defini= 53,"));
  EXPECT_TRUE(game.traced("   1: defini= 101,x <- fora da faixa válida"));
  EXPECT_TRUE(game.traced("   2: defini= -1,x <- fora da faixa válida"));
  EXPECT_TRUE(game.traced("   3: defini= 60,a b,c"));
  EXPECT_EQ(game.player().session().settings.line(60), "a b,c");
  // The run that changed line 53 was laid out before; the next one reads the new line.
  EXPECT_TRUE(panel->isVisibleTo(panel->parentWidget()));
  game.run("outro");
  EXPECT_FALSE(panel->isVisibleTo(panel->parentWidget()));
  // The file was never written: opening the game again brings the panel back.
  EXPECT_EQ(game.readLines("jogo.ini").at(53), "*");
  game.restart();
  game.start();
  panel = taluvin::testing::named(game, "Abok2");
  EXPECT_TRUE(panel->isVisibleTo(panel->parentWidget()));
  EXPECT_EQ(game.player().session().settings.line(53), "*");
}

TEST(SetupCommands, InstalfonteNamesOnlyFontFilesInTheGameFolder) {
  TestGame game;
  game.write("letra.ttf", "not really a font");
  game.write("start.scp",
             "instalfonte letra\n"
             "instalfont letra\n"
             "instalfonte nenhuma\n"
             "instalfonte ../fora\n");
  std::ofstream(game.beside() + "fora.ttf") << "beside the game";
  game.start();
  EXPECT_EQ(game.player().session().addedFontFaces, std::vector<std::string>{"letra.ttf"});
}
