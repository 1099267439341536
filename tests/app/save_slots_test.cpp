// Save slots through the real program: Ctrl+S and Ctrl+L in replays, --list-saves and --load-save,
// and the slots a restore refuses.
#include "app/saves/save_slot_actions.h"
#include "present/command_panel.h"
#include "present/main_window.h"
#include "support/named_widgets.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;
using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

namespace {

namespace fs = std::filesystem;

// The program keeps its slots under the test's own folder, never in the user's.
class SavesHome {
 public:
  explicit SavesHome(const TestGame& game) : folder_(game.beside() + "data") {
    if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
  }
  ~SavesHome() {
    if (old_.empty()) unsetenv("XDG_DATA_HOME");
    else setenv("XDG_DATA_HOME", old_.c_str(), 1);
  }
  std::string slot(const std::string& game, const std::string& number) const {
    return folder_ + "/taluvin/saves/" + game + "/" + number + "/";
  }

 private:
  std::string folder_;
  std::string old_;
};

// Every file of a folder by name, to see that a refused restore left each one as it was.
std::map<std::string, std::string> filesOf(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().filename().string()] = fileBytes(entry.path().string());
  return files;
}

std::string line(const std::vector<std::string>& lines, size_t index) {
  return index < lines.size() ? lines[index] : std::string("<missing>");
}

// The hall counts the times it is entered; the door leads to the kitchen, which changes a register,
// the place and where the ring is.
void writeTwoRooms(TestGame& game) {
  QImage door(20, 10, QImage::Format_RGB32);
  door.fill(Qt::green);
  ASSERT_TRUE(door.save(QString::fromStdString(game.folder() + "porta.bmp")));
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "", "sala", "", "", "", ""});
  game.write("start.scp", "reg= 1,antes\nsetpos= sala\nclearbuf 0000FF\nlinktel= porta.bmp,cozinha,30,40\n");
  game.write("sala.scp", "reg+ 2,1\nclearbuf 0000FF\nlinktel= porta.bmp,cozinha,30,40\n");
  game.write("cozinha.scp", "reg= 1,depois\nsetpos= cozinha\npegaobj anel\nclearbuf 00FF00\n");
}

taluvin::testing::ProgramRun play(TestGame& game, const std::string& replay, bool start = true) {
  game.write("play.replay", replay);
  std::vector<std::string> args = {game.folder(), "--headless", "--trace", game.folder() + "trace.txt", "--replay",
                                   game.folder() + "play.replay"};
  if (start) args.push_back("--start");
  return runProgram(args);
}

bool traceHolds(const TestGame& game, const std::string& text) {
  return fileBytes(game.folder() + "trace.txt").find(text) != std::string::npos;
}

}  // namespace

TEST(SaveSlots, ARestoredSlotBringsBackRegistersObjectsAndPlaceAndRunsThePlace) {
  TestGame game;
  SavesHome home(game);
  writeTwoRooms(game);
  const auto run = play(game, "key Ctrl+S\nclick 35 45\nkey Ctrl+L\nkey Return\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;

  EXPECT_TRUE(traceHolds(game, "saved to slot 1 (")) << fileBytes(game.folder() + "trace.txt");
  EXPECT_TRUE(traceHolds(game, "restored slot 1 ("));
  const auto regs = game.readLines("jogo.rgs");
  EXPECT_EQ(line(regs, 1), "antes");
  EXPECT_EQ(line(regs, 2), "1") << "the hall's script ran once, as resume runs it";
  EXPECT_EQ(line(game.readLines("jogo.obx"), 3), "sala");
  EXPECT_EQ(line(game.readLines("jogo.ini"), 10), "sala");
  EXPECT_EQ(line(game.readLines("taluvin.ini"), 10), "sala");

  // The slot: the state files as they were at the save, a picture of the screen and the manifest.
  const std::string slot = home.slot("jogo", "1");
  EXPECT_NE(fileBytes(slot + "jogo.rgs").find("antes\r\n"), std::string::npos);
  EXPECT_NE(fileBytes(slot + "manifest.txt").find("posic=sala\n"), std::string::npos);
  const QImage thumbnail(QString::fromStdString(slot + "thumbnail.png"));
  ASSERT_FALSE(thumbnail.isNull());
  EXPECT_LT(thumbnail.width(), 900);
  for (const auto& entry : fs::directory_iterator(slot.substr(0, slot.size() - 2)))
    EXPECT_EQ(entry.path().filename().string().rfind(".tmp-", 0), std::string::npos) << "a temporary was left";
}

// A room that draws the inventory on the command panel, then a room told on the console that leaves
// the panel as it was: the slot saved there shows the panel, and so does the game it restores.
TEST(SaveSlots, ARestoredSlotLooksAsTheScreenDidWhenItWasSaved) {
  TestGame game;
  SavesHome home(game);
  game.settings({{53, "*"}});
  game.write("start.scp", "modo= 1\nsetpos= sala\nclearfunc 0000FF\nclearbuf 00FF00\nscript escada\n");
  game.write("escada.scp", "modo= 0\nsetpos= escada\nmsg= Uma escada.\n");
  game.start();
  auto panelPixel = [&] { return screenOf(game).panel().panelPicture->picture().pixel(5, 5); };
  ASSERT_EQ(panelPixel(), qRgb(0, 0, 255));
  taluvin::saveGameToNextSlot(game.player());

  game.restart();
  game.clearTrace();
  ASSERT_TRUE(taluvin::restoreGameFromSlot(game.player(), "1"));
  EXPECT_TRUE(game.traced("Executando script: escada.scp"));
  EXPECT_EQ(panelPixel(), qRgb(0, 0, 255)) << "the inventory panel the player saw";
  EXPECT_EQ(screenOf(game).pictureBuffer().image().pixel(5, 5), qRgb(0, 255, 0));
}

TEST(SaveSlots, ListSavesPrintsEachSlotAndLoadSaveRestoresOneFromTheCommandLine) {
  TestGame game;
  SavesHome home(game);
  writeTwoRooms(game);
  auto run = runProgram({"--list-saves", game.folder()});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("No saves of \"jogo\" yet"), std::string::npos) << run.out;

  run = play(game, "key Ctrl+S\nclick 35 45\nkey Ctrl+S\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  fs::create_directories(home.slot("jogo", "3"));  // a slot with no manifest is listed as damaged

  run = runProgram({"--list-saves", game.folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const size_t first = run.out.find("  1  "), second = run.out.find("  2  "), third = run.out.find("  3  ");
  ASSERT_NE(first, std::string::npos) << run.out;
  ASSERT_NE(second, std::string::npos) << run.out;
  ASSERT_NE(third, std::string::npos) << run.out;
  EXPECT_NE(run.out.substr(first, second - first).find("sala"), std::string::npos) << run.out;
  EXPECT_NE(run.out.substr(second, third - second).find("cozinha"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("damaged: its manifest is missing"), std::string::npos) << run.out;

  ASSERT_EQ(line(game.readLines("jogo.rgs"), 1), "depois");
  run = runProgram({game.folder(), "--headless", "--load-save", "1", "--trace", game.folder() + "trace.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(traceHolds(game, "restored slot 1 ("));
  const auto regs = game.readLines("jogo.rgs");
  EXPECT_EQ(line(regs, 1), "antes");
  EXPECT_EQ(line(regs, 2), "1") << "the hall's script ran as resume runs it";
  EXPECT_EQ(line(game.readLines("jogo.obx"), 3), "sala");
  EXPECT_EQ(line(game.readLines("taluvin.ini"), 10), "sala");
}

TEST(SaveSlots, ASlotOfAnotherGameOrADamagedSlotIsRefusedAndNothingIsWritten) {
  TestGame game;
  SavesHome home(game);
  writeTwoRooms(game);
  auto run = play(game, "key Ctrl+S\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string saved = home.slot("jogo", "1");

  // Another game, by its name, and the same name in another folder.
  TestGame other;
  other.writeLines("taluvin.ini", {"", "", "", "", "outro"});
  other.writeLines("outro.rgs", {"", "dela"});
  other.write("start.scp", "");
  TestGame namesake;
  namesake.write("start.scp", "");
  for (auto* foreign : {&other, &namesake}) {
    const auto before = filesOf(foreign->folder());
    run = runProgram({foreign->folder(), "--headless", "--load-save", saved});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(foreign == &other ? "is a save of the game \"jogo\", not of \"outro\""
                                              : "is a save of the game in " + game.folder()),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("nothing restored"), std::string::npos) << run.err;
    EXPECT_EQ(filesOf(foreign->folder()), before);
  }

  // Damaged copies of the slot, each refused with what is wrong with it.
  const std::pair<std::string, std::function<void(const std::string&)>> damages[] = {
      {"its manifest is missing", [](const std::string& slot) { fs::remove(slot + "manifest.txt"); }},
      {"its manifest is garbled",
       [](const std::string& slot) {
         std::ofstream(slot + "manifest.txt", std::ios::binary | std::ios::trunc) << "game=jogo\n";
       }},
      {"its jogo.obx is missing", [](const std::string& slot) { fs::remove(slot + "jogo.obx"); }},
      {"its jogo.rgs does not hold what was saved",
       [](const std::string& slot) { std::ofstream(slot + "jogo.rgs", std::ios::binary | std::ios::app) << "x"; }},
  };
  int number = 2;
  for (const auto& [message, damage] : damages) {
    SCOPED_TRACE(message);
    const std::string slot = home.slot("jogo", std::to_string(number));
    fs::copy(saved, slot);
    damage(slot);
    const auto before = filesOf(game.folder());
    run = runProgram({game.folder(), "--headless", "--load-save", std::to_string(number)});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("slot " + std::to_string(number) + " is damaged: " + message), std::string::npos)
        << run.err;
    EXPECT_EQ(filesOf(game.folder()), before);
    ++number;
  }

  // Chosen in the list, a damaged slot is refused too, and the game goes on where it was.
  run = play(game, "click 35 45\nkey Ctrl+L\nclick 5 5 SaveSlot2\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(traceHolds(game, "slot 2 is damaged: its manifest is missing; nothing restored"));
  EXPECT_EQ(line(game.readLines("jogo.rgs"), 1), "depois");
}

TEST(SaveSlots, NoSaveWhileAScriptRuns) {
  TestGame game;
  SavesHome home(game);
  game.write("start.scp", "/ marca\npausa 50\nreg= 1,fim\n");
  game.atTraced("   0: / marca", [&] {
    QCoreApplication::postEvent(&game.player().mainWindow(),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier));
  });
  game.start();
  QCoreApplication::processEvents();
  EXPECT_TRUE(game.traced("not saved: a script is running"));
  EXPECT_FALSE(fs::exists(home.slot("jogo", "1")));
  EXPECT_EQ(game.reg(1), "fim");
}

// Slots are named in the list (F2), deleted there after asking (Delete, then Return; Escape keeps
// the slot), and deleted from the command line; --list-saves shows the names.
TEST(SaveSlots, SlotsAreRenamedAndDeletedFromTheListAndTheCommandLine) {
  TestGame game;
  SavesHome home(game);
  writeTwoRooms(game);
  auto run = play(game,
                  "key Ctrl+S\nkey Ctrl+S\nkey Ctrl+S\nkey Ctrl+L\n"
                  // Newest first: slot 3 is chosen. Renamed, then slot 2 asked about and kept.
                  "key F2\nkey Ctrl+A\ntype Before the kitchen\nkey Return\n"
                  "key Down\nkey Delete\nkey Escape\n"
                  // Slot 1: asked about and deleted.
                  "key Down\nkey Delete\nkey Return\nkey Escape\nquit\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(traceHolds(game, "slot 3 renamed")) << fileBytes(game.folder() + "trace.txt");
  EXPECT_TRUE(traceHolds(game, "slot 1 deleted"));
  EXPECT_FALSE(fs::exists(home.slot("jogo", "1")));
  EXPECT_TRUE(fs::exists(home.slot("jogo", "2") + "manifest.txt")) << "Escape keeps the slot";
  EXPECT_NE(fileBytes(home.slot("jogo", "3") + "manifest.txt").find("label=Before the kitchen\n"), std::string::npos);

  run = runProgram({"--list-saves", game.folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("  3  Before the kitchen  "), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("  1  "), std::string::npos) << run.out;

  run = runProgram({game.folder(), "--delete-save", "2"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_FALSE(fs::exists(home.slot("jogo", "2")));
  // A slot that is not there, or not a slot name, is refused with the reason.
  run = runProgram({game.folder(), "--delete-save", "2"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("there is no slot 2"), std::string::npos) << run.err;
  run = runProgram({game.folder(), "--delete-save", "../3"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(fs::exists(home.slot("jogo", "3") + "manifest.txt"));
}
