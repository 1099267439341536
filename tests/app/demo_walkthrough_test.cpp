// The bundled demo played from a copy by its walkthrough, headless, through the real program.
#include "present/main_window.h"
#include "app/player/player.h"
#include "present/screen.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;

namespace {

namespace fs = std::filesystem;

std::vector<std::string> readCrLfLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::string text = fileBytes(path);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class DemoCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    folder_ = fs::temp_directory_path() / ("taluvin-demo-" + std::to_string(rd()) + std::to_string(rd()));
    fs::copy(fs::path(TALUVIN_SOURCE_DIR) / "games" / "demo", folder_, fs::copy_options::recursive);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path folder_;
};

TEST_F(DemoCopy, WalkthroughTakesTheKeyOpensTheGateAndEndsWithTheEndButton) {
  const std::string trace = (folder_ / "trace.txt").string();
  auto run = runProgram({folder_.string(), "--headless", "--replay", (folder_ / "walkthrough.replay").string(),
                         "--trace", trace},
                        100000);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string all = fileBytes(trace);
  auto traced = [&all](const std::string& line) { return all.find(line + "\n") != std::string::npos; };

  // Every room was entered through a door zone, and every picture kind was shown.
  for (const char* room : {"jardim", "sala1", "biblioteca", "livro", "pegachave", "chave", "portao", "escada"})
    EXPECT_TRUE(traced(std::string("Executando script: ") + room + ".scp")) << room;
  for (const char* picture : {"saguao.png", "biblioteca.jpg", "jardim.gif", "mirante.bmp"})
    EXPECT_TRUE(traced(std::string("   5: display= ") + picture + ",tel,0,0,0,0") ||
                traced(std::string("   6: display= ") + picture + ",tel,0,0,0,0"))
        << picture;
  EXPECT_EQ(all.find("<---"), std::string::npos) << "no command failed:\n" << all;
  // The hall's doors run its exits through their aliases.
  EXPECT_TRUE(traced("   9: norte= biblioteca"));
  EXPECT_TRUE(traced("  11: linktel= vazio.bmp,biblioteca,258,60,80,130,2,realce.bmp,porta.wav"));
  EXPECT_TRUE(traced("   5: playmusic tema.mid"));
  EXPECT_TRUE(traced("   1: pegobj chave"));
  EXPECT_TRUE(traced("   5: poeobj= chave,portao"));
  EXPECT_TRUE(traced("   4: reg= 3,venceu"));
  // The overlook is seen all round.
  EXPECT_TRUE(traced("   8: visor= 360,0,0,596,271,mirante_360.bmp,,0,0"));
  // The letter was a web page, written to tmp.htm, and its word link was followed back.
  EXPECT_TRUE(traced("Executando script: carta.scp"));
  EXPECT_LT(all.find("Executando script: carta.scp"), all.find("pegobj chave"));
  const std::string page = fileBytes(folder_ / "tmp.htm");
  EXPECT_NE(page.find("<a href=Scp=biblioteca>Voltar \xE0 biblioteca</a>"), std::string::npos) << page;
  EXPECT_NE(page.find("<a href=Scp=biblioteca><img src="), std::string::npos) << "the key's picture links too";
  // The start shows its state in the trace: no moves yet, nothing carried.
  EXPECT_TRUE(traced("  12: reg= 6,0"));
  EXPECT_TRUE(traced("  13: reg= 7,0"));
  // The map was opened from the garden and its marker led back there.
  EXPECT_TRUE(traced("   3: posmap= 330,120,200,80"));
  EXPECT_LT(all.find("Executando script: mapa.scp"), all.find("O portão está trancado"));
  // The map is revealed room by room: the hall and the garden were pasted on it before it was opened,
  // and the overlook at the end; the revealed map is written in the game's folder, the copy.
  EXPECT_LT(all.find("addmap= 297,141,mapa_sala1.bmp,revelado.bmp"), all.find("Executando script: mapa.scp"));
  EXPECT_LT(all.find("addmap= 420,167,mapa_jardim.bmp,revelado.bmp"), all.find("Executando script: mapa.scp"));
  EXPECT_TRUE(traced("  10: addmap= 620,177,mapa_mirante.bmp,revelado.bmp"));
  EXPECT_TRUE(fs::exists(folder_ / "revelado.bmp"));
  EXPECT_FALSE(fs::exists(fs::path(TALUVIN_SOURCE_DIR) / "games" / "demo" / "revelado.bmp"))
      << "the walkthrough wrote into the repository";
  // The gate was tried before the key was found.
  EXPECT_LT(all.find("O portão está trancado"), all.find("pegobj chave"));
  // From the garden the arrow key walked back to the hall; the stair above it was reached by typing,
  // and the console's text followed the language the player switched to and back.
  const size_t locked = all.find("O portão está trancado");
  const size_t stair = all.find("Executando script: escada.scp");
  ASSERT_NE(stair, std::string::npos);
  EXPECT_LT(all.find("Executando script: sala1.scp", locked), stair);
  EXPECT_LT(all.find("   7: ifbr= 11,Uma e...", stair), all.find("   1: putlng en"));
  EXPECT_LT(all.find("   1: putlng en"), all.find("   8: ifen= 11,A sto..."));
  EXPECT_LT(all.find("   8: ifen= 11,A sto..."), all.find("   1: putlng br"));
  EXPECT_LT(all.find("   1: putlng br"), all.find("Executando script: biblioteca.scp", stair));
  // The hall is grey only when seen again: never on the first visit, which comes before the garden.
  const size_t grey = all.find("Exec: cinza= tel,000000,-20,0,0,0,0");
  EXPECT_LT(all.find("Executando script: jardim.scp"), grey);
  EXPECT_LT(grey, stair);

  const auto registers = readCrLfLines(folder_ / "demo.rgs");
  ASSERT_GT(registers.size(), 3u);
  EXPECT_EQ(registers[1], "mirante");
  EXPECT_EQ(registers[3], "venceu");
  // Every room shown counts as a move: the letter's link is one, so is the map's marker leading
  // back to the garden, and so is the stair each time a change of language shows it again.
  EXPECT_EQ(registers[4], "17");
  const auto objects = readCrLfLines(folder_ / "demo.obx");
  ASSERT_GE(objects.size(), 4u);
  EXPECT_EQ(objects[0], "chave");
  EXPECT_EQ(objects[3], "portao");
  // The exit steps wrote the settings files.
  EXPECT_GE(readCrLfLines(folder_ / "demo.ini").size(), 101u);

  // The repository's own copy is the game as shipped.
  const auto shipped = readCrLfLines(fs::path(TALUVIN_SOURCE_DIR) / "games" / "demo" / "demo.obx");
  ASSERT_GE(shipped.size(), 4u);
  EXPECT_EQ(shipped[3], "biblioteca");
}

// The demo's own launcher, as a newcomer runs it: without a display it says so in one line; with
// --headless the walkthrough plays the game to its end and the program ends by itself.
TEST_F(DemoCopy, PlayDemoScriptNeedsADisplayOrPlaysTheWalkthroughHeadless) {
  std::string lastOut;
  auto play = [&](const QStringList& args) {
    QProcess process;
    auto env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("TALUVIN_PLAYER", TALUVIN_BINARY);
    env.insert("XDG_DATA_HOME", QString::fromStdString(folder_.string()));
    env.insert("SDL_AUDIODRIVER", "dummy");
    process.setProcessEnvironment(env);
    process.start("bash", QStringList{QString(TALUVIN_SOURCE_DIR) + "/scripts/play-demo.sh"} + args);
    const bool ended = process.waitForFinished(100000);
    if (!ended) {
      process.kill();
      process.waitForFinished();
    }
    lastOut = process.readAllStandardOutput().toStdString();
    return std::make_pair(ended ? process.exitCode() : -1, process.readAllStandardError().toStdString());
  };
  const auto [noDisplayCode, noDisplayErr] = play({});
  EXPECT_EQ(noDisplayCode, 1);
  EXPECT_EQ(noDisplayErr.rfind("play-demo.sh: the demo needs a display", 0), 0u) << noDisplayErr;
  EXPECT_EQ(std::count(noDisplayErr.begin(), noDisplayErr.end(), '\n'), 1) << noDisplayErr;

  const auto [headlessCode, headlessErr] = play({"--headless"});
  EXPECT_EQ(headlessCode, 0) << headlessErr;
  const auto registers = readCrLfLines(folder_ / "taluvin" / "demo" / "demo.rgs");
  ASSERT_GT(registers.size(), 3u) << headlessErr;
  EXPECT_EQ(registers[3], "venceu") << "the walkthrough reached the end";
  // A newcomer sees what it did: each scene and action, and where its pictures went.
  EXPECT_NE(lastOut.find("# The garden first: its gate is locked.\n  click 520 150\n"), std::string::npos) << lastOut;
  const fs::path shots = folder_ / "taluvin" / "demo" / "screenshots";
  EXPECT_NE(lastOut.find("The walkthrough finished: "), std::string::npos) << lastOut;
  EXPECT_NE(lastOut.find(shots.string()), std::string::npos) << lastOut;
  EXPECT_TRUE(fs::exists(shots / "01.png"));
}

// Every text the demo shows in its two-line message strip must be read whole, without scrolling:
// each room's text, and each note a room shows under it (the locked gate, the key taken, and the
// key's description, which the key in the inventory shows in whatever room the player is).
TEST_F(DemoCopy, EveryRoomTextAndNoteFitsTheMessageStrip) {
  taluvin::Options options;
  options.headless = true;
  taluvin::Player player(options, folder_.string() + "/", "taluvin");
  QPlainTextEdit* strip = player.mainWindow().screen().messageStrip();
  auto shown = [&](const char* script) {
    player.runScript(script);
    QCoreApplication::processEvents();
    EXPECT_EQ(strip->verticalScrollBar()->value(), 0)
        << "after " << script << " the strip scrolled its first line away:\n" << strip->toPlainText().toStdString();
    return strip->toPlainText().toStdString();
  };
  player.startClick();
  shown("sala1");
  shown("jardim");
  EXPECT_NE(shown("portao").find("trancado"), std::string::npos);
  shown("biblioteca");
  shown("pegachave");
  EXPECT_NE(shown("chave").find("pesada, com dentes em forma de torre."), std::string::npos)
      << "the description is whole, its comma included";
  for (const char* room : {"sala1", "jardim"}) {
    shown(room);
    EXPECT_NE(shown("chave").find("pesada, com dentes"), std::string::npos) << room;
  }
  shown("portao");
}

}  // namespace
