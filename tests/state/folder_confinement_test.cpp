// A game folder cannot reach files outside itself: symlinks, the game name, "reset mapa".
#include "present/main_window.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "state/game_paths.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

std::string uniqueName(const std::string& prefix) {
  std::random_device rd;
  return prefix + std::to_string(rd()) + std::to_string(rd());
}

// A folder of the test's own beside the game, holding what the game must never reach.
class OutsideFolder {
 public:
  OutsideFolder() : path_(fs::temp_directory_path() / uniqueName("taluvin-fora-")) { fs::create_directories(path_); }
  ~OutsideFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  fs::path file(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
    return path_ / name;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void link(TestGame& game, const fs::path& target, const std::string& name) {
  fs::create_symlink(target, fs::path(game.folder()) / name);
}

TEST(FolderConfinement, ScriptsAndRegisterFilesReachedThroughSymlinksOutOfTheFolderGiveNothing) {
  TestGame game;
  OutsideFolder outside;
  outside.file("fora.scp", "reg= 1,fugiu\r\nsegredo\r\n");
  link(game, outside.path() / "fora.scp", "direto.scp");
  // A relative link, as an archive would carry it.
  link(game, fs::relative(outside.path() / "fora.scp", game.folder()), "relativo.scp");
  link(game, outside.path(), "pasta");
  game.write("dados.scp", "dentro\n");
  game.write("start.scp",
             "loadregs direto,2,1,1\n"
             "loadregs relativo,2,1,1\n"
             "loadregs pasta/fora,2,1,1\n"
             "gosub direto\n"
             "playmusic pasta/fora.scp\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: loadregs direto,2,1,1 <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   1: loadregs relativo,2,1,1 <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   2: loadregs pasta/fora,2,1,1 <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   4: playmusic pasta/fora.scp <--- arquivo não existe"));
  EXPECT_EQ(game.reg(2), "");
  game.run("direto");
  game.run("pasta/fora");
  EXPECT_EQ(game.reg(1), "") << "a script outside the folder ran";

  // Links that stay inside the folder work as the files they name.
  fs::create_directory(fs::path(game.folder()) / "interna");
  game.write("interna/sala.scp", "reg= 3,na sala\n");
  link(game, "dados.scp", "apelido.scp");
  link(game, "interna", "atalho");
  game.write("volta.scp", "loadregs apelido,2,0,1\ngosub atalho/sala\n");
  game.run("volta");
  EXPECT_EQ(game.reg(2), "dentro");
  EXPECT_EQ(game.reg(3), "na sala");
}

TEST(FolderConfinement, AGameWhoseStateFileIsALinkOutOfTheFolderIsNotOpened) {
  TestGame game;
  OutsideFolder outside;
  outside.file("fora.rgs", "segredo\r\n");
  link(game, outside.path() / "fora.rgs", "jogo.rgs");
  game.write("start.scp", "reg= 1,novo\nsaveregs\n");
  game.start();
  EXPECT_TRUE(game.traced("the game's file \"jogo.rgs\" leads out of its folder; the game is not opened"));
  EXPECT_TRUE(game.player().quitRequested());
  EXPECT_FALSE(game.traced("   0: reg= 1,novo"));
  EXPECT_NE(game.reg(0), "segredo");
  game.quit();
  EXPECT_EQ(outside.read("fora.rgs"), "segredo\r\n");
  EXPECT_TRUE(fs::is_symlink(fs::path(game.folder()) / "jogo.rgs"));
}

TEST(FolderConfinement, APictureSymlinkedOutOfTheFolderIsNotDrawn) {
  TestGame game;
  OutsideFolder outside;
  QImage green(4, 4, QImage::Format_RGB888);
  green.fill(0xFF00FF00);
  ASSERT_TRUE(writeBmp((outside.path() / "fora.bmp").string(), green));
  link(game, outside.path() / "fora.bmp", "fora.bmp");
  QImage red(4, 4, QImage::Format_RGB888);
  red.fill(0xFFFF0000);
  ASSERT_TRUE(writeBmp(game.folder() + "cena.bmp", red));
  link(game, "cena.bmp", "atalho.bmp");
  game.write("start.scp",
             "display= fora.bmp,tel,0,0\n"
             "display= atalho.bmp,tel,10,0\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: display= fora.bmp <--- arquivo inexistente!"));
  const QImage& pictureScreen = game.player().mainWindow().screen().pictureScreen()->picture();
  EXPECT_NE(pictureScreen.pixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(pictureScreen.pixel(11, 1), 0xFFFF0000u);
}

TEST(FolderConfinement, ResolverFollowsSymlinksToTheirEnd) {
  TestGame game;
  OutsideFolder outside;
  const std::string& folder = game.folder();
  // A dangling link would have a write create its target outside.
  link(game, outside.path() / "novo.bmp", "novo.bmp");
  link(game, "volta1", "volta2");
  link(game, "volta2", "volta1");
  EXPECT_FALSE(resolveInFolder(folder, "novo.bmp"));
  EXPECT_FALSE(resolveInFolder(folder, "volta1"));
  EXPECT_FALSE(resolveInFolder(folder, "."));
  EXPECT_FALSE(resolveInFolder(folder, std::string("a\0b", 3)));
  EXPECT_EQ(resolveInFolder(folder, "ainda-nao.bmp"), folder + "ainda-nao.bmp");
  EXPECT_TRUE(fs::exists(outside.path()));
  EXPECT_FALSE(fs::exists(outside.path() / "novo.bmp"));
}

TEST(FolderConfinement, ResetMapaDeletesNoGameFileAndNothingOutside) {
  TestGame game;
  OutsideFolder outside;
  outside.file("fora.txt", "fica");
  outside.file("outro.txt", "fica");
  link(game, outside.path() / "fora.txt", "fora.txt");
  link(game, outside.path(), "pasta");
  game.settings({{5, "5"}});
  for (const char* name : {"jogo.rgs", "jogo.obx", "jogo.obz", "sala.obj", "sala.scp"}) game.write(name, "x\r\n");
  game.write("mapa.bmp", "BM");
  game.write("start.scp",
             "reset mapa,fora.txt\n"
             "reset mapa,pasta/outro.txt\n"
             "reset mapa,start.scp\n"
             "reset mapa,SALA.SCP\n"
             "reset mapa,jogo.ini\n"
             "reset mapa,taluvin.ini\n"
             "reset mapa,jogo.rgs\n"
             "reset mapa,Jogo.obx\n"
             "reset mapa,jogo.obz\n"
             "reset mapa,sala.obj\n"
             "reset mapa,mapa.bmp\n"
             "reset mapa,nunca.bmp\n");
  game.start();
  EXPECT_EQ(outside.read("fora.txt"), "fica");
  EXPECT_EQ(outside.read("outro.txt"), "fica");
  for (const char* name : {"start.scp", "sala.scp", "jogo.ini", "taluvin.ini", "jogo.obz", "sala.obj"})
    EXPECT_TRUE(game.exists(name)) << name;
  for (int line = 2; line <= 9; ++line) {
    const std::string number = std::to_string(line);
    EXPECT_TRUE(game.traced("   " + number + ": reset mapa <--- arquivo do jogo não pode ser apagado")) << line;
  }
  EXPECT_FALSE(game.exists("mapa.bmp"));
  EXPECT_TRUE(game.traced("  10: reset mapa"));
  EXPECT_TRUE(game.traced("  11: reset mapa"));
}

TEST(FolderConfinement, AGameNameThatCouldLeaveTheFolderOpensNothing) {
  const std::string victim = uniqueName("taluvin-vitima-");
  const std::string withNul = victim + std::string("\0x", 2);
  const std::vector<std::string> names = {"../" + victim, "sub/" + victim, "sub\\" + victim,
                                          "C:" + victim,  "..",             withNul};
  for (const std::string& name : names) {
    TestGame game;
    // The victim's files lie beside the game folder, where "../" + victim would lead.
    const fs::path besideTheGame = game.beside();
    std::ofstream(besideTheGame / (victim + ".rgs"), std::ios::binary) << "segredo\r\n";
    game.writeLines("taluvin.ini", {"", "", "", "", name});
    game.write("start.scp", "reg= 1,rodou\nsaveregs\n");
    game.start();
    EXPECT_TRUE(game.player().quitRequested()) << name;
    EXPECT_TRUE(game.player().session().GameFolder.empty()) << name;
    EXPECT_FALSE(game.traced("   0: reg= 1,rodou")) << name;
    EXPECT_TRUE(std::any_of(game.trace().begin(), game.trace().end(),
                            [](const std::string& line) { return line.rfind("the game name ", 0) == 0; }))
        << name;
    EXPECT_NE(game.reg(0), "segredo") << name;
    game.quit();
    for (const char* extension : {".ini", ".obx", ".obz"})
      EXPECT_FALSE(fs::exists(besideTheGame / (victim + extension))) << name << extension;
    std::ifstream kept(besideTheGame / (victim + ".rgs"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "segredo\r\n") << name;
  }

  // The real program says why, once, and ends with a failure.
  TestGame game;
  game.writeLines("taluvin.ini", {"", "", "", "", "../" + victim});
  game.write("start.scp", "reg= 1,rodou\n");
  const auto run = taluvin::testing::runProgram({"--headless", "--start", game.folder()});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("the game name \"../" + victim + "\" (settings line 4) is not a plain file name"),
            std::string::npos)
      << run.err;
  EXPECT_FALSE(fs::exists(fs::path(game.beside()) / (victim + ".rgs")));
}

}  // namespace
}  // namespace taluvin

TEST(FolderConfinement, ProgramSettingsLinkedOutOfTheFolderAreNotRead) {
  TestGame game;
  const std::string outside = game.beside() + "fora.ini";
  {
    std::ofstream out(outside, std::ios::binary);
    for (int k = 0; k < 5; ++k) out << (k == 4 ? "segredo" : "") << "\r\n";
  }
  std::filesystem::remove(game.folder() + "taluvin.ini");
  std::filesystem::create_symlink(outside, game.folder() + "taluvin.ini");
  EXPECT_EQ(game.player().session().GameName, "");
  std::filesystem::remove(outside);
}
