// The command line as checkers use it: options, trace files, replays and their errors.
#include "present/picture_file.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

TEST(CommandLine, HelpVersionAndBadOptions) {
  auto help = runProgram({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("--replay FILE"), std::string::npos);
  auto version = runProgram({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("taluvin ", 0), 0u);
  auto bad = runProgram({"--nope"});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("unknown option --nope"), std::string::npos);
  EXPECT_EQ(runProgram({"--trace"}).exitCode, 2);
  EXPECT_EQ(runProgram({"/no/such/folder", "--headless"}).exitCode, 2);
  auto list = runProgram({"--list-commands"});
  EXPECT_NE(list.out.find("158\tgoto\t(goes on)"), std::string::npos);
}

TEST(CommandLine, StartWritesAUtf8TraceAndHeadlessQuitsThroughTheExitSteps) {
  TestGame game;
  game.write("start.scp", "retscp= não\n");
  const std::string trace = game.folder() + "trace.txt";
  auto run = runProgram({game.folder(), "--headless", "--start", "--trace", trace});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string all = fileBytes(trace);
  EXPECT_NE(all.find("   0: retscp= não <- não existe este script\n"), std::string::npos) << all;
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);
  EXPECT_EQ(game.readLines("jogo.ini")[8], "não");
}

TEST(CommandLine, StartClickWithoutStartScriptEndsTheProgramAndStillSaves) {
  TestGame game;
  auto run = runProgram({game.folder(), "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(game.readLines("taluvin.ini").size(), 101u);
  // No game was opened, so no game file is written anywhere, the working folder included.
  EXPECT_FALSE(std::filesystem::exists("jogo.ini"));
  EXPECT_FALSE(std::filesystem::exists("jogo.rgs"));
}

TEST(CommandLine, ReplayTakesActionsInOrderAndTakesScreenshots) {
  TestGame game;
  game.write("start.scp", "pausa 20\n");
  game.write("play.replay", "# a comment\nstart\nwait 50\nscreenshot " + game.folder() +
                                "shot.png\nkey F2\nresume\nquit\nstart\n");
  const std::string trace = game.folder() + "trace.txt";
  auto run = runProgram({game.folder(), "--headless", "--replay", game.folder() + "play.replay", "--trace", trace});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  QImage shot(QString::fromStdString(game.folder() + "shot.png"));
  EXPECT_EQ(shot.size(), QSize(900, 420));
  const std::string all = fileBytes(trace);
  // "start" and "resume" each ran the start script once; the "start" after "quit" never ran.
  size_t runs = 0;
  for (size_t at = all.find("Executando script: start.scp"); at != std::string::npos;
       at = all.find("Executando script: start.scp", at + 1))
    ++runs;
  EXPECT_EQ(runs, 2u);
}

TEST(CommandLine, DoubleClickOnTheOpeningPictureResumesWithoutStartingAgain) {
  TestGame game;
  game.settings({{10, "sala"}});
  game.write("start.scp", "reg= 1,novo\n");
  game.write("sala.scp", "reg= 2,retomado\n");
  const std::string trace = game.folder() + "trace.txt";
  game.write("resume.replay", "dblclick 450 200 TelAber\n");
  auto resumed = runProgram({game.folder(), "--headless", "--replay", game.folder() + "resume.replay", "--trace", trace});
  EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
  const std::string all = fileBytes(trace);
  EXPECT_NE(all.find("Executando script: sala.scp"), std::string::npos) << all;
  EXPECT_EQ(all.find("Executando script: start.scp"), std::string::npos) << all;
  EXPECT_EQ(game.readLines("jogo.rgs").at(1), "");

  game.write("start.replay", "click 450 200 TelAber\n");
  auto started = runProgram({game.folder(), "--headless", "--replay", game.folder() + "start.replay", "--trace", trace});
  EXPECT_EQ(started.exitCode, 0) << started.err;
  EXPECT_NE(fileBytes(trace).find("Executando script: start.scp"), std::string::npos);
  EXPECT_EQ(game.readLines("jogo.rgs").at(1), "novo");
}

TEST(CommandLine, MalformedReplayLinesStopWithFileLineAndReason) {
  TestGame game;
  game.write("start.scp", "");
  const std::string replay = game.folder() + "bad.replay";
  game.write("bad.replay", "start\nwait soon\n");
  auto run = runProgram({game.folder(), "--headless", "--replay", replay});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.err.find(replay + ":2: 'soon' is not a number of milliseconds"), std::string::npos) << run.err;
  game.write("bad.replay", "dance\n");
  run = runProgram({game.folder(), "--headless", "--replay", replay});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.err.find(replay + ":1: unknown action 'dance'"), std::string::npos) << run.err;
  game.write("bad.replay", "start\nscreenshot " + game.folder() + "x.png NoSuchSurface\n");
  run = runProgram({game.folder(), "--headless", "--replay", replay});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.err.find(replay + ":2: no surface named 'NoSuchSurface'"), std::string::npos) << run.err;
}

TEST(CommandLine, WithoutATraceScriptsRunTheSame) {
  TestGame game;
  game.settings({{5, "5"}});
  game.write("start.scp", ":topo\n'texto\nem duas linhas'\nreg+ 1,1\nifreg< 1,3,topo\n/ fim\nreg= 2,pronto\n");
  auto run = runProgram({game.folder(), "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const auto registers = game.readLines("jogo.rgs");
  ASSERT_GE(registers.size(), 3u);
  EXPECT_EQ(registers[1], "3");
  EXPECT_EQ(registers[2], "pronto");
}

TEST(CommandLine, AGameInAFolderNamedInAnyScriptPlaysAndSaves) {
  TestGame game;
  const std::string folder = game.folder() + "игра";
  std::filesystem::create_directory(folder);
  game.writeLines("игра/taluvin.ini", {"", "", "", "", "jogo"});
  game.write("игра/jogo.ini", "");
  // A script's own names are Windows-1252 text; on disk they are spelled natively.
  game.write("игра/start.scp", "reg= 1,pronto\nscript ação\n");
  game.write("игра/ação.scp", "reg= 2,também\ndisplay= árvore.bmp,tel\n");
  QImage tree(4, 4, QImage::Format_RGB888);
  tree.fill(Qt::green);
  ASSERT_TRUE(taluvin::writeBmp(folder + "/árvore.bmp", tree));
  const std::string trace = folder + "/trace.txt";
  auto run = runProgram({folder, "--headless", "--start", "--trace", trace});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const auto registers = game.readLines("игра/jogo.rgs");
  ASSERT_GE(registers.size(), 3u) << run.err;
  EXPECT_EQ(registers[1], "pronto");
  EXPECT_EQ(registers[2], "também");
  EXPECT_EQ(game.readLines("игра/taluvin.ini").size(), 101u);
  const std::string all = fileBytes(trace);
  EXPECT_NE(all.find("   1: display= árvore.bmp,tel,0,0,0,0\n"), std::string::npos) << all;
}

TEST(CommandLine, AMissingFolderEndsWithOneLineAndAFolderWithoutAGameIsLeftAlone) {
  TestGame game;
  auto missing = runProgram({game.folder() + "sumida"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "taluvin: the game folder " + game.folder() + "sumida does not exist\n");
  auto file = runProgram({game.folder() + "jogo.ini"});
  EXPECT_EQ(file.exitCode, 2);
  EXPECT_EQ(file.err, "taluvin: " + game.folder() + "jogo.ini is not a folder\n");

  const std::string empty = game.folder() + "vazia";
  std::filesystem::create_directory(empty);
  auto run = runProgram({empty, "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("taluvin: no game to start in " + empty + ": it has no start.scp\n"), std::string::npos)
      << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(empty)) << "nothing is written into a folder that holds no game";
}
