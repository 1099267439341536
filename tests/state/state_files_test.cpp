// The state files: one register per line, nothing written before a game is open, saves in whole sets.
#include "present/picture_file.h"
#include "state/state_writer.h"
#include "support/program_process.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using taluvin::testing::ProgramProcess;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

std::vector<std::string> numbered(int count, const std::string& stem) {
  std::vector<std::string> lines;
  for (int k = 0; k < count; ++k) lines.push_back(stem + std::to_string(k));
  return lines;
}

// A save renames a fresh temporary over the file, so a rewritten file has a new inode.
unsigned long long inodeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::vector<std::string> temporariesIn(const std::string& folder) {
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const auto name = entry.path().filename().string();
    if (name.find(".tmp") != std::string::npos || name == ".taluvin-save") found.push_back(name);
  }
  return found;
}

}  // namespace

TEST(StateFiles, LineBreakInsideARegisterIsSavedAsTheMarkerSoEveryLaterRegisterKeepsItsLine) {
  TestGame game;
  game.settings({{5, "5"}});
  game.write("start.scp",
             "reg$ 1,um§dois\n"
             "regtxt= 2,'três§quatro'\n"
             "reg= 3,depois\n"
             "setobj= anel,dsc,linha§outra\n");
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "", "", "", "", "", ""});
  game.start();
  // In memory the break is a break: messages show it.
  EXPECT_EQ(game.reg(1), "um\r\ndois");
  game.quit();

  const auto registers = game.readLines("jogo.rgs");
  ASSERT_EQ(registers.size(), 6u);
  EXPECT_EQ(registers[1], "um§dois");
  EXPECT_EQ(registers[2], "três§quatro");
  EXPECT_EQ(registers[3], "depois");
  const auto objects = game.readLines("jogo.obx");
  ASSERT_EQ(objects.size(), 8u);
  EXPECT_EQ(objects[2], "linha§outra");
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);

  // Opened again, the game finds each register where it left it.
  game.restart();
  game.start();
  EXPECT_EQ(game.reg(3), "depois");
}

TEST(StateFiles, AFileWhoseBytesDidNotChangeIsNotRewrittenButOneChangedBesideTheGameIs) {
  TestGame game;
  game.write("start.scp", "reg= 1,a\n");
  game.write("nada.scp", "");
  game.write("muda.scp", "reg= 1,b\n");
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "", "sala", "", "", "", ""});
  game.start();
  auto inode = [&](const char* name) {
    taluvin::StateWriter::instance().drain();
    return inodeOf(game.folder() + name);
  };
  const auto registers = inode("jogo.rgs"), objects = inode("jogo.obx");
  game.run("nada");
  EXPECT_EQ(inode("jogo.rgs"), registers);
  EXPECT_EQ(inode("jogo.obx"), objects);
  game.run("muda");
  EXPECT_NE(inode("jogo.rgs"), registers);
  EXPECT_EQ(inode("jogo.obx"), objects);
  EXPECT_EQ(game.readLines("jogo.rgs")[1], "b");

  // Bytes changed on disk by something else, the length kept, are put back as the game holds them.
  std::ofstream(game.folder() + "jogo.obx", std::ios::binary | std::ios::in | std::ios::out) << "ANEL";
  game.run("nada");
  EXPECT_EQ(game.readLines("jogo.obx")[0], "anel");
}

TEST(StateFiles, ScriptRunBeforeAGameIsOpenedWritesNothingIntoTheWorkingFolder) {
  TestGame game;
  game.write("x.scp", "reg= 1,a\nsaveregs\nsaveobjs\n");
  game.run("x");
  game.run("@pos");
  taluvin::StateWriter::instance().drain();
  for (const char* name : {"jogo.rgs", "jogo.obx", "jogo.obz", "jogo.ini", ".rgs", ".obx"})
    EXPECT_FALSE(std::filesystem::exists(name)) << name << " written into the working folder";
  EXPECT_FALSE(game.exists("jogo.rgs"));
}

TEST(StateFiles, TemporariesAndAHalfRenamedSetAreSettledWhenTheGameOpens) {
  TestGame game;
  game.settings({{5, "3"}});
  game.writeLines("jogo.rgs", {"velho", "", "", ""});
  game.writeLines("jogo.obx", {"anel", "velho", "", "", "", "", "", ""});
  game.writeLines("jogo.obz", {"anel"});
  // A kill after the journal was written and the registers renamed, before the objects were.
  game.writeLines("jogo.obx.tmp-AbC123", {"anel", "novo", "", "", "", "", "", ""});
  game.writeLines("jogo.rgs", {"novo", "", "", ""});
  game.write(".taluvin-save", "jogo.rgs.tmp-XyZ789\tjogo.rgs\njogo.obx.tmp-AbC123\tjogo.obx\n");
  // Leftovers of sets that never reached their journal, and a journal entry naming a file no save
  // would write, which must not be moved.
  game.writeLines("jogo.rgs.tmp-QQQQQQ", {"meio"});
  game.writeLines("taluvin.ini.tmp-123456", {"meio"});
  game.writeLines("start.scp.tmp-AAAAAA", {"reg= 1,intruso"});
  game.write(".taluvin-save", "jogo.rgs.tmp-XyZ789\tjogo.rgs\njogo.obx.tmp-AbC123\tjogo.obx\n"
                              "start.scp.tmp-AAAAAA\tstart.scp\n");
  game.write("start.scp", "reg= 2,ok\n");
  game.start();
  EXPECT_EQ(game.reg(0), "novo");
  EXPECT_EQ(game.reg(2), "ok");
  EXPECT_EQ(game.readLines("jogo.obx")[1], "novo");
  EXPECT_EQ(game.read("start.scp"), "reg= 2,ok\n");
  auto left = temporariesIn(game.folder());
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, std::vector<std::string>{"start.scp.tmp-AAAAAA"});
}

TEST(StateFiles, ASaveThatCannotBeWrittenKeepsEveryOldFileAndIsSaidOnce) {
  TestGame game;
  game.settings({{5, "2000"}});
  game.writeLines("jogo.rgs", numbered(2001, "valor-inicial-"));
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "antes", "", "", "", "", ""});
  // Every run changes both files; the register file outgrows the size limit, the object file does not.
  game.write("start.scp", "reg= 1,mudou\nsetobj= anel,dsc,mudou\n");
  const auto oldRegisters = game.read("jogo.rgs");
  const auto oldObjects = game.read("jogo.obx");

  QProcess process;
  auto env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  process.setProcessEnvironment(env);
  const std::string trace = game.folder() + "../" + std::filesystem::path(game.folder()).parent_path().filename().string() + ".trace";
  process.start("bash", {"-c", "ulimit -f 16; exec \"$0\" \"$@\"", TALUVIN_BINARY, QString::fromStdString(game.folder()),
                         "--headless", "--start", "--trace", QString::fromStdString(trace)});
  ASSERT_TRUE(process.waitForFinished(60000));
  const std::string err = process.readAllStandardError().toStdString();
  // Neither the runs' saves nor the exit's went through: whoever started the program is told.
  EXPECT_EQ(process.exitCode(), 3) << err;

  EXPECT_EQ(game.read("jogo.rgs"), oldRegisters);
  EXPECT_EQ(game.read("jogo.obx"), oldObjects) << "objects saved without the registers of their run";
  EXPECT_TRUE(temporariesIn(game.folder()).empty());
  const std::string said = "could not save jogo.rgs: File too large";
  EXPECT_NE(err.find(said), std::string::npos) << err;
  EXPECT_EQ(err.find(said), err.rfind(said)) << "said more than once:\n" << err;
  std::ifstream traced(trace);
  const std::string traceText((std::istreambuf_iterator<char>(traced)), std::istreambuf_iterator<char>());
  EXPECT_NE(traceText.find(said), std::string::npos) << traceText;
  std::filesystem::remove(trace);
}

TEST(StateFiles, TraceFileHoldsEveryFinishedRunWhileTheProgramStillRuns) {
  TestGame game;
  game.write("start.scp", "reg= 1,um\n");
  game.write("espera.replay", "wait 600000\n");
  const std::string trace = game.folder() + "jogo.trace";
  ProgramProcess program({game.folder(), "--headless", "--start", "--trace", trace, "--replay",
                          game.folder() + "espera.replay"});
  auto traced = [&] {
    std::ifstream in(trace);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return text.find("   0: reg= 1,um") != std::string::npos;
  };
  EXPECT_TRUE(program.waitUntil(traced, 60000));
  program.sendSignal(SIGKILL);
}

// Kills the program at random moments of a long run of clicks: whatever the moment, every state file
// is whole, and once the game is opened again its registers and objects come from the same run.
TEST(StateFiles, KillAtAnyMomentOfAClickReplayLeavesWholeFilesFromOneRun) {
  TestGame game;
  game.settings({{5, "1500"}});
  std::vector<std::string> registers = numbered(1501, "conteudo-de-registrador-");
  registers[1] = "0";
  game.writeLines("jogo.rgs", registers);
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "0", "", "", "", "", ""});
  game.write("start.scp", "clearbuf 0000FF\nlinktel= botao.bmp,conta,0,0\n");
  game.write("conta.scp", "reg+ 1,1\nsetobj= anel,dsc,#1\nlinktel= botao.bmp,conta,0,0\n");
  {
    std::vector<std::string> clicks{"start"};
    for (int k = 0; k < 3000; ++k) clicks.push_back("click 5 5");
    game.writeLines("cliques.replay", clicks);
  }
  QImage button(40, 40, QImage::Format_RGB888);
  button.fill(0xFF3366CC);
  ASSERT_TRUE(taluvin::writeBmp(game.folder() + "botao.bmp", button));

  std::mt19937 random(20261207);
  for (int round = 0; round < 4; ++round) {
    {
      ProgramProcess program({game.folder(), "--headless", "--replay", game.folder() + "cliques.replay"});
      // Killed once some clicks have been saved, a different moment each round.
      const int clicks = 5 + static_cast<int>(random() % 60);
      const bool saved = program.waitUntil(
          [&] {
            const auto lines = game.readLines("jogo.rgs");
            return lines.size() > 1 && std::atoi(lines[1].c_str()) >= clicks * (round + 1);
          },
          60000);
      ASSERT_TRUE(saved) << "round " << round;
      program.sendSignal(SIGKILL);
      program.finish(60000);
    }
    const auto rgs = game.readLines("jogo.rgs");
    ASSERT_EQ(rgs.size(), 1501u) << "round " << round;
    EXPECT_EQ(rgs[1500], registers[1500]);
    ASSERT_EQ(game.readLines("jogo.obx").size(), 8u);
    // Opening the game settles a set the kill cut short.
    game.restart();
    game.start();
    EXPECT_EQ(game.readLines("jogo.obx")[2], game.reg(1)) << "round " << round;
    EXPECT_TRUE(temporariesIn(game.folder()).empty());
    game.quit();
  }
}
