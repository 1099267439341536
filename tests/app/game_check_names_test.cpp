// taluvin --check on names the player finds only in another letter case, or among several such names.
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

void writePng(TestGame& game, const std::string& name) {
  QImage image(4, 4, QImage::Format_RGB888);
  image.fill(0xFF336699);
  ASSERT_TRUE(image.save(QString::fromStdString(game.folder() + name), "PNG")) << name;
}

TEST(GameCheckNames, NamesFoundOnlyInAnotherCaseOrAmongSeveralAreReportedAndCapitalScriptsAreChecked) {
  TestGame game;
  std::filesystem::create_directory(game.folder() + "IMG");
  for (const char* name : {"azul.png", "AZUL.png", "Foto.PNG", "IMG/Verde.png"}) writePng(game, name);
  game.write("SALA2.SCP", "mgs= olá\n");
  game.write("start.scp",
             "display= azul.png,tel,0,0\n"
             "display= foto.png,tel,0,0\n"
             "script Sala2\n"
             "display= img\\verde.png,tel,0,0\n"
             "display= Azul.png,tel,0,0\n");
  const auto run = runProgram({"--check", game.folder()});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  std::vector<std::string> lines;
  std::istringstream out(run.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  const std::vector<std::string> expected{
      "SALA2.SCP:1: \"mgs=\" is no command; did you mean \"msg=\"?",
      "start.scp:1: picture \"azul.png\" could also be \"AZUL.png\" (letter case differs); \"azul.png\" is used",
      "start.scp:2: picture \"foto.png\" is found as \"Foto.PNG\" (letter case differs)",
      "start.scp:3: script \"Sala2\" is found as \"SALA2.SCP\" (letter case differs)",
      "start.scp:4: picture \"img\\verde.png\" is found as \"IMG/Verde.png\" (letter case differs)",
      "start.scp:5: picture \"Azul.png\" is found as \"AZUL.png\" (letter case differs)",
      "start.scp:5: picture \"Azul.png\" could also be \"azul.png\" (letter case differs); \"AZUL.png\" is used",
  };
  for (const std::string& line : expected)
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line << "\nin:\n" << run.out;
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& line) { return line.find("letter case") != std::string::npos; }),
            6)
      << run.out;
}

}  // namespace
