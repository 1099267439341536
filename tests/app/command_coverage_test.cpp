// The dispatch table run row by row: every command with a handler runs as a script line in each
// screen model, and has a script-level test of its own somewhere in the suite.
#include "app/command_table.h"
#include "base/run_abort.h"
#include "base/text.h"
#include "present/picture_samples.h"
#include "script/interpreter.h"
#include "state/game_session.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using taluvin::commandTable;
using taluvin::CommandEntry;
using taluvin::testing::TestGame;

namespace {

// Arguments that make a sound line for each row, by its first keyword. Rows whose arguments are
// "none" need no entry. "{M}" stands for the screen model the game runs in, so switching the model
// keeps the rest of the sweep in it. Lines after the first belong to the same script: the label a
// line jumps to, and the line "saltou" after it, which shows the jump was made (a line that jumps is
// not traced itself). Rows not carried out yet have samples too, so they are swept once they are.
const std::map<std::string_view, std::string_view> kSampleArguments = {
    {"script", "alvo"},
    {"pausa=", "1"},
    {"msg+", "mais texto, com vírgula"},
    {"msg=", "texto, com vírgula"},
    {"fonte=", "Arial,12,FF0000,1,0,1"},
    {"param=", "1,prm"},
    {"retscp=", "alvo"},
    {"setpos=", "sala"},
    {"getvar=", "1,Posic"},
    {"corfnd=", "00FF00"},
    {"fntsize=", "3"},
    {"fntface=", "Arial"},
    {"fntsty=", "bi"},
    {"corlnk=", "0000FF"},
    {"corvzk=", "800080"},
    {"cortxt=", "FFFFFF"},
    {"gosub", ":alvo\n:alvo\nsaltou"},
    {"reset", "regs"},
    {"playmusic", "nada.mid"},
    {"volume=", "50"},
    {"playsnd", "off"},
    {"modo=", "{M},320,200"},
    {"getobj=", "1,anel,dsc"},
    {"setobj=", "anel,nom,Anel dourado"},
    {"tiratudo", "loc,jog"},
    {"pegobj", "anel"},
    {"soltaobj=", "anel"},
    {"ifobj=", "anel,loc,alvo\n:alvo\nsaltou"},
    {"ifobj#", "anel,loc,alvo\n:alvo\nsaltou"},
    {"conta", "loc,1"},
    {"lstobj=", "1,jog"},
    {"lstobjlnk=", "1,jog"},
    {"listaobjetos", "jog"},
    {"cleartela", "000000"},
    {"clearbuf", "000000"},
    {"clearfunc", "000000"},
    {"postxt=", "10,10"},
    {"lnfeed=", "5"},
    {"btxt=", "caixa,0,0,100,40,FFFFFF,b,000000,2"},
    {"dispobj=", "jog,fnc,0,0,100,100,5"},
    {"display", "p.bmp,tel,0,0,8,8"},
    {"showobj=", "anel,tit,msg,0,0,100,20"},
    {"tem?", "anel,alvo\n:alvo\nsaltou"},
    {"aquitem?", "anel,alvo\n:alvo\nsaltou"},
    {"objeto=", "anel"},
    {"getultobj=", "1"},
    {"hud=", "p.bmp"},
    {"telpos=", "p.bmp,alvo"},
    {"loadmap=", "p.bmp,p.bmp"},
    {"defpicmap=", "tel,0,0,8,8"},
    {"picmap=", "0,0"},
    {"showmap", "on,p.bmp,1,1"},
    {"posmap=", "1,1,0,0"},
    {"addmap=", "1,1,p.bmp,mapa.bmp"},
    {"linksoff", "tel"},
    {"norte=", "alvo"},
    {"sul=", "alvo"},
    {"leste=", "alvo"},
    {"oeste=", "alvo"},
    {"entrar=", "alvo"},
    {"sair=", "alvo"},
    {"subir=", "alvo"},
    {"descer=", "alvo"},
    {"linktel=", "p.bmp,alvo,0,0,8,8"},
    {"ifdir=", "norte,Norte,0,0,8,8"},
    {"linkfunc=", "p.bmp,alvo,0,0,8,8"},
    {"linkpainel=", "p.bmp,alvo,0,0,8,8"},
    {"telacorfnd=", "000080"},
    {"telacortxt=", "FFFF00"},
    {"telafntnome=", "Arial"},
    {"telafntalt=", "14"},
    {"reg=", "1,x"},
    {"reg$", "1,y"},
    {"trim", "1"},
    {"regtxt=", "1,'um texto'"},
    {"reg-", "2,1"},
    {"reg+", "2,5"},
    {"reg*", "2,3"},
    {"reg:", "2,4"},
    {"reg/", "2,2"},
    {"reg?", "2,10"},
    {"ifreg=", "2,0,alvo\n:alvo\nsaltou"},
    {"ifreg#", "2,0,alvo\n:alvo\nsaltou"},
    {"ifreg>", "2,0,alvo\n:alvo\nsaltou"},
    {"ifreg<", "2,0,alvo\n:alvo\nsaltou"},
    {"getdir", "1,norte"},
    {"ifnor", "reg=,3,x"},
    {"ifsul", "reg=,3,x"},
    {"ifles", "reg=,3,x"},
    {"ifoes", "reg=,3,x"},
    {"ifmod0", "reg=,3,x"},
    {"ifmod1", "reg=,3,x"},
    {"ifmod2", "reg=,3,x"},
    {"ifmod3", "reg=,3,x"},
    {"ifmod4", "reg=,3,x"},
    {"if=", "1,x,reg=,3,y"},
    {"if#", "1,x,reg=,3,y"},
    {"if>", "2,1,reg=,3,y"},
    {"if<", "2,1,reg=,3,y"},
    {"if~", "1,a,z,reg=,3,y"},
    {"scriptcmd=", "alvo"},
    {"setfoco=", "msg"},
    {"loadpainel", "p.bmp"},
    {"barratop", "off"},
    {"defini=", "60,x"},
    {"defcom=", "alvo"},
    {"cinza=", "tel,808080,1,0,0,8,8"},
    {"chuva=", "off"},
    {"altura=", "100"},
    {"veltec=", "0"},
    {"poeobj=", "anel,loc"},
    {"temos?", "anel,alvo\n:alvo\nsaltou"},
    {"getlng", "1"},
    {"putlng", "pt"},
    {"ifbr=", "1,'sim'"},
    {"ifloc=", "sala,alvo\n:alvo\nsaltou"},
    {"ifloc#", "sala,alvo\n:alvo\nsaltou"},
    {"efeito=", "direto"},
    {"visor", "off"},
    {"click", "p.bmp,alvo,0,0,8,8"},
    {"instalfonte", "nenhuma"},
    {"borda=", "2,FF0000"},
    {"ifma=", "reg=,3,z"},
    {"ifgen=", "reg=,3,z"},
    {"loadregs", ""},
    {"inptdef=", "Arial,FFFFFF,000000,10,1,biu"},
    {"inptreg=", "1,0,0,100,20,alvo"},
    {"align=", "center"},
    {"legenda=", "legenda,0,0,100,20"},
    {"shape=", "p.bmp,0,0,8,8,alvo"},
    {"inkey", "1"},
    {"scroll", "up,0,0,8,8,1"},
    {"sethoje", ""},
    {"setagora", ""},
    {"diftime", "1,2"},
    {"showdate", "1,hoje"},
    {"showtime", "1,agora"},
    {"encerrar", "0"},
    {"getxy", "1,2"},
    {"memo", "um texto,0,0,100,50"},
    {"margem", "1,2,3,4"},
    {"texto", "um texto"},
    {"texto=", "outro texto"},
    {"scrollbar=", "auto"},
    {"goto", "alvo\n:alvo\nsaltou"},
};

// Ends the program, so it runs once the rest of the sweep is done.
constexpr std::string_view kEndsTheProgram = "encerrar";

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

bool aborted(const std::vector<std::string>& trace) {
  return std::any_of(trace.begin(), trace.end(), [](const std::string& line) {
    return startsWith(line, "List index out of bounds") ||
           line.find("is not a valid integer value") != std::string::npos;
  });
}

// The script line a row runs as, with the model filled in.
std::string sampleLine(const CommandEntry& row, char model) {
  std::string line(row.keywords.front());
  if (auto sample = kSampleArguments.find(row.keywords.front()); sample != kSampleArguments.end())
    line += ' ' + std::string(sample->second);
  for (auto at = line.find("{M}"); at != std::string::npos; at = line.find("{M}")) line.replace(at, 3, 1, model);
  return line;
}

// What running one row's line showed.
struct RowRun {
  std::string line;
  bool dispatched = false;
  bool aborted = false;
  std::string trace;  // shown when a check fails
};

// A game with an object, a picture and a script for lines to call, started in one screen model.
struct SweepGame {
  explicit SweepGame(char model) : model(model) {
    game.settings({{10, "sala"}, {26, std::string(1, model)}});
    game.writeLines("jogo.obz", {"anel"});
    game.writeLines("jogo.obx", {"anel", "Anel", "um anel", "sala", "p.bmp", "t1", "", ""});
    const taluvin::test::Bytes grey(8 * 8 * 3, 0x80);
    taluvin::test::writeBytes(game.folder() + "p.bmp", taluvin::test::bmpFile(8, 8, 24, {}, grey, false));
    game.write("alvo.scp", "reg= 9,alvo\n");
    game.write("start.scp", "");
    game.start();
  }

  RowRun run(const CommandEntry& row) {
    RowRun result;
    result.line = sampleLine(row, model);
    game.write("linha.scp", result.line + "\n");
    game.clearTrace();
    game.run("linha");
    const auto& trace = game.trace();
    // A handler that restarts dispatch with another command replaces the line's trace by "Exec: "
    // and that command; a line that jumps leaves no trace of its own, only the line after its
    // label, with the label itself skipped.
    const auto tracedHere = [&](std::string_view prefix) {
      return std::any_of(trace.begin(), trace.end(), [&](const std::string& line) { return startsWith(line, prefix); });
    };
    const bool jumped = tracedHere("   2: saltou ") && !tracedHere("   1: :alvo");
    const bool traced = tracedHere("   0: " + std::string(row.keywords.front()) + " ");
    result.dispatched = traced || tracedHere("Exec: ") || jumped;
    result.aborted = aborted(trace);
    for (const auto& line : trace) result.trace += "\n  " + line;
    return result;
  }

  TestGame game;
  char model;
};

// Every row with a handler, the one that ends the program last.
std::vector<size_t> rowsToSweep() {
  std::vector<size_t> rows;
  const auto& table = commandTable();
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].handler && table[i].keywords.front() != kEndsTheProgram) rows.push_back(i);
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].handler && table[i].keywords.front() == kEndsTheProgram) rows.push_back(i);
  return rows;
}

}  // namespace

TEST(CommandCoverage, EveryRowHasASampleLineUnlessItTakesNoArguments) {
  for (const auto& row : commandTable().entries()) {
    EXPECT_FALSE(row.arguments.empty()) << row.keywords.front();
    if (row.arguments != "none") {
      EXPECT_TRUE(kSampleArguments.count(row.keywords.front())) << row.keywords.front();
    }
  }
  for (const auto& [keyword, sample] : kSampleArguments) EXPECT_GE(commandTable().find(keyword), 0) << keyword;
}

TEST(CommandCoverage, EveryRowWithAHandlerRunsAsAScriptLineInEveryModel) {
  for (char model : {'0', '1', '2', '3', '4'}) {
    SCOPED_TRACE(std::string("model ") + model);
    SweepGame sweep(model);
    for (size_t i : rowsToSweep()) {
      const auto result = sweep.run(commandTable()[i]);
      EXPECT_TRUE(result.dispatched) << result.line << "\ntrace:" << result.trace;
      EXPECT_FALSE(result.aborted) << result.line << "\ntrace:" << result.trace;
    }
    // Still sound after every row: a plain line runs, and the run's state reaches its files.
    sweep.game.write("fim.scp", "reg= 9,depois\n");
    sweep.game.run("fim");
    EXPECT_EQ(sweep.game.reg(9), "depois");
    EXPECT_EQ(sweep.game.readLines("jogo.rgs").at(9), "depois");
  }
}

// "Goes on" only matters where a handler rewrote the command word and ended with a plain Done:
// testing then reaches the entry holding the new word within the same line. Every handler is
// called as dispatch calls it for its row's line; any that leaves such a word must go on, and the
// word must lie after it in test order, or the command it hands the line to never runs.
TEST(CommandCoverage, AHandlerThatRewritesTheWordGoesOnToALaterEntry) {
  SweepGame sweep('1');
  auto& ip = sweep.game.player().interpreter();
  auto& session = sweep.game.player().session();
  std::vector<std::string> handingOn;
  for (size_t i : rowsToSweep()) {
    const auto& row = commandTable()[i];
    if (row.keywords.front() == kEndsTheProgram) continue;
    // The interpreter as dispatch leaves it for line 0 of the row's script: word, slots, trace.
    std::string script = taluvin::utf8ToCp1252(sampleLine(row, '1'));
    taluvin::Lines lines;
    for (std::string_view rest = script;;) {
      const auto end = rest.find('\n');
      lines.emplace_back(rest.substr(0, end));
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
    session.ScriptLines = std::move(lines);
    session.CurLine = 0;
    const std::string& line = session.ScriptLines.front();
    ip.readCommandLine(0);
    ip.Trace = "   0: " + ip.Cmd + " ";
    taluvin::Flow flow = taluvin::Flow::Done;
    try {
      flow = row.handler(ip);
    } catch (const taluvin::RunAbort& failure) {
      ADD_FAILURE() << line << ": " << failure.what();
      continue;
    }
    if (flow.kind() != taluvin::Flow::Kind::Done || ip.Cmd == row.keywords.front()) continue;
    handingOn.push_back(std::string(row.keywords.front()) + " -> " + ip.Cmd);
    EXPECT_TRUE(row.goesOn) << line << " hands the line to " << ip.Cmd;
    EXPECT_GT(commandTable().find(ip.Cmd), static_cast<int>(i)) << line << " hands the line to " << ip.Cmd;
  }
  // At least "gosub" to a label hands its line on, or this test checks nothing.
  EXPECT_FALSE(handingOn.empty());
}

namespace {

// The lines that begin inside the string literals of a C++ source: each literal's start, and each
// point after an escaped line break in it. Leading blanks and the command bar are dropped. A single
// word handed to a function as its first argument is a name (a script to run, a keyword to look
// up), not a line.
std::vector<std::string> scriptLinesInLiterals(const std::string& source) {
  std::vector<std::string> lines;
  auto addLinesOf = [&](std::string_view literal, std::string_view lineBreak) {
    for (size_t start = 0;;) {
      const size_t end = literal.find(lineBreak, start);
      std::string_view line = literal.substr(start, end == std::string_view::npos ? end : end - start);
      while (!line.empty() && (line.front() == ' ' || line.front() == '|')) line.remove_prefix(1);
      lines.emplace_back(line);
      if (end == std::string_view::npos) break;
      start = end + lineBreak.size();
    }
  };
  const std::string_view text = source;
  for (size_t i = 0; i < text.size(); ++i) {
    if (startsWith(text.substr(i), "//")) {
      i = text.find('\n', i);
      if (i == std::string_view::npos) break;
    } else if (startsWith(text.substr(i), "/*")) {
      i = text.find("*/", i + 2);
      if (i == std::string_view::npos) break;
      ++i;
    } else if (text[i] == '\'') {
      // A character literal, unless the quote separates digits.
      if (i > 0 && std::isalnum(static_cast<unsigned char>(text[i - 1]))) continue;
      for (++i; i < text.size() && text[i] != '\''; ++i)
        if (text[i] == '\\') ++i;
    } else if (text[i] == '"') {
      const bool raw = i > 0 && text[i - 1] == 'R';
      if (raw) {
        const size_t open = text.find('(', i);
        if (open == std::string_view::npos) break;
        const std::string close = ")" + std::string(text.substr(i + 1, open - i - 1)) + "\"";
        const size_t end = text.find(close, open);
        if (end == std::string_view::npos) break;
        addLinesOf(text.substr(open + 1, end - open - 1), "\n");
        i = end + close.size() - 1;
        continue;
      }
      size_t end = i + 1;
      for (; end < text.size() && text[end] != '"'; ++end)
        if (text[end] == '\\') ++end;
      const auto literal = text.substr(i + 1, end - i - 1);
      const auto before = text.find_last_not_of(" \t\n", i == 0 ? 0 : i - 1);
      const bool name = literal.find(' ') == std::string_view::npos && literal.find("\\n") == std::string_view::npos &&
                        before != std::string_view::npos && text[before] == '(';
      if (!name) addLinesOf(literal, "\\n");
      i = end;
    }
  }
  return lines;
}

// Replay files share the word "click" with the script language; theirs is followed by a position,
// two numbers and a blank between them, where the command takes comma-separated arguments.
bool isReplayClick(std::string_view line) {
  if (!startsWith(line, "click ")) return false;
  const auto digits = [](std::string_view text) {
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    return !text.empty() && std::all_of(text.begin(), text.end(), digit);
  };
  std::istringstream words{std::string(line.substr(6))};
  std::string x, y;
  return static_cast<bool>(words >> x >> y) && digits(x) && digits(y);
}

// Whether a script line runs this keyword: the word ends the line or is followed by a blank (or
// the escaped carriage return of a CR LF line).
bool runsKeyword(std::string_view line, std::string_view keyword) {
  if (!startsWith(line, keyword) || isReplayClick(line)) return false;
  const auto after = line.substr(keyword.size());
  return after.empty() || after.front() == ' ' || startsWith(after, "\\r");
}

}  // namespace

TEST(CommandCoverage, EveryRowWithAHandlerIsRunByAScriptLineOfAnotherTest) {
  // Tests that only read the table, and this sweep, run no row of their own.
  const std::set<std::string> notScriptTests = {"command_coverage_test.cpp", "command_table_test.cpp"};
  std::vector<std::string> lines;
  for (const auto& file : std::filesystem::recursive_directory_iterator(std::string(TALUVIN_SOURCE_DIR) + "/tests")) {
    const auto ext = file.path().extension();
    if (!file.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
    if (notScriptTests.count(file.path().filename().string())) continue;
    std::ifstream in(file.path(), std::ios::binary);
    std::stringstream source;
    source << in.rdbuf();
    for (auto& line : scriptLinesInLiterals(source.str())) lines.push_back(std::move(line));
  }
  ASSERT_GT(lines.size(), 1000u) << "the test sources were not found under " << TALUVIN_SOURCE_DIR;

  std::string missing;
  for (size_t i = 0; i < commandTable().size(); ++i) {
    const auto& row = commandTable()[i];
    if (!row.handler) continue;
    const bool run = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return std::any_of(row.keywords.begin(), row.keywords.end(),
                         [&](std::string_view keyword) { return runsKeyword(line, keyword); });
    });
    if (!run) missing += " " + std::to_string(i + 1) + ":" + std::string(row.keywords.front());
  }
  EXPECT_TRUE(missing.empty()) << "rows with a handler that no test runs as a script line:" << missing;
}
