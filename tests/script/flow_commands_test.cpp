// Flow control: jumps, subroutines, chaining, ending and the model conditions.
#include "support/test_game.h"

#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(FlowCommands, GotoJumpsToLineAfterLabelAndMissingLabelGoesOn) {
  TestGame game;
  game.write("start.scp",
             "goto depois\n"
             "nunca\n"
             ":depois \n"
             "aqui\n"
             "goto nada\n"
             "fim\n");
  game.start();
  EXPECT_TRUE(game.traced("   3: aqui "));
  EXPECT_FALSE(game.traced("   1: nunca "));
  EXPECT_TRUE(game.traced("   4: goto nada <--- não existe este label"));
  EXPECT_TRUE(game.traced("   5: fim <-Encerrou a execução"));
}

TEST(FlowCommands, AJumpThatLandsLeavesNoTraceLineAndOneThatMissesKeepsItsEchoAndMarker) {
  TestGame game;
  game.write("start.scp",
             "reg= 1,5\n"
             "ifreg< 1,9,nada\n"
             "ifreg< 1,9,alvo\n"
             "nunca\n"
             ":alvo\n"
             "gosub :sub\n"
             "fim\n"
             ":sub\n"
             "ret\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: ifreg< 1 <- saltounada <--- não existe este label"));
  EXPECT_FALSE(game.traced("   3: nunca "));
  // The line that jumped, and the separator the subroutine's jump opened, give way to the lines
  // run after the labels.
  const std::vector<std::string>& lines = game.trace();
  const auto from = std::find(lines.begin(), lines.end(), "   1: ifreg< 1 <- saltounada <--- não existe este label");
  ASSERT_NE(from, lines.end());
  const std::vector<std::string> expected = {
      "   1: ifreg< 1 <- saltounada <--- não existe este label",
      "   5: gosub sub <- label em subrotina!",
      "   8: ret  <- retorno ao script start na linha: 5",
      "------------------------------------------------",
      "   6: fim <-Encerrou a execução",
  };
  EXPECT_EQ(std::vector<std::string>(from, from + std::min<std::ptrdiff_t>(lines.end() - from, 5)), expected);
}

TEST(FlowCommands, GosubLabelReturnsAfterCallAndRefusesASecondCall) {
  TestGame game;
  game.write("start.scp",
             "gosub :sub\n"
             "depois\n"
             "fim\n"
             ":sub\n"
             "gosub :sub\n"
             "return\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: gosub sub <- label em subrotina!"));
  EXPECT_TRUE(game.traced("   4: gosub  <--- já existe gosub em execução (start)"));
  EXPECT_TRUE(game.traced("   5: return  <- retorno ao script start na linha: 0"));
  EXPECT_TRUE(game.traced("------------------------------------------------"));
  EXPECT_TRUE(game.traced("   1: depois "));
}

TEST(FlowCommands, GosubScriptReloadsTheCallerOnReturn) {
  TestGame game;
  game.write("start.scp", "pausa 0\ngosub outro\nvoltou\n");
  game.write("outro.scp", "nooutro\nret\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: gosub outro <- script em subrotina"));
  EXPECT_TRUE(game.traced("Executando script: outro.scp"));
  EXPECT_TRUE(game.traced("   0: nooutro "));
  EXPECT_TRUE(game.traced("   1: ret  <- retorno ao script start na linha: 1"));
  EXPECT_TRUE(game.traced("   2: voltou "));
  EXPECT_EQ(game.player().session().Script, "start");
}

TEST(FlowCommands, ReturnWithoutGosubAndGosubToMissingTargets) {
  TestGame game;
  game.write("start.scp", "ret\ngosub\ngosub nada\ngosub :nada\nreturn\nfim\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: ret  <--- não há gosub em execução!"));
  EXPECT_TRUE(game.traced("   1: gosub  <--- não informou o script/label"));
  EXPECT_TRUE(game.traced("   2: gosub nada <--- não existe este script"));
  // The frame opens before the jump fails, so the later return comes back after line 3.
  EXPECT_TRUE(game.traced("------------------------------------------------nada <--- não existe este label"));
  EXPECT_TRUE(game.traced("   4: return  <- retorno ao script start na linha: 3"));
}

TEST(FlowCommands, ScriptChainsToTheNewFirstLineWithParameters) {
  TestGame game;
  game.write("start.scp", "script\nscript nada\nscript sala2&Prx=7\nnunca\n");
  game.write("sala2.scp", "chegou\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: script  <--- não informou o nome do script"));
  EXPECT_TRUE(game.traced("   1: script nada <- script não existe"));
  EXPECT_TRUE(game.traced("   2: script sala2"));
  EXPECT_TRUE(game.traced("   0: chegou "));
  EXPECT_FALSE(game.traced("   3: nunca "));
  EXPECT_EQ(game.player().session().Prx, "7");
  EXPECT_EQ(game.player().session().Script, "sala2");
}

TEST(FlowCommands, ModelConditionsRunTheCarriedCommandOnlyInTheirModel) {
  TestGame game;
  game.settings({{26, "1"}});
  game.write("start.scp", "ifmod2 goto,fim1\nifmod1 goto,fim1\nnunca\n:fim1\nfim\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: ifmod2 "));
  EXPECT_FALSE(game.traced("   2: nunca "));
  EXPECT_TRUE(game.traced("   4: fim <-Encerrou a execução"));
}

TEST(FlowCommands, ExecuteStyleCarriesAlreadySplitArguments) {
  TestGame game;
  game.settings({{26, "1"}});
  game.write("start.scp", "ifmod1 script,sala2,lixo\n");
  game.write("sala2.scp", "pausa 0\n");
  game.start();
  EXPECT_TRUE(game.traced("Exec: script sala2"));
  EXPECT_EQ(game.player().session().Script, "sala2");
}

TEST(FlowCommands, EndStopsTheRunButStillSaves) {
  TestGame game;
  game.write("start.scp", "fim\nnunca\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: fim <-Encerrou a execução"));
  EXPECT_TRUE(game.traced("================================================"));
  EXPECT_FALSE(game.traced("   1: nunca "));
  EXPECT_TRUE(game.exists("jogo.rgs"));
}

TEST(FlowCommands, JumpToAClosingLastLineLabelEndsTheRunNormally) {
  TestGame game;
  game.write("start.scp", "goto fim\nnunca\n:fim");
  game.start();
  EXPECT_FALSE(game.traced("   1: nunca "));
  EXPECT_TRUE(game.exists("jogo.rgs"));
  for (const auto& line : game.trace()) EXPECT_EQ(line.find("List index"), std::string::npos) << line;
}

TEST(FlowCommands, PauseCountsTenMillisecondStepsWithFallbacks) {
  TestGame game;
  game.write("start.scp", "pausa\npausa x\npausa 0\ndelay 5\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: pausa 1"));
  EXPECT_TRUE(game.traced("   1: pausa 1"));
  EXPECT_TRUE(game.traced("   2: pausa 0"));
  EXPECT_TRUE(game.traced("   3: delay 5"));
}

TEST(FlowCommands, RetScpStoresMissingScriptsButScriptCmdDoesNot) {
  TestGame game;
  game.write("start.scp", "retscp= nada\nscriptcmd= nada\nscriptcmd=\nscriptcmd= vocab\n");
  game.write("vocab.scp", "OLHAR | olhar\n");
  game.start();
  auto& s = game.player().session();
  EXPECT_EQ(s.RetScp, "nada");
  EXPECT_TRUE(game.traced("   0: retscp= nada <- não existe este script"));
  EXPECT_TRUE(game.traced("   1: scriptcmd= nada <--- não existe este script"));
  EXPECT_TRUE(game.traced("   2: scriptcmd=  <--- não especificou o script"));
  EXPECT_EQ(s.ScriptCmd, "vocab");
}

TEST(FlowCommands, TerminateAsksToEndButTheRestOfTheScriptRuns) {
  TestGame game;
  game.write("start.scp", "encerrar 0\ndepois\n");
  game.start();
  EXPECT_TRUE(game.player().quitRequested());
  EXPECT_TRUE(game.traced("   1: depois "));
}

TEST(FlowCommands, ClickDuringPauseRunsANestedScriptAndTheOuterRunStops) {
  TestGame game;
  game.write("start.scp", "antes\npausa 50\nnunca\n");
  game.write("outro.scp", "aninhado\n");
  game.write("fim.scp", "");
  // A click queued just before the pause, so it arrives while the pause waits.
  game.atTraced("   0: antes ", [&] { game.run("outro"); });
  game.start();
  EXPECT_TRUE(game.traced("   0: aninhado "));
  EXPECT_FALSE(game.traced("   2: nunca "));
  EXPECT_EQ(game.player().session().Script, "outro");
}

TEST(FlowCommands, EndlessLoopKeepsTheWindowAliveAndEndsWhenTheProgramCloses) {
  TestGame game;
  game.write("start.scp", ":volta\nvolta\ngoto volta\n");
  // The player closes the program while the loop runs; without events between lines this event
  // would never run and the test would hang.
  game.atTraced("   1: volta ", [&] { game.player().requestQuit(); });
  game.start();
  EXPECT_TRUE(game.player().quitRequested());
  EXPECT_TRUE(game.exists("jogo.rgs"));
}

TEST(FlowCommands, ClickDuringAnEndlessLoopRunsItsScriptAndTheLoopEnds) {
  TestGame game;
  game.write("start.scp", ":volta\nvolta\ngoto volta\n");
  game.write("outro.scp", "aninhado\n");
  game.atTraced("   1: volta ", [&] { game.run("outro"); });
  game.start();
  EXPECT_TRUE(game.traced("   0: aninhado "));
  EXPECT_FALSE(game.player().quitRequested());
  EXPECT_EQ(game.player().session().Script, "outro");
}
