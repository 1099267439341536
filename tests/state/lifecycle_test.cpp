// Start-up, opening a game and the exit steps that write settings and state files.
#include "present/main_window.h"
#include "present/picture_file.h"
#include "state/lifecycle.h"
#include "state/state_writer.h"
#include "support/test_game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using taluvin::testing::TestGame;

TEST(Lifecycle, ExitWritesBothSettingsFilesWith101LinesAndCarriesLine95) {
  TestGame game;
  std::vector<std::string> program(96);
  program[4] = "jogo";
  program[95] = "guardado";
  game.writeLines("taluvin.ini", program);
  game.settings({{5, "20"}, {10, "sala"}, {95, "do jogo"}});
  game.write("start.scp", "retscp= volta\n");
  game.start();
  game.quit();
  const auto programLines = game.readLines("taluvin.ini");
  const auto gameLines = game.readLines("jogo.ini");
  ASSERT_EQ(programLines.size(), 101u);
  EXPECT_EQ(programLines, gameLines);
  EXPECT_EQ(gameLines[95], "guardado");
  EXPECT_EQ(gameLines[4], "jogo");
  EXPECT_EQ(gameLines[5], "20");
  EXPECT_EQ(gameLines[7], "start");
  EXPECT_EQ(gameLines[8], "volta");
  EXPECT_EQ(gameLines[10], "sala");
  EXPECT_EQ(gameLines[11], "900");
  EXPECT_EQ(gameLines[12], "420");
  EXPECT_EQ(game.readLines("jogo.rgs").size(), 21u);
}

TEST(Lifecycle, EachRunSavesTheGamesSettingsAsTheExitWouldButForDefiniAndTheExitWritesAsBefore) {
  TestGame game;
  std::vector<std::string> program(96);
  program[4] = "jogo";
  program[95] = "guardado";
  game.writeLines("taluvin.ini", program);
  std::vector<std::string> own(96);
  own[4] = "jogo";
  own[5] = "20";
  own[10] = "sala";
  own[95] = "do jogo";
  game.writeLines("jogo.ini", own);
  game.write("start.scp", "setpos= sala2\nretscp= volta\ndefini= 60,azul\n");
  game.write("sala2.scp", "/ sala2\n");
  game.start();
  taluvin::StateWriter::instance().drain();
  auto afterRun = game.readLines("jogo.ini");
  ASSERT_EQ(afterRun.size(), 101u);
  EXPECT_EQ(afterRun[10], "sala2");
  EXPECT_EQ(afterRun[8], "volta");
  EXPECT_EQ(afterRun[7], "start");
  EXPECT_EQ(afterRun[95], "guardado");
  EXPECT_EQ(afterRun[11], "900");
  // A "defini=" change lasts until the game is opened again, which reads this file.
  EXPECT_EQ(afterRun[60], "");
  // The program's own settings are the exit steps' to write.
  EXPECT_EQ(game.readLines("taluvin.ini"), program);
  // Nor are the settings in memory padded or filled by a run.
  EXPECT_EQ(game.player().session().settings.lines().size(), 96u);
  EXPECT_EQ(game.player().session().settings.line(10), "sala");

  // A run that leaves every line as it was does not write the file again.
  struct stat before {};
  ASSERT_EQ(::stat((game.folder() + "jogo.ini").c_str(), &before), 0);
  game.run("start");
  taluvin::StateWriter::instance().drain();
  struct stat after {};
  ASSERT_EQ(::stat((game.folder() + "jogo.ini").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);

  game.quit();
  afterRun[60] = "azul";
  EXPECT_EQ(game.readLines("jogo.ini"), afterRun);
  EXPECT_EQ(game.readLines("taluvin.ini"), afterRun);
}

TEST(Lifecycle, ShortOrMissingSettingsReadAsEmptyLines) {
  TestGame game;
  game.writeLines("jogo.ini", {"", "", "", "", "jogo"});
  game.write("start.scp", "pausa 0\n");
  game.start();
  auto& s = game.player().session();
  EXPECT_EQ(s.RegCount, 250);
  EXPECT_EQ(s.registers.size(), 251u);  // no register file: the table the count promises
  EXPECT_TRUE(game.traced("   0: pausa 0"));
}

TEST(Lifecycle, ResumeRunsThePlaceOrStartWhenThereIsNone) {
  TestGame game;
  game.write("start.scp", "inicio\n");
  game.write("sala.scp", "nasala\n");
  game.player().resume();
  EXPECT_TRUE(game.traced("   0: inicio "));
  // The start run's save, settings included, is on disk before the place is written over it.
  taluvin::StateWriter::instance().drain();
  game.settings({{10, "sala"}});
  game.clearTrace();
  game.player().resume();
  EXPECT_TRUE(game.traced("   0: nasala "));
  EXPECT_EQ(game.player().session().Script, "sala");
}

TEST(Lifecycle, StateFilesAreReplacedWholeWithoutLeftoverTemporaries) {
  TestGame game;
  game.writeLines("jogo.rgs", {"a", "b", "c"});
  game.write("start.scp", "pausa 0\n");
  game.start();
  EXPECT_EQ(game.readLines("jogo.rgs"), (std::vector<std::string>{"a", "b", "c"}));
  for (const auto& entry : std::filesystem::directory_iterator(game.folder()))
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST(Lifecycle, FolderUrlIsAFileAddressWithEscapedBlanks) {
  EXPECT_EQ(taluvin::folderToUrl("/home/ana/Meu Jogo/"), "file:///home/ana/Meu%20Jogo/");
  EXPECT_EQ(taluvin::folderToUrl("C:\\Jogos\\Meu Jogo\\"), "file:///C|/Jogos/Meu%20Jogo/");
  // A folder named in letters outside Windows-1252 stays a plain ASCII address inside the page.
  EXPECT_EQ(taluvin::folderToUrl("/tmp/игра#1/"), "file:///tmp/%D0%B8%D0%B3%D1%80%D0%B0%231/");
}

TEST(Lifecycle, OpeningPictureComesFromLine13OrIsBuiltIn) {
  TestGame plain;
  const QImage builtIn = plain.player().mainWindow().openingPicture()->picture();
  EXPECT_EQ(builtIn.size(), QSize(900, 420));

  TestGame game;
  QImage own(30, 20, QImage::Format_RGB888);
  own.fill(QColor(10, 200, 30));
  ASSERT_TRUE(taluvin::writeBmp(game.folder() + "abertura.bmp", own));
  std::vector<std::string> program(14);
  program[4] = "jogo";
  program[13] = "abertura.bmp";
  game.writeLines("taluvin.ini", program);
  const QImage shown = game.player().mainWindow().openingPicture()->picture();
  EXPECT_EQ(shown.size(), QSize(30, 20));
  EXPECT_EQ(shown.pixelColor(5, 5), QColor(10, 200, 30));
}
