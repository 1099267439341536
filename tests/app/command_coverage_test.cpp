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

using taluvin::ArgumentRole;

// What a slot holds in a sweep line, by its role: names the sweep game has, and numbers every
// command takes. A label or gosub slot names the label the line's script adds after it; the
// carried command sets a register. Register 2 holds a number when each line runs, so arithmetic
// on it never ends the run.
std::string_view sampleOf(ArgumentRole role) {
  switch (role) {
    case ArgumentRole::None: return "";
    case ArgumentRole::Script: return "alvo";
    case ArgumentRole::Vocabulary: return "alvo";
    case ArgumentRole::Label: return "alvo";
    case ArgumentRole::GosubTarget: return ":alvo";
    case ArgumentRole::Command: return "reg=,3,x";
    case ArgumentRole::TextLiteral: return "'um texto'";
    case ArgumentRole::Picture: return "p.bmp";
    case ArgumentRole::PictureOrText: return "p.bmp";
    case ArgumentRole::WebPictureOrText: return "p.bmp";
    case ArgumentRole::Sound: return "nada.wav";
    case ArgumentRole::Music: return "nada.mid";
    case ArgumentRole::Font: return "nenhuma";
    case ArgumentRole::File: return "mapa.bmp";
    case ArgumentRole::Register: return "2";
    case ArgumentRole::Colour: return "808080";
    case ArgumentRole::ColourOrNone: return "808080";
    case ArgumentRole::Number: return "1";
    case ArgumentRole::Text: return "um texto";
    case ArgumentRole::Object: return "anel";
    case ArgumentRole::Place: return "loc";
    case ArgumentRole::Property: return "dsc";
    case ArgumentRole::Surface: return "tel";
    case ArgumentRole::Direction: return "norte";
    case ArgumentRole::Switch: return "on";
    case ArgumentRole::Stamp: return "hoje";
    case ArgumentRole::Language: return "pt";
    case ArgumentRole::Word: return "x";
  }
  return "";
}

// Lines the roles alone would not make: the model switch keeps the sweep's model ("{M}"), the
// program ends at once, the settings line changed is one no later run reads, and where a slot is
// one of the command's own words, one that takes the handler past its refusal of others.
const std::map<std::string_view, std::string_view> kArgumentsBeyondRoles = {
    {"modo=", "{M},320,200"}, {"encerrar", "0"},       {"defini=", "60,x"},
    {"param=", "2,prm"},      {"getvar=", "2,Posic"},  {"reset", "regs"},
    {"setfoco=", "msg"},      {"align=", "center"},    {"efeito=", "direto"},
    {"scroll", "up,0,0,8,8,1"}, {"scrollbar=", "auto"}, {"visor", "off"},
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

// The arguments a row's line carries: each slot the sample of its role. Where the first slots
// decide what the others hold, the slots are filled again until the roles stay the same.
std::string sampleArguments(const CommandEntry& row) {
  taluvin::ArgumentSlots args;
  taluvin::ArgumentRoles roles;
  for (int pass = 0; pass < 3; ++pass) {
    roles = row.rolesOf(row.keywords.front(), args);
    for (int slot = 1; slot <= roles.count(); ++slot)
      if (args[static_cast<size_t>(slot)].empty()) args[static_cast<size_t>(slot)] = sampleOf(roles[slot]);
  }
  std::string text;
  bool jumps = false;
  for (int slot = 1; slot <= roles.count(); ++slot) {
    text += (slot > 1 ? "," : "") + args[static_cast<size_t>(slot)];
    jumps = jumps || roles[slot] == ArgumentRole::Label || roles[slot] == ArgumentRole::GosubTarget;
  }
  // The label the line jumps to, and the line "saltou" after it, which shows the jump was made (a
  // line that jumps is not traced itself).
  if (jumps) text += "\n:alvo\nsaltou";
  return text;
}

// The script line a row runs as, with the model filled in.
std::string sampleLine(const CommandEntry& row, char model) {
  std::string line(row.keywords.front());
  const auto beyond = kArgumentsBeyondRoles.find(row.keywords.front());
  const std::string args = beyond != kArgumentsBeyondRoles.end() ? std::string(beyond->second) : sampleArguments(row);
  if (!args.empty()) line += ' ' + args;
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
    game.player().session().registers.set(2, "4");
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

// A row that takes arguments names a role for each, or its sweep line would run without them.
TEST(CommandCoverage, EveryRowThatTakesArgumentsSaysWhatItsSlotsHold) {
  for (const auto& row : commandTable().entries()) {
    EXPECT_FALSE(row.arguments.empty()) << row.keywords.front();
    const auto roles = row.rolesOf(row.keywords.front(), {});
    EXPECT_EQ(roles.count() == 0, row.arguments == "none") << row.keywords.front();
  }
  for (const auto& [keyword, sample] : kArgumentsBeyondRoles) EXPECT_GE(commandTable().find(keyword), 0) << keyword;
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
    session.registers.set(2, "4");
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
