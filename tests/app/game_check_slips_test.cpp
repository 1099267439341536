// taluvin --check on the slips a new author makes that the player takes without a word: texts that
// run on or are cut at a comma, zones too small to click, records out of place, a vocabulary named amiss.
#include "support/program_run.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

std::vector<std::string> outputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> checkLines(const TestGame& game) {
  auto run = runProgram({"--check", game.folder()});
  EXPECT_NE(run.exitCode, 2) << run.err;
  return outputLines(run.out);
}

void writeGame(TestGame& game, const std::string& model = "1") {
  game.settings({{5, "100"}, {17, "vocab"}, {26, model}});
  game.writeLines("jogo.rgs", std::vector<std::string>(101));
  game.writeLines("vocab.scp", {"OLHAR | start"});
}

}  // namespace

TEST(GameCheckSlips, TextsThatRunOnOrEndAtACommaAreReportedWhereTheyStart) {
  TestGame game;
  writeGame(game);
  game.writeLines("jogo.obz", {"lampada"});
  game.writeLines("jogo.obx", {"lampada", "a lamp", "", "start", "", "", "", ""});
  game.writeLines("start.scp", {
                                   "reg= 2,Click doors, type LOOK",        // 1: the rest is never read
                                   "setdscobj= lampada,Old, but it works",  // 2
                                   "display Hello, world,tel,0,0",         // 3: the text's rest lands on the surface
                                   "reg= 3,Click doors^ type LOOK",        // 4: a comma written as "^"
                                   "msg= Doors, windows, all of them",     // 5: msg= takes the whole line
                                   "btxt= Title, 10, 20,$,40",             // 6: numbers may follow a blank
                                   "'A closed quote",                      // 7
                                   "over two lines.'",                     // 8
                                   "pausa= 100,20",                        // 9: one argument read
                                   "linktel= Door,start,ten,0",            // 10: a number that is none
                                   "regtxt= 4,'a text that never",         // 11
                                   "ends",                                 // 12
                                   "reg= 5,x",                             // 13: inside the literal
                               });
  game.writeLines("sala.scp", {
                                  "msg= before",      // 1
                                  "'The intro text",  // 2: never closed
                                  "",                 // 3
                                  "script sala2",     // 4: taken as text, never run, never checked
                                  "fim",              // 5
                              });
  game.writeLines("fim.scp", {"msg= the end", "'a last quote left open"});
  game.writeLines("pega.scp", {
                                  "getobj= lampada",          // 1: "getobj" takes; this reads into a register
                                  "getobj= 3,lampada,nom",    // 2: fine
                                  "reg= abc,5",               // 3: register 0 changed unseen
                                  "getobj lampada",           // 4: fine
                              });
  const std::vector<std::string> lines{
      "pega.scp:1: argument 1 of \"getobj=\" is a register number, not \"lampada\"; to take the object write "
      "\"getobj lampada\" (no \"=\")",
      "pega.scp:3: argument 1 of \"reg=\" is a register number, not \"abc\"",
      "sala.scp:2: the quote text opening here is never closed with \"'\": lines 3 to 5, the rest of the script, "
      "are taken as its text and none of their commands runs",
      "start.scp:1: the text \"Click doors\" ends at the comma after it, and \" type LOOK\" is left over (\"reg=\" "
      "reads 2 arguments); write \"^\" where a text shows a comma",
      "start.scp:2: the text \"Old\" ends at the comma after it, and \" but it works\" is left over (\"setdscobj=\" "
      "reads 2 arguments); write \"^\" where a text shows a comma",
      "start.scp:3: the text \"Hello\" ends at the comma after it, and \" world,tel,0,0\" lands in argument 2; write "
      "\"^\" where a text shows a comma",
      "start.scp:9: \"pausa=\" reads 1 argument, so \"20\" is ignored",
      "start.scp:10: argument 3 of \"linktel=\" is a number, not \"ten\"",
      "start.scp:11: the text literal opening here is never closed with \"'\": lines 12 to 13, the rest of the "
      "script, are taken as its text and none of their commands runs",
  };
  EXPECT_EQ(checkLines(game), lines);
}

TEST(GameCheckSlips, ZonesTooSmallToClickAndAMonitorThatNeverShows) {
  TestGame game;
  writeGame(game, "4");
  taluvin::testing::writePicture(game, "ponto.bmp", 8, 8, qRgb(1, 2, 3));
  taluvin::testing::writePicture(game, "porta.bmp", 40, 60, qRgb(1, 2, 3));
  game.writeLines("start.scp", {
                                   "modo= 4",                              // 1: the game is in model 4 already
                                   "linktel= ponto.bmp,start",             // 2: the picture's own 8 x 8
                                   "linktel= ponto.bmp,start,0,0,30,30",   // 3: stretched: fine
                                   "linktel= porta.bmp,start,0,0,0,6",     // 4: a given height of 6
                                   "click ponto.bmp,start,5,5,0,0",        // 5
                                   "linkfunc= porta.bmp,start",            // 6: fine
                                   "linkpainel= ponto.bmp,start,0,0,#3,9", // 7: sized by a register: unknown
                                   "linktel= Sair,start",                  // 8: a label: sized by its text
                               });
  game.writeLines("sala.scp", {"modo= 4", "msg= in a room"});
  const std::vector<std::string> modelFour{
      "sala.scp:1: \"modo= 4\" changes nothing in a game that opens in model 4 (settings line 26), so the monitor "
      "window never shows; write \"mode= 4\"",
      "start.scp:1: \"modo= 4\" changes nothing in a game that opens in model 4 (settings line 26), so the monitor "
      "window never shows; write \"mode= 4\"",
      "start.scp:2: the zone of \"ponto.bmp\" is 8 × 8 pixels (the picture's own size), too small to click; give it "
      "a width and height of 10 or more",
      "start.scp:4: the zone of \"porta.bmp\" is 40 × 6 pixels (the picture's width), too small to click; give it a "
      "width and height of 10 or more",
      "start.scp:5: the zone of \"ponto.bmp\" is 8 × 8 pixels (the picture's own size), too small to click; give it "
      "a width and height of 10 or more",
  };
  EXPECT_EQ(checkLines(game), modelFour);

  // Once a script shows the monitor, "modo= 4" in a room is how the game stays there; only the
  // start's, before any other model line, is surely a mistake.
  game.writeLines("sala2.scp", {"mode= 4"});
  const auto shown = checkLines(game);
  EXPECT_EQ(std::count_if(shown.begin(), shown.end(), [](const std::string& line) { return line.find("modo=") != std::string::npos; }), 1);
  EXPECT_EQ(shown.front().rfind("start.scp:1: \"modo= 4\"", 0), 0u) << shown.front();

  // The first room start.scp hands on to, before any model line, is the start's too; a gosub on
  // the way may switch the model itself, so the room is then left alone.
  game.writeLines("start.scp", {"reset objs", "retscp= start", "script sala"});
  const auto handedOn = checkLines(game);
  ASSERT_FALSE(handedOn.empty());
  EXPECT_EQ(handedOn.front().rfind("sala.scp:1: \"modo= 4\"", 0), 0u) << handedOn.front();
  game.writeLines("start.scp", {"gosub sala2", "script sala"});
  for (const std::string& line : checkLines(game)) EXPECT_EQ(line.find("modo="), std::string::npos) << line;

  // In the other models the page of the opening model is already shown, so the line is harmless.
  writeGame(game, "1");
  game.writeLines("start.scp", {"modo= 1", "msg= hello"});
  game.writeLines("sala.scp", {"modo= 1"});
  EXPECT_EQ(checkLines(game), std::vector<std::string>{});
}

TEST(GameCheckSlips, ObjectRecordsAndRegisterDataAreMeasuredWhereTheyGoWrong) {
  TestGame game;
  writeGame(game);
  // The middle record lost its tag: the short record is blamed, not the last one.
  game.writeLines("jogo.obz", {"zeta", "alfa", "meio"});
  game.writeLines("jogo.obx", {"alfa", "A", "a", "start", "", "", "", "",  //
                               "meio", "M", "m", "start", "", "", "",      // seven lines
                               "zeta", "Z", "z", "start", "", "", "", ""});
  game.writeLines("alfa.obj", {"alfa", "A", "a", "start", "", "", "", ""});
  game.writeLines("meio.obj", {"Meio", "M", "m"});
  game.writeLines("dados.scp", {"um", "dois", "tres"});
  game.writeLines("start.scp", {
                                   "reset objs",              // 1: zeta.obj is missing
                                   "reset obj,alfa",          // 2: fine
                                   "reset obj,ninguem",       // 3: no such object
                                   "loadregs dados,10,0,3",   // 4: fine
                                   "loadregs dados,10,1,3",   // 5: past the file's end
                                   "loadregs dados,99,0,3",   // 6: past the table
                                   "loadregs dados,10,0,9",   // 7: more than the file holds
                                   "loadregs outros,1,0,1",   // 8: no such file
                                   "loadregs",                // 9: the register file
                               });
  const std::vector<std::string> lines{
      "jogo.obx:9: the record of \"meio\" has 7 of its 8 lines (key, nom, dsc, loc, shp, tag and two spare lines): "
      "the next object \"zeta\" starts on line 16, so every record after it is read out of place",
      "meio.obj:1: the first line \"Meio\" is not the object's key \"meio\"; after \"reset objs\" scripts no longer "
      "find the object by its name",
      "meio.obj:3: has 3 of the 8 lines of the object's record (key, nom, dsc, loc, shp, tag and two spare lines)",
      "start.scp:1: \"reset objs\" reloads every object from its own file, but \"zeta.obj\" does not exist; such an "
      "object keeps only its key",
      "start.scp:3: \"ninguem\" is no object of the catalogue; nothing is reloaded",
      "start.scp:5: lines 1 to 3 (counted from 0) run past the end, as \"dados.scp\" has 3 lines; the run would end "
      "there",
      "start.scp:6: registers 99 to 101 run past the table (registers 0 to 100); the run would end there",
      "start.scp:7: loadregs copies 9 lines, but \"dados.scp\" has 3 lines; it copies nothing",
      "start.scp:8: the file \"outros.scp\" that loadregs copies from does not exist",
  };
  // The data file is no script: its lines are no unknown commands.
  EXPECT_EQ(checkLines(game), lines);

  // Commands find a record by its key, so records out of the catalogue's order are measured by the
  // keys they hold; a record whose name repeats its key is no short one.
  game.writeLines("jogo.obx", {"zeta", "zeta", "z", "start", "", "", "", "",  //
                               "meio", "M", "m", "start", "", "",              // six lines
                               "alfa", "A", "a", "start", "", "", "", ""});
  const auto reordered = checkLines(game);
  ASSERT_FALSE(reordered.empty());
  EXPECT_EQ(reordered.front(),
            "jogo.obx:9: the record of \"meio\" has 6 of its 8 lines (key, nom, dsc, loc, shp, tag and two spare "
            "lines): the next object \"alfa\" starts on line 15, so every record after it is read out of place");
}

TEST(GameCheckSlips, AVocabularyNamedAmissIsStillReadAsOneAndTheNameMeantIsSuggested) {
  TestGame game;
  writeGame(game);
  game.settings({{5, "100"}, {17, "wrods"}, {75, "sala3"}});
  std::filesystem::remove(game.folder() + "vocab.scp");
  std::vector<std::string> words;
  for (const char* phrase : {"LOOK", "NORTH", "SOUTH", "TAKE LAMP", "/HIDDEN"}) words.push_back(std::string(phrase) + " | start");
  words.push_back("OPEN DOOR");
  game.writeLines("words.scp", words);
  game.writeLines("sala1.scp", {"msg= a room"});
  game.writeLines("start.scp", {"script sala1", "msg= Olá | a bar in a message is no vocabulary"});
  const std::vector<std::string> lines{
      "jogo.ini:18: settings line 17: the vocabulary script \"wrods\" does not exist (wrods.scp); did you mean "
      "\"words\"?",
      // Numbered rooms are no slips for each other.
      "jogo.ini:76: settings line 75: the script for a phrase not understood \"sala3\" does not exist (sala3.scp)",
      "words.scp:6: a vocabulary line without \"|\" between its phrase and its script",
  };
  EXPECT_EQ(checkLines(game), lines);
}
