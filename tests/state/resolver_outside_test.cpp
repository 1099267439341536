// Names that climb out of the game folder reach nothing, though real files lie just outside it.
#include "present/picture_file.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::pictureOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

// Files beside the game folder, in the test's own folder, that a resolver letting ".." or an
// absolute name through would find and use.
void writeFilesBesideTheGame(TestGame& game) {
  const std::string beside = game.beside();
  std::ofstream(beside + "fora.scp", std::ios::binary) << "reg= 1,fugiu\r\n";
  std::ofstream(beside + "fora.rgs", std::ios::binary) << "segredo\r\nsegredo\r\n";
  std::ofstream(beside + "fora.txt", std::ios::binary) << "fica";
  QImage green(8, 8, QImage::Format_RGB888);
  green.fill(0xFF00FF00);
  ASSERT_TRUE(writeBmp(beside + "fora.bmp", green));
  ASSERT_TRUE(green.save(QString::fromStdString(beside + "fora.png"), "PNG"));
  // A short valid sound: 8-bit mono PCM, 100 samples of silence.
  std::string wav = "RIFF";
  const auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  wav += le32(36 + 100) + "WAVEfmt " + le32(16) + std::string{1, 0, 1, 0} + le32(8000) + le32(8000) +
         std::string{1, 0, 8, 0} + "data" + le32(100) + std::string(100, char(0x80));
  std::ofstream(beside + "fora.wav", std::ios::binary) << wav;
}

TEST(ResolverOutside, TheGameFolderLiesInsideTheTestsOwnFolder) {
  TestGame game;
  EXPECT_EQ(fs::path(game.folder()).parent_path().parent_path(), fs::path(game.beside()).parent_path());
  EXPECT_NE(fs::canonical(game.beside()), fs::canonical(fs::temp_directory_path()));
}

TEST(ResolverOutside, NamesClimbingOutOrAbsoluteResolveToNothingThoughTheFilesExist) {
  TestGame game;
  writeFilesBesideTheGame(game);
  const std::string& folder = game.folder();
  fs::create_directory(folder + "sub");
  for (const std::string& name : std::vector<std::string>{"../fora.scp", "../fora.bmp", "../fora.wav", "sub/../../fora.scp",
                                                          "./../fora.txt", game.beside() + "fora.scp", "..//fora.png"}) {
    ASSERT_TRUE(fs::exists(fs::path(folder) / name) || fs::exists(name)) << name << " should really exist";
    EXPECT_FALSE(resolveInFolder(folder, name)) << name;
  }
  EXPECT_EQ(resolveInFolder(folder, "fora.scp"), folder + "fora.scp") << "a name inside still resolves";
}

TEST(ResolverOutside, ScriptsRegistersAndTheirNamesFromOutsideAreNotRun) {
  TestGame game;
  writeFilesBesideTheGame(game);
  game.write("start.scp",
             "gosub ../fora\n"
             "loadregs ../fora,2,0,1\n"
             "scriptcmd= ../fora\n"
             "retscp= ../fora\n"
             "reset mapa,../fora.txt\n"
             "script ../fora\n"
             "reg= 3,ficou\n");
  game.start();
  EXPECT_EQ(game.reg(1), "") << "a script outside the folder ran";
  EXPECT_EQ(game.reg(2), "") << "registers were read from outside the folder";
  EXPECT_EQ(game.reg(3), "ficou") << "the run goes on in its own script";
  EXPECT_TRUE(game.traced("   1: loadregs ../fora,2,0,1 <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   3: retscp= ../fora <- não existe este script"));
  EXPECT_TRUE(game.traced("   5: script ../fora <- script não existe"));
  EXPECT_NE(game.player().session().ScriptCmd, "../fora");
  EXPECT_TRUE(fs::exists(game.beside() + "fora.txt"));

  game.run("../fora");
  game.run(game.beside() + "fora");
  EXPECT_EQ(game.reg(1), "");
}

TEST(ResolverOutside, PicturesAndSoundsFromOutsideAreNotShownOrPlayed) {
  TestGame game;
  writeFilesBesideTheGame(game);
  game.writeLines("jogo.obz", {"anel"});
  game.writeLines("jogo.obx", {"anel", "Anel", "um anel", "jog", "../fora.bmp", "", "", ""});
  game.write("start.scp",
             "clearbuf 0000FF\n"
             "display= ../fora.bmp,tel,0,0\n"
             "display= " + game.beside() + "fora.bmp,tel,20,0\n"
             "linktel= ../fora.bmp,sala,40,0\n"
             "hud= ../fora.bmp\n"
             "showobj= anel,shp,tel,60,0,8,8\n"
             "dispobj= jog,tel,80,0,8,8,1\n"
             "refresh\n"
             "playsnd ../fora.wav\n"
             "playmusic ../fora.wav\n"
             "mode= 4\n"
             "cleartela 0000FF\n"
             "shape= ../fora.png,0,0,8,8\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: display= ../fora.bmp <--- arquivo inexistente!"));
  EXPECT_TRUE(game.traced("   3: linktel= ../fora.bmp <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   4: hud= ../fora.bmp <--- não existe este arquivo"));
  EXPECT_TRUE(game.traced("   8: playsnd ../fora.wav"));
  EXPECT_TRUE(game.traced("   9: playmusic ../fora.wav <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("  12: shape= ../fora.png <--- arquivo inexistente!"));
  const QImage& tela = pictureOf(game, "Tela");
  for (int x : {2, 22, 42, 62, 82}) EXPECT_NE(tela.pixel(x, 2), 0xFF00FF00u) << x;
  EXPECT_NE(taluvin::testing::screenOf(game).monitorBuffer().image().pixel(2, 2), 0xFF00FF00u);
}

}  // namespace
}  // namespace taluvin
