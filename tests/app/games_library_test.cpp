// Zipped games, the games folder, --list-games, --add-game and --fresh, through the real program.
#include "support/program_process.h"
#include "support/program_run.h"
#include "support/test_game.h"
#include "support/zip_maker.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::makeZip;
using taluvin::testing::ProgramProcess;
using taluvin::testing::runProgram;
using taluvin::testing::writeFileBytes;
using taluvin::testing::ZipEntry;

namespace {

namespace fs = std::filesystem;

constexpr int kHangMs = 60000;

// The program keeps its games under the test's own folder, never in the user's.
class DataHome {
 public:
  DataHome() : folder_(fs::current_path().string() + "/data") {
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
  }
  ~DataHome() {
    if (old_.empty()) unsetenv("XDG_DATA_HOME");
    else setenv("XDG_DATA_HOME", old_.c_str(), 1);
  }
  std::string games() const { return folder_ + "/taluvin/games/"; }
  std::string fresh() const { return folder_ + "/taluvin/fresh/"; }

 private:
  std::string folder_;
  std::string old_;
};

// A game whose start sets register 1, its files under `folder` in the archive.
std::vector<ZipEntry> gameEntries(const std::string& folder, const std::string& value) {
  return {{folder + "taluvin.ini", "0\r\n0\r\n\r\n\r\njogo\r\n"},
          {folder + "jogo.ini", "0\r\n0\r\n\r\n\r\njogo\r\n"},
          {folder + "start.scp", "reg= 1," + value + "\r\n"}};
}

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string secondLine(const std::string& path) {
  const std::string bytes = fileBytes(path);
  const size_t start = bytes.find("\r\n");
  return start == std::string::npos ? "" : bytes.substr(start + 2, bytes.find("\r\n", start + 2) - start - 2);
}

TEST(GamesLibrary, AZippedGamePlaysFromTheGamesFolderAndTheArchiveStaysAsItWas) {
  const DataHome home;
  std::vector<ZipEntry> entries = gameEntries("jogo/", "zipado");
  entries.push_back({"jogo/../../../fora.txt", "fora"});
  const std::string zip = makeZip(entries);
  fs::create_directory("in");
  writeFileBytes("in/jogo.zip", zip);
  const auto stamp = fs::last_write_time("in/jogo.zip");

  auto run = runProgram({"in/jogo.zip", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "taluvin: unpacked jogo.zip into " + home.games() + "jogo/\n");
  EXPECT_NE(run.err.find("left out of jogo.zip 1 entry leading outside the game, linking out of it, or not plain "
                         "files: jogo/../../../fora.txt"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(secondLine(home.games() + "jogo/jogo.rgs"), "zipado");
  EXPECT_EQ(fileBytes("in/jogo.zip"), zip);
  EXPECT_EQ(fs::last_write_time("in/jogo.zip"), stamp);
  EXPECT_FALSE(fs::exists("fora.txt"));
  EXPECT_FALSE(fs::exists("data/fora.txt"));
  EXPECT_FALSE(fs::exists("data/taluvin/fora.txt"));
  EXPECT_EQ(namesIn(home.games()), (std::vector<std::string>{"jogo"}));

  // The same archive again plays the game unpacked before, its state kept.
  writeFileBytes(home.games() + "jogo/marca.txt", "kept");
  run = runProgram({"in/jogo.zip", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(fileBytes(home.games() + "jogo/marca.txt"), "kept");

  // Another archive of the same name keeps the first game and takes the next free name.
  fs::create_directory("outro");
  writeFileBytes("outro/jogo.zip", makeZip(gameEntries("", "outro")));
  run = runProgram({"outro/jogo.zip", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(secondLine(home.games() + "jogo-2/jogo.rgs"), "outro");
  EXPECT_EQ(secondLine(home.games() + "jogo/jogo.rgs"), "zipado");

  const auto list = runProgram({"--list-games"});
  EXPECT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.out.rfind("NAME    LAST PLAYED", 0), 0u) << list.out;
  EXPECT_NE(list.out.find("\njogo    "), std::string::npos) << list.out;
  EXPECT_NE(list.out.find("\njogo-2  "), std::string::npos) << list.out;
  EXPECT_NE(list.out.find(home.games() + "jogo-2/\n"), std::string::npos) << list.out;
}

TEST(GamesLibrary, AddingFindsTheGameInItsFolderAndRefusesDamagedArchives) {
  const DataHome home;
  // Made for a player of another name: its own settings name the game "aventura".
  writeFileBytes("aventura.zip", makeZip({{"Pasta/", "", ZipEntry::Kind::Folder},
                                          {"Pasta/Leia-me.txt", "readme"},
                                          {"Pasta/Jogo/OUTRO.INI", "0\r\n0\r\n\r\n\r\naventura\r\n"},
                                          {"Pasta/Jogo/Aventura.ini", "0\r\n0\r\n\r\n\r\naventura\r\n"},
                                          {"Pasta/Jogo/START.SCP", "reg= 1,achou\r\n"}}));
  auto run = runProgram({"--add-game", "aventura.zip"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "taluvin: added aventura: " + home.games() + "aventura/\n");
  EXPECT_EQ(namesIn(home.games() + "aventura"),
            (std::vector<std::string>{"Aventura.ini", "OUTRO.INI", "START.SCP", "taluvin.ini"}));
  run = runProgram({"--add-game", "aventura.zip"});
  EXPECT_EQ(run.out, "taluvin: aventura.zip is already in the games folder as aventura\n");
  run = runProgram({home.games() + "aventura", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(secondLine(home.games() + "aventura/aventura.rgs"), "achou");

  std::string damaged = makeZip(gameEntries("", "x"));
  damaged.resize(damaged.size() / 2);
  writeFileBytes("quebrado.zip", damaged);
  run = runProgram({"quebrado.zip", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err.rfind("taluvin: cannot play quebrado.zip: it ", 0), 0u) << run.err;
  writeFileBytes("vazio.zip", makeZip({{"leia.txt", "no game here"}}));
  run = runProgram({"--add-game", "vazio.zip"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "taluvin: cannot add vazio.zip: it holds no game: no folder in it has a start.scp and a "
                     "settings file (.ini)\n");
  EXPECT_EQ(namesIn(home.games()), (std::vector<std::string>{"aventura"}));

  run = runProgram({"--headless"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("no game given, and the games library needs a display"), std::string::npos) << run.err;
}

TEST(GamesLibrary, FreshPlaysACopyThatGoesWithTheProgramAndLeavesTheFolderUntouched) {
  const DataHome home;
  taluvin::testing::TestGame game;
  game.write("start.scp", "reg= 1,mudou\n");
  game.write("espera.scp", "reg= 2,esperando\npausa 600000\n");
  game.write("espera.replay", "start\nwait 600000\n");
  const std::string before = fileBytes(game.folder() + "jogo.ini");
  // A copy a killed program left, which nobody holds any more.
  fs::create_directories(home.fresh() + "run-velho/jogo");

  auto run = runProgram({game.folder(), "--fresh", "--headless", "--start"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(game.exists("jogo.rgs"));
  EXPECT_EQ(fileBytes(game.folder() + "jogo.ini"), before);
  EXPECT_EQ(namesIn(home.fresh()), std::vector<std::string>{});

  // Ended by a signal, the program still removes its copy.
  ProgramProcess program({game.folder(), "--fresh", "--headless", "--replay", game.folder() + "espera.replay"});
  ASSERT_TRUE(program.waitUntil([&] { return namesIn(home.fresh()).size() == 1; }, kHangMs));
  const std::string copy = home.fresh() + namesIn(home.fresh())[0] + "/";
  ASSERT_TRUE(program.waitUntil([&] { return !namesIn(copy).empty() && fs::exists(copy + namesIn(copy)[0] + "/jogo.rgs"); },
                                kHangMs));
  program.sendSignal(SIGTERM);
  EXPECT_EQ(program.finish(kHangMs).exitCode, 128 + SIGTERM);
  EXPECT_EQ(namesIn(home.fresh()), std::vector<std::string>{});
  EXPECT_FALSE(game.exists("jogo.rgs"));
}

}  // namespace
