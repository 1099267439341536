// The trace's markers in English: every marker the engine writes has a gloss naming what its line shows.
#include "base/text.h"
#include "script/trace_glosses.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

using namespace taluvin;

namespace {

// A trace line as the log hands it on: Windows-1252, written here in UTF-8.
std::vector<std::string> glossesOf(const std::string& utf8Line, const GlossContext& context = {}) {
  std::vector<std::string> out;
  for (const std::string& gloss : glossesFor(utf8ToCp1252(utf8Line), context)) out.push_back(cp1252ToUtf8(gloss));
  return out;
}

}  // namespace

TEST(TraceGlosses, EachGlossNamesWhatItsLineShows) {
  EXPECT_EQ(glossesOf("   0: display= falta.png <--- arquivo inexistente!"),
            std::vector<std::string>{"the file \"falta.png\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("  12: reg= 300 <--- registrador fora de faixa"),
            std::vector<std::string>{"register 300 is outside the register table (registers 0 to the count of "
                                     "settings line 5); the command does nothing"});
  GlossContext known;
  known.registerCount = 100;
  EXPECT_EQ(glossesOf("  12: reg= 300 <--- registrador fora de faixa", known),
            std::vector<std::string>{
                "register 300 is outside the register table (registers 0 to 100); the command does nothing"});
  // Where a command keeps its name elsewhere than before the marker.
  EXPECT_EQ(glossesOf("   7: loadregs dados,1,0,1 <--- arquivo não existe"),
            std::vector<std::string>{"the file \"dados.scp\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("   7: reset objs <--- arquivo não existe (lanterna.obj) <--- arquivo não existe (mapa.obj)"),
            (std::vector<std::string>{"the object file \"lanterna.obj\" does not exist in the game folder",
                                      "the object file \"mapa.obj\" does not exist in the game folder"}));
  EXPECT_EQ(glossesOf("  18: visor= fig,0,0,10,10,a.png,,x, <--- arquivo não existe"),
            std::vector<std::string>{"the picture \"a.png\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("   6: getobj= 1lampada <--- objeto não existe"),
            std::vector<std::string>{"no object has the key \"lampada\" (keys are compared exactly, letter case "
                                     "included); nothing changes"});
  // A carried command, two markers on one line, the runner's own line.
  EXPECT_EQ(glossesOf("Exec: playmusic tema.mid <--- arquivo não existe"),
            std::vector<std::string>{"the file \"tema.mid\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("  15: ifreg# 1 <- saltoufim2 <--- não existe este label"),
            (std::vector<std::string>{"the condition holds: the line jumps to its label",
                                      "there is no label \":fim2\" in this script (labels are compared exactly, letter "
                                      "case included); the next line runs"}));
  EXPECT_EQ(glossesOf("Não encontrei o script: sala9.scp"),
            std::vector<std::string>{"the script \"sala9.scp\" does not exist in the game folder: the lines loaded "
                                     "before run again from their first line"});
  EXPECT_EQ(
      glossesOf("  23: return  <- retorno ao script start na linha: 4"),
      std::vector<std::string>{"return goes back to the script \"start\", after its line 4 (lines count from 0)"});
  EXPECT_EQ(glossesOf("   8: tiratudo sala1,sala2  <- objetos em sala1 que serão colocados em sala2."),
            std::vector<std::string>{"every object at \"sala1\" is put at \"sala2\"; the next trace line lists them"});
  EXPECT_EQ(glossesOf("   3: display= foto.png,tel,0,0,0,0 <--- imagem ilegível: PNG: Not a PNG file"),
            std::vector<std::string>{"the picture \"foto.png\" exists but cannot be read: PNG: Not a PNG file"});
  // Lines copied by hand: the index unpadded or gone, the command's other arguments shown.
  EXPECT_EQ(glossesOf("3: display= falta.png,tel,0,0 <--- arquivo inexistente!"),
            std::vector<std::string>{"the file \"falta.png\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("display= x.png <--- arquivo inexistente!"),
            std::vector<std::string>{"the file \"x.png\" does not exist in the game folder"});
  EXPECT_EQ(glossesOf("  12: reg= 300,Hello, world <--- registrador fora de faixa", known),
            std::vector<std::string>{
                "register 300 is outside the register table (registers 0 to 100); the command does nothing"});
  EXPECT_EQ(glossesOf("   1: playmusic off <--- arquivo não existe"),
            std::vector<std::string>{"the file \"off\" does not exist in the game folder"});
  // No marker, no gloss; a message that only mentions an arrow is no marker.
  EXPECT_TRUE(glossesOf("   2: msg= olá...").empty());
  EXPECT_TRUE(glossesOf("   2: reg= 1,a <-- b").empty());
  EXPECT_EQ(glossFor(utf8ToCp1252("   0: fim <-Encerrou a execução")), "the run ends here");
}

// A marker added to a handler without a gloss would reach the author in Portuguese only.
TEST(TraceGlosses, EveryMarkerInTheSourcesHasAGloss) {
  namespace fs = std::filesystem;
  const std::regex literal(R"re("((?:[^"\\]|\\.)*<-(?:[^"\\]|\\.)*)")re");
  int markers = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fs::path(TALUVIN_SOURCE_DIR) / "src")) {
    if (entry.path().extension() != ".cpp" || entry.path().filename() == "trace_glosses.cpp") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it) {
      std::string marker = (*it)[1];
      for (size_t at = marker.find("\\\""); at != std::string::npos; at = marker.find("\\\"", at + 1))
        marker.erase(at, 1);
      // The openings of notes written in English, and of a label's references, which glosses read whole.
      if (marker == " <--- " || marker == " <-") continue;
      ++markers;
      EXPECT_FALSE(glossesOf("   1: word echo" + marker + "tail").empty()) << entry.path().filename() << ": " << marker;
    }
  }
  EXPECT_GT(markers, 60);
}
