// Stopping runs at breakpoints and watched registers, stepping, going on, and ending the run.
#include "support/test_game.h"

#include "app/inspect/inspector_window.h"
#include "script/debugger.h"

#include <QTableWidget>
#include <deque>
#include <gtest/gtest.h>

using taluvin::Breakpoints;
using taluvin::Debugger;
using taluvin::GoOn;
using taluvin::LineBreak;
using taluvin::StopPlace;
using taluvin::testing::TestGame;

namespace {

// Plays the author: notes each stop and answers with the next of its answers (Continue when out).
class ScriptedAuthor : public taluvin::StopHandler {
 public:
  std::deque<GoOn> answers;
  std::vector<std::string> stops;  // "script:line reason"
  std::function<void()> atStop;

  GoOn stopped(const StopPlace& where) override {
    stops.push_back(where.script + ":" + std::to_string(where.line) + " " + where.reason);
    if (atStop) atStop();
    if (answers.empty()) return GoOn::Continue;
    const GoOn next = answers.front();
    answers.pop_front();
    return next;
  }
};

Breakpoints linesAt(std::initializer_list<LineBreak> lines) {
  Breakpoints breakpoints;
  for (const LineBreak& at : lines) breakpoints.addLine(at);
  return breakpoints;
}

const char* kFourRegisters = "reg= 1,a\nreg= 2,b\nreg= 3,c\nreg= 4,d\n";

}  // namespace

TEST(Debugger, StopsBeforeBreakpointLinesInAnyLetterCaseStepsAndGoesOn) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  game.write("sala.scp", "goto fim\nreg= 5,nunca\n:fim\nreg= 6,sim\n");
  game.player();
  ScriptedAuthor author;
  // The line after a label a jump lands on is a line of its own, reached within the jump's call.
  Debugger debugger(game.player().session(), linesAt({{"START", 2}, {"Sala", 4}}), author);
  game.player().interpreter().setDebugger(&debugger);

  std::string atFirstStop;
  author.atStop = [&] {
    if (atFirstStop.empty()) atFirstStop = game.reg(1) + "|" + game.reg(2);
  };
  author.answers = {GoOn::Step, GoOn::Continue};
  game.start();
  EXPECT_EQ(atFirstStop, "a|");
  game.run("sala");
  ASSERT_EQ(author.stops.size(), 3u);
  EXPECT_EQ(author.stops[0], "start:2 breakpoint");
  EXPECT_EQ(author.stops[1], "start:3 stepped");
  EXPECT_EQ(author.stops[2], "sala:4 breakpoint");
  EXPECT_EQ(game.reg(4), "d");
  EXPECT_EQ(game.reg(6), "sim");
  EXPECT_FALSE(debugger.isStopped());
  game.player().interpreter().setDebugger(nullptr);
}

TEST(Debugger, WatchedRegisterStopsAfterTheLineThatChangesIt) {
  TestGame game;
  game.write("start.scp", "reg= 3,c\nreg= 3,c\nreg= 3,cx\nreg= 4,d\n");
  game.player();
  ScriptedAuthor author;
  Breakpoints breakpoints;
  breakpoints.watchRegister(3);
  Debugger debugger(game.player().session(), breakpoints, author);
  game.player().interpreter().setDebugger(&debugger);
  game.start();
  // The second line writes the value the register already holds: no change, no stop.
  ASSERT_EQ(author.stops.size(), 2u);
  EXPECT_EQ(author.stops[0], "start:1 register 3 changed from \"\" to \"c\"");
  EXPECT_EQ(author.stops[1], "start:3 register 3 changed from \"c\" to \"cx\"");
  game.player().interpreter().setDebugger(nullptr);
}

TEST(Debugger, StoppingTheRunEndsItAsAFailureDoesAndQuitEndsEveryLine) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  game.player();
  ScriptedAuthor author;
  Debugger debugger(game.player().session(), linesAt({{"start.scp", 3}}), author);
  game.player().interpreter().setDebugger(&debugger);

  author.answers = {GoOn::StopRun};
  game.start();
  EXPECT_EQ(game.reg(2), "b");
  EXPECT_EQ(game.reg(3), "");
  // As after a failure: no state set written for this run, the message and the place traced.
  EXPECT_FALSE(game.exists("jogo.rgs"));
  EXPECT_TRUE(game.traced("the run was stopped at a breakpoint"));
  EXPECT_TRUE(game.traced("in start.scp, line 3: reg= 3,c"));

  author.answers = {GoOn::Quit};
  game.run("start");
  EXPECT_EQ(game.reg(3), "");
  game.write("mais.scp", "reg= 9,nunca\n");
  game.run("mais");
  EXPECT_EQ(game.reg(9), "");
  game.player().interpreter().setDebugger(nullptr);
}

TEST(Debugger, ARegisterEditedInTheInspectorWhileStoppedIsSavedWithTheRun) {
  TestGame game;
  game.write("start.scp", kFourRegisters);
  game.player();
  ScriptedAuthor author;
  Debugger debugger(game.player().session(), linesAt({{"start", 3}}), author);
  game.player().interpreter().setDebugger(&debugger);
  taluvin::InspectorWindow inspector(game.player(), &debugger);
  auto* registers = inspector.findChild<QTableWidget*>("InspectorRegisters");
  ASSERT_NE(registers, nullptr);

  author.atStop = [&] {
    inspector.refresh(true);
    registers->item(1, 1)->setText("editado");
  };
  game.start();
  const auto saved = game.readLines("jogo.rgs");
  ASSERT_GT(saved.size(), 4u);
  EXPECT_EQ(saved[1], "editado");
  EXPECT_EQ(saved[4], "d");

  // Outside a stop the table only shows: an edit there changes nothing.
  inspector.refresh(false);
  EXPECT_FALSE(registers->item(2, 1)->flags() & Qt::ItemIsEditable);
  game.player().interpreter().setDebugger(nullptr);
}
