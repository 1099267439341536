// Saving, loading and resetting registers, and the "reset" of the saved map.
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using taluvin::testing::TestGame;

TEST(RegisterFiles, LoadRegsCopiesLinesOfAScriptFileIntoConsecutiveRegisters) {
  TestGame game;
  game.settings({{5, "20"}});
  game.write("dados.scp", "zero\num\ndois\ntrês\n");
  game.write("start.scp",
             "loadregs dados,10,0,3\n"
             "loadregs dados.scp,15,3,1\n"
             "loadregs dados,17,1,0\n");
  game.start();
  EXPECT_EQ(game.reg(10), "zero");
  EXPECT_EQ(game.reg(11), "um");
  EXPECT_EQ(game.reg(12), "dois");
  EXPECT_EQ(game.reg(13), "");
  EXPECT_EQ(game.reg(15), "três");
  EXPECT_EQ(game.reg(17), "");
  EXPECT_TRUE(game.traced("   0: loadregs dados,10,0,3"));
}

TEST(RegisterFiles, LoadRegsRefusesBadArgumentsWithTheirMessages) {
  TestGame game;
  game.settings({{5, "20"}});
  game.write("dados.scp", "a\nb\nc\n");
  game.write("start.scp",
             "loadregs nada,1,0,1\n"
             "loadregs dados,,0,1\n"
             "loadregs dados,x,0,1\n"
             "loadregs dados,21,0,1\n"
             "loadregs dados,-1,0,1\n"
             "loadregs dados,1,,1\n"
             "loadregs dados,1,3,1\n"
             "loadregs dados,1,0,y\n"
             "loadregs dados,1,0,4\n"
             "loadregs ../dados,1,0,1\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: loadregs nada,1,0,1 <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   1: loadregs dados,,0,1 <--- não definiu registrador inicial"));
  EXPECT_TRUE(game.traced("   2: loadregs dados,x,0,1 <--- registrador inicial não numérico"));
  EXPECT_TRUE(game.traced("   3: loadregs dados,21,0,1 <--- registrador fora da faixa"));
  EXPECT_TRUE(game.traced("   4: loadregs dados,-1,0,1 <--- registrador fora da faixa"));
  EXPECT_TRUE(game.traced("   5: loadregs dados,1,,1 <--- índice inicial não numérico"));
  EXPECT_TRUE(game.traced("   6: loadregs dados,1,3,1 <--- índice maior que total de linhas"));
  EXPECT_TRUE(game.traced("   7: loadregs dados,1,0,y <--- quantidade não numérica"));
  EXPECT_TRUE(game.traced("   8: loadregs dados,1,0,4 <--- quantidade maior que total de linhas"));
  EXPECT_TRUE(game.traced("   9: loadregs ../dados,1,0,1 <--- arquivo não existe"));
  EXPECT_EQ(game.reg(1), "");
}

TEST(RegisterFiles, LoadRegsPastTheEndAbortsKeepingWhatWasCopied) {
  TestGame game;
  game.settings({{5, "20"}});
  game.write("dados.scp", "a\nb\nc\n");
  game.write("start.scp",
             "loadregs dados,1,1,3\n"
             "reg= 9,nunca\n");
  game.start();
  EXPECT_TRUE(game.traced("List index out of bounds (3)"));
  EXPECT_EQ(game.reg(1), "b");
  EXPECT_EQ(game.reg(2), "c");
  EXPECT_EQ(game.reg(9), "");

  game.write("fim.scp", "loadregs dados,19,0,3\n");
  game.run("fim");
  EXPECT_TRUE(game.traced("List index out of bounds (21)"));
  EXPECT_EQ(game.reg(19), "a");
  EXPECT_EQ(game.reg(20), "b");
}

TEST(RegisterFiles, SaveRegsAndLoadRegsRoundTripTheRegisterFile) {
  TestGame game;
  game.settings({{5, "4"}});
  game.write("start.scp",
             "reg= 1,salvo\n"
             "reg= 4,último\n"
             "saveregs\n"
             "reg= 1,mudado\n"
             "loadregs\n");
  game.start();
  EXPECT_EQ(game.reg(1), "salvo");
  EXPECT_TRUE(game.traced("   4: loadregs ,,,"));
  EXPECT_EQ(game.readLines("jogo.rgs"), (std::vector<std::string>{"", "salvo", "", "", "último"}));
  EXPECT_EQ(game.read("jogo.rgs"), "\r\nsalvo\r\n\r\n\r\núltimo\r\n");
}

TEST(RegisterFiles, ResetRegsKeepsTheLastRegister) {
  TestGame game;
  game.settings({{5, "20"}});
  game.write("start.scp",
             "reg= 0,a\n"
             "reg= 19,b\n"
             "reg= 20,fica\n"
             "reset regs\n"
             "reg= 1,x\n"
             "reset reg\n"
             "reset outra\n");
  game.start();
  EXPECT_EQ(game.reg(0), "");
  EXPECT_EQ(game.reg(1), "");
  EXPECT_EQ(game.reg(19), "");
  EXPECT_EQ(game.reg(20), "fica");
  EXPECT_TRUE(game.traced("   3: reset regs"));
  EXPECT_TRUE(game.traced("   6: reset outra"));
}

TEST(RegisterFiles, ResetMapaDeletesOnlyFilesInsideTheGameFolder) {
  TestGame game;
  game.write("mapa1.bmp", "BM");
  const auto outside = std::filesystem::path(game.folder()).parent_path().parent_path() / "taluvin-outside-map.bmp";
  std::ofstream(outside) << "BM";
  game.write("start.scp",
             "reset mapa,mapa1.bmp\n"
             "reset mapa,mapa1.bmp\n"
             "reset mapa,../taluvin-outside-map.bmp\n"
             "reset mapa," + outside.string() + "\n");
  game.start();
  EXPECT_FALSE(game.exists("mapa1.bmp"));
  EXPECT_TRUE(game.traced("   0: reset mapa"));
  // A missing file, or one outside the folder, is traced with the first argument only.
  EXPECT_TRUE(game.traced("   1: reset mapa"));
  EXPECT_TRUE(game.traced("   2: reset mapa"));
  EXPECT_TRUE(game.traced("   3: reset mapa"));
  EXPECT_TRUE(std::filesystem::exists(outside));
  std::filesystem::remove(outside);
}
