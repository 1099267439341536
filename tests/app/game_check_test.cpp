// taluvin --check: a game folder's mistakes as FILE:LINE lines, and the exit codes around them.
#include "app/command_table.h"
#include "app/check/game_check_keywords.h"
#include "support/program_run.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace taluvin;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

std::vector<std::string> outputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

void writeRaw(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// A game whose every file is as the player expects, ready for one mistake at a time.
void writeWellFormedGame(TestGame& game) {
  std::vector<std::pair<int, std::string>> settings{{5, "100"}, {17, "vocab"}, {18, "101018"}, {19, "E8E0C8"}};
  game.settings(settings);
  game.writeLines("jogo.rgs", std::vector<std::string>(101));
  game.writeLines("jogo.obz", {"chave"});
  game.writeLines("jogo.obx", {"chave", "uma chave", "dourada", "sala", "chave.bmp", "", "", ""});
  taluvin::testing::writePicture(game, "chave.bmp", 4, 4, qRgb(1, 2, 3));
  game.writeLines("vocab.scp", {"OLHAR | start", "/ESCONDIDO | @pos"});
}

}  // namespace

TEST(GameCheck, MistakesGameGivesExactlyTheExpectedLinesSortedByFileAndLine) {
  TestGame game;
  writeWellFormedGame(game);
  game.settings({{5, "100"}, {13, "abre.bmp"}, {17, "vocab"}, {18, "10101G"}, {19, "E8E0C8"}});
  game.writeLines("jogo.obx", {"chave", "uma chave", "dourada", "sala", "chave.bmp", "", "", "", "pedra", "x"});
  game.writeLines("vocab.scp", {"OLHAR | start", "PEGAR CHAVE", "NORTE | sala9&Prm=1", "SUL | @sul"});
  writeRaw(game.folder() + "foto.jpg", "");
  writeRaw(game.folder() + "ruim.png", "not a picture");
  game.writeLines("start.scp", {
                                   ":inicio",                    // 1
                                   "mgs= Olá",                   // 2: no keyword
                                   "goto fim2",                  // 3: no label
                                   ":inicio",                    // 4: label again
                                   "script sala3&Prm=2",         // 5: no script
                                   "display Foto.jpg,tel,0,0",   // 6: letter case
                                   "display falta.png,tel,0,0",  // 7: missing picture
                                   "display ruim.png,tel,0,0",   // 8: undecodable picture
                                   "reg= 300,x",                 // 9: register outside the table
                                   "cortxt= 12345",              // 10: colour of five digits
                                   "'a quote with mgs= in it",   // 11
                                   "over two lines' mgs= also",  // 12: the rest of the closing line is ignored
                                   "/ mgs= in a comment",        // 13
                                   "ifmod1 gosub,:nada",         // 14: a carried gosub to no label
                                   "msg= #999",                  // 15: a register the table lacks
                                   "regtxt= 1,'a text",          // 16
                                   "mgs= inside the literal'",   // 17
                                   "pausa=100",                  // 18: the blank is missing
                                   "norte= #5",                  // 19: built from a register: skipped
                                   "playmusic tema.mid",         // 20: missing music
                                   "script @norte",              // 21: an alias
                                   "instalfonte letra",          // 22: a font file that is none
                                   "display FOTO.JPG,tel,0,0",   // 23: shown as text
                                   "'a page with",               // 24
                                   "#lnk,sala4,a link",          // 25: no script
                                   "#fig,chave.bmp,start,8,8",   // 26
                                   "#shp,porta.gif' and more",   // 27: closing line: no form
                                   "defini= 19,FF00",            // 28: a colour line given no colour
                               });
  writeRaw(game.folder() + "letra.ttf", "this is no font");
  // Written as UTF-8: the player reads it as Windows-1252.
  writeRaw(game.folder() + "sala1.scp", "msg= ok\r\nmsg= ação\r\n");

  auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  const std::vector<std::string> lines{
      "jogo.ini:14: settings line 13: the opening picture \"abre.bmp\" does not exist",
      "jogo.ini:19: settings line 18: the background colour \"10101G\" is not six hexadecimal digits RRGGBB",
      "jogo.obx:1: 2 records of 8 lines, but jogo.obz names 1 object",
      "jogo.obx:10: the last record has 2 of its 8 lines (key, nom, dsc, loc, shp, tag and two spare lines)",
      "sala1.scp:2: the file is UTF-8, but the game's text files are read as Windows-1252: \"ç\" would show as "
      "\"Ã§\"",
      "start.scp:2: \"mgs=\" is no command; did you mean \"msg=\"?",
      "start.scp:3: no label \":fim2\" in this script",
      "start.scp:4: label \":inicio\" again; jumps find the first, at line 1",
      "start.scp:5: script \"sala3\" does not exist (sala3.scp)",
      "start.scp:6: picture \"Foto.jpg\" is found as \"foto.jpg\" (letter case differs)",
      "start.scp:6: picture \"Foto.jpg\" cannot be read: JPEG: Empty input file",
      "start.scp:7: picture \"falta.png\" does not exist",
      "start.scp:8: picture \"ruim.png\" cannot be read: PNG: Not a PNG file",
      "start.scp:9: register 300 is outside the table (registers 0 to 100)",
      "start.scp:10: colour \"12345\" is not six hexadecimal digits RRGGBB",
      "start.scp:14: no label \":nada\" in this script",
      "start.scp:15: \"#999\" names no register (registers 0 to 100); the run would end here",
      "start.scp:18: \"pausa=100\" is no command; did you mean \"pausa= 100\" (a blank after the command word)?",
      "start.scp:20: music \"tema.mid\" does not exist",
      "start.scp:22: font \"letra\" cannot be read: not a TrueType or OpenType font",
      "start.scp:23: \"FOTO.JPG\" shows as text, not as a picture: pictures are known by \".gif\", \".png\", "
      "\".jpg\" or \".bmp\" in small letters",
      "start.scp:25: script \"sala4\" does not exist (sala4.scp)",
      "start.scp:28: colour \"FF00\" is not six hexadecimal digits RRGGBB",
      "vocab.scp:2: a vocabulary line without \"|\" between its phrase and its script",
      "vocab.scp:3: script \"sala9\" does not exist (sala9.scp)",
  };
  EXPECT_EQ(outputLines(run.out), lines) << run.out;
}

TEST(GameCheck, DemoGamePassesCleanAndExitCodesTellFindingsFromAnUnreadableFolder) {
  auto demo = runProgram({"--check", std::string(TALUVIN_SOURCE_DIR) + "/games/demo"});
  EXPECT_EQ(demo.exitCode, 0) << demo.out << demo.err;
  EXPECT_EQ(demo.out, "");

  TestGame game;
  writeWellFormedGame(game);
  game.write("start.scp", "msg= olá\n");
  auto clean = runProgram({"--check", game.folder()});
  EXPECT_EQ(clean.exitCode, 0) << clean.out;

  auto missing = runProgram({"--check", game.beside() + "nada"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
  EXPECT_EQ(runProgram({"--check"}).exitCode, 2);
  // Checking writes nothing: the folder holds what it held.
  EXPECT_FALSE(game.exists("tmp.htm"));
  EXPECT_EQ(game.readLines("jogo.ini").size(), 101u);
}

TEST(GameCheck, TextsAndNamesTheGameBuildsAtRunTimeAreNotReported) {
  TestGame game;
  writeWellFormedGame(game);
  game.writeLines("start.scp", {
                                   "regtxt= 2,'first line",
                                   "nao e comando",
                                   "fim da frase'",
                                   "ifen= 3,'a text in English",
                                   "still text'",
                                   "linktel= Sair,http://example.org,0,0,10,10",
                                   "linktel= Mapa,picFmap,0,0,10,10",
                                   "script xvlt",
                                   "gosub @pos",
                                   "display #4,tel,0,0",
                                   "if= 1,x,goto,fim",
                                   "|goto fim",
                                   ":fim",
                                   "scriptcmd= vocab",
                               });
  auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 0) << run.out;
}

TEST(GameCheck, SoundsAndPicturesThatExistAreDecodedLikeThePlayerDecodesThem) {
  TestGame game;
  writeWellFormedGame(game);
  taluvin::testing::writeToneWav(game.folder() + "tom.wav", 0.1);
  taluvin::testing::writeMidiTune(game.folder() + "tema.mid", 2);
  writeRaw(game.folder() + "mudo.wav", "RIFF....no sound here");
  game.writeLines("start.scp", {"playsnd tom.wav", "playmusic tema.mid", "playsnd mudo.wav", "playsnd off",
                                "display chave.bmp,tel,0,0", "hud= chave.bmp", "playsnd naoha.wav"});
  auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 1);
  const auto lines = outputLines(run.out);
  ASSERT_EQ(lines.size(), 2u) << run.out;
  EXPECT_EQ(lines[0].rfind("start.scp:3: sound \"mudo.wav\" cannot be read: ", 0), 0u) << lines[0];
  // The player says nothing of a missing effect, so the check is where its author learns of it.
  EXPECT_EQ(lines[1], "start.scp:7: sound \"naoha.wav\" does not exist");
}

// The checker looks up what each row says its slots name: through any alias, and where the line's
// own slots decide (a sub-command, a picture's name, a "0" for none, the keyword's form).
TEST(GameCheck, EachSlotIsCheckedAsWhatItsRowSaysItNames) {
  TestGame game;
  writeWellFormedGame(game);
  game.writeLines("start.scp", {
                                   "lnkscr= porta.gif,sala2,0,0,8,8,1,dentro.png,bate.wav",  // 1
                                   "tic Porta,start,0,0,8,8",                                // 2: a label's text
                                   "ifdir= norte,Saida.GIF,0,0,8,8",                         // 3
                                   "if~ 1,a,z,gosub,:nada",                                  // 4
                                   "ifreg< 300,5,nada",                                      // 5
                                   "btxt= caixa,0,0,8,8,FFFFFF,b,0,2",                       // 6: "0" draws no box
                                   "gray= tel,0,1,0,0,8,8",                                  // 7: "0" is plain grey
                                   "rain= mask,off",                                         // 8
                                   "rain= mask,gotas.bmp",                                   // 9
                                   "visor= fig,0,0,8,8,v.bmp,chave.bmp,sala6",               // 10
                                   "visor= 360,0,0,8,8,faixa.bmp,chave.bmp,7",               // 11
                                   "diftime# 1,2,3,300",                                     // 12
                                   "diftime 1,2,3,300",                                      // 13: two registers only
                                   "playsunnd off",                                          // 14
                                   "defini= 17,lista",                                       // 15
                                   "hud= 10,10",                                             // 16
                                   "showmap off,marca.bmp",                                  // 17
                               });
  game.writeLines("lista.scp", {"NADA"});
  auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 1);
  const std::vector<std::string> lines{
      "lista.scp:1: a vocabulary line without \"|\" between its phrase and its script",
      "start.scp:1: picture \"porta.gif\" does not exist",
      "start.scp:1: script \"sala2\" does not exist (sala2.scp)",
      "start.scp:1: picture \"dentro.png\" does not exist",
      "start.scp:1: sound \"bate.wav\" does not exist",
      "start.scp:1: the zone of \"porta.gif\" is 8 × 8 pixels, too small to click; give it a width and height of 10 or "
      "more",
      "start.scp:3: \"Saida.GIF\" shows as text, not as a picture: pictures are known by \".gif\", \".png\", "
      "\".jpg\" or \".bmp\" in small letters",
      "start.scp:4: no label \":nada\" in this script",
      "start.scp:5: register 300 is outside the table (registers 0 to 100)",
      "start.scp:5: no label \":nada\" in this script",
      "start.scp:9: picture \"gotas.bmp\" does not exist",
      "start.scp:10: picture \"v.bmp\" does not exist",
      "start.scp:10: script \"sala6\" does not exist (sala6.scp)",
      "start.scp:11: picture \"faixa.bmp\" does not exist",
      "start.scp:12: register 300 is outside the table (registers 0 to 100)",
      "start.scp:13: \"diftime\" reads 2 arguments, so \"3,300\" is ignored",
      "start.scp:17: \"showmap\" reads 1 argument, so \"marca.bmp\" is ignored",
  };
  EXPECT_EQ(outputLines(run.out), lines) << run.out;
}

TEST(GameCheck, SlipsFindTheirKeyword) {
  EXPECT_EQ(unknownWordMessage(commandTable(), "MSG="), "\"MSG=\" is no command; keywords are written in small letters: \"msg=\"");
  EXPECT_EQ(unknownWordMessage(commandTable(), "xyzzy"), "\"xyzzy\" is no command");
  EXPECT_EQ(unknownWordMessage(commandTable(), "gotto"), "\"gotto\" is no command; did you mean \"goto\"?");
}

TEST(GameCheck, GamesWrittenByNewPassCleanInEveryModel) {
  TestGame scratch;
  for (const char* model : {"0", "1", "2", "3", "4"}) {
    const std::string folder = scratch.beside() + "novo" + model;
    auto made = runProgram({"--new", folder, "--model", model});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    auto run = runProgram({"--check", folder});
    EXPECT_EQ(run.exitCode, 0) << "model " << model << ":\n" << run.out;
  }
}

TEST(GameCheck, SettingsAndRegisterFilesAreReadAsThePlayerOpensThem) {
  TestGame game;
  writeWellFormedGame(game);
  game.settings({{5, "250"}, {8, "Start"}, {17, "vocab"}, {66, "bot.bmp"}, {94, "#10"}});
  game.write("start.scp", "reg= 200,x\n");
  auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 1);
  const std::vector<std::string> lines{
      "jogo.ini:9: settings line 8: the return script \"Start\" is found as \"start.scp\" (letter case differs)",
      "jogo.ini:67: settings line 66: the end button's picture \"U-bot.bmp\" does not exist",
      "jogo.ini:67: settings line 66: the end button's picture \"D-bot.bmp\" does not exist",
      "jogo.ini:95: settings line 94: the command panel's colour \"#10\" is not six hexadecimal digits RRGGBB",
      "jogo.rgs:101: holds registers 0 to 100, but the game's settings line 5 counts 250; \"#101\" and above would end a "
      "run",
      "start.scp:1: register 200 is outside the table (registers 0 to 100)",
  };
  EXPECT_EQ(outputLines(run.out), lines) << run.out;

  std::filesystem::remove(game.folder() + "taluvin.ini");
  auto unnamed = runProgram({"--check", game.folder()});
  EXPECT_EQ(unnamed.exitCode, 1);
  EXPECT_EQ(outputLines(unnamed.out).front(),
            "taluvin.ini:1: the program's settings file is missing; its settings line 4 names the game");
}
