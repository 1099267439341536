// The runner and the interpreter loop: trace lines, quote text, arguments, aliases, aborts, saving.
#include "app/player/player.h"
#include "script/interpreter.h"
#include "script/markup.h"
#include "present/quote_forms.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

TEST(Runner, TraceShowsHeaderLabelsCommentsAndUnknownWords) {
  TestGame game;
  game.write("start.scp", ":topo\n\n/ nota\n; outra\npausa=100\n| pausa 0\n");
  game.start();
  const std::vector<std::string> expected = {
      "Executando script: start.scp",
      "Labels neste script...",
      ":topo ",
      "",
      "   0: :topo <-Referência na linha: 0 ",
      "   1: ",
      "   2: / nota",
      "   3: ; outra",
      "   4: pausa=100 ",
      "   5: pausa 0",
  };
  EXPECT_EQ(game.trace(), expected);
}

TEST(Runner, QuoteTextJoinsLinesDropsTextAfterClosingQuoteAndRunsTheNextLine) {
  TestGame game;
  game.write("start.scp", "'um\n  dois  \ne fim.' depois\npausa 0\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: e fim."));
  EXPECT_TRUE(game.traced("   3: pausa 0"));
}

TEST(Runner, QuoteTextClosingTheScriptEndsTheRunNormally) {
  TestGame game;
  game.write("start.scp", "pausa 0\n'ultima linha sem fecho\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: ultima linha sem fecho"));
  EXPECT_TRUE(game.exists("jogo.rgs"));
  for (const auto& line : game.trace()) EXPECT_EQ(line.find("List index"), std::string::npos) << line;
}

TEST(Runner, ArgumentsSplitAtCommasUntrimmedWithRegisterReferences) {
  TestGame game;
  game.write("start.scp", "");
  game.start();
  auto& s = game.player().session();
  s.registers.set(3, "tres");
  auto& ip = game.player().interpreter();
  // Split as the line would be when run: the slots its handler finds.
  auto args = [&](const std::string& cmd, const std::string& rest) {
    s.ScriptLines = taluvin::Lines{cmd + " " + rest};
    ip.readCommandLine(0);
    std::vector<std::string> out;
    for (int slot = 1; slot <= ip.currentScript().line(0).pieceCount; ++slot) out.push_back(ip.arg(slot));
    return out;
  };
  EXPECT_EQ(args("cortxt=", "#3,x"), (std::vector<std::string>{"tres", "x"}));
  EXPECT_EQ(args("reg=", " a , b"), (std::vector<std::string>{" a ", " b"}));
  EXPECT_EQ(args("reg=", "#999"), (std::vector<std::string>{"999"}));
  EXPECT_EQ(args("reg=", "#palavra"), (std::vector<std::string>{""}));  // register 0
  EXPECT_EQ(args("msg=", "a,b"), (std::vector<std::string>{"a,b"}));
  EXPECT_EQ(args("msg=", "#3"), (std::vector<std::string>{"tres"}));
}

TEST(Runner, MessageNamingAMissingRegisterAbortsAndSkipsSaving) {
  TestGame game;
  game.write("start.scp", "pausa 0\nmsg= #999\nnunca\n");
  game.start();
  EXPECT_TRUE(game.traced("List index out of bounds (999)"));
  EXPECT_FALSE(game.traced("   2: nunca "));
  EXPECT_FALSE(game.exists("jogo.rgs"));
  EXPECT_FALSE(game.exists("jogo.obx"));
}

TEST(Runner, LinkParametersAndAliasesChooseTheScript) {
  TestGame game;
  game.write("start.scp", "");
  game.write("sala.scp", "pausa 0\n");
  game.write("@norte.scp", "pausa 0\n");
  game.start();
  auto& s = game.player().session();
  game.run("sala&Prm=3&Pry=x");
  EXPECT_EQ(s.Script, "sala");
  EXPECT_EQ(s.Prm, "3");
  EXPECT_EQ(s.Prx, "");
  EXPECT_EQ(s.Pry, "x");
  game.run("@norte");  // no north exit: the name runs as written
  EXPECT_EQ(s.Script, "@norte");
  s.exits[taluvin::GameSession::North] = "sala";
  game.run("@norte");
  EXPECT_EQ(s.Script, "sala");
  EXPECT_EQ(s.Prm, "");
  s.RetScp = "sala";
  EXPECT_EQ(taluvin::resolveScriptAlias(s, "xvlt"), "sala");
  EXPECT_EQ(taluvin::resolveScriptAlias(s, "@pos"), "@pos");  // empty Posic keeps the name
}

TEST(Runner, MissingScriptRerunsTheLoadedLines) {
  TestGame game;
  game.write("start.scp", "pausa 0\n");
  game.start();
  game.clearTrace();
  game.run("sumiu");
  EXPECT_TRUE(game.traced("Não encontrei o script: sumiu.scp"));
  EXPECT_TRUE(game.traced("   0: pausa 0"));
  EXPECT_EQ(game.player().session().Script, "sumiu");
}

TEST(Runner, MarkupSignsFollowTheScreenModel) {
  using taluvin::expandMarkup;
  EXPECT_EQ(expandMarkup('\xA7', "a\xA7" "b", taluvin::ScreenModel::PictureScreen), "a\r\nb");
  EXPECT_EQ(expandMarkup('\xA7', "a\xA7" "b", taluvin::ScreenModel::WebPage), "a<br>b");
  EXPECT_EQ(expandMarkup('\xA7', "a\xA7" "b", taluvin::ScreenModel::ScrollPage), "a\xA7" "b");
  EXPECT_EQ(expandMarkup('\xA7', "a\xA7" "b", taluvin::ScreenModel::None), "ab");
  EXPECT_EQ(expandMarkup('~', "a~b", taluvin::ScreenModel::WebPage), "a&nbsp;b");
  EXPECT_EQ(expandMarkup('~', "a~b", taluvin::ScreenModel::Console), "a b");
  EXPECT_EQ(expandMarkup('^', "a^b", taluvin::ScreenModel::Monitor), "a,b");
}

TEST(Runner, WebModelInlineFormsBecomeLinksPicturesAndRegisters) {
  TestGame game;
  game.write("start.scp", "");
  game.start();
  auto& s = game.player().session();
  s.FolderUrl = "file:///jogo/";
  s.registers.set(1, "um");
  using taluvin::expandQuoteForm;
  EXPECT_EQ(expandQuoteForm(s, "#lnk,sala,a sala"), "<a href= file:///jogo/Scp=sala>a sala</a>");
  EXPECT_EQ(expandQuoteForm(s, "#shp,a.png,,20,left"), "<img src=file:///jogo/a.png height=20 align=left border=0>");
  EXPECT_EQ(expandQuoteForm(s, "#fig,a.png,sala"), "<a href= file:///jogo/Scp=sala><img src=file:///jogo/a.png border=0></a>");
  EXPECT_EQ(expandQuoteForm(s, "#reg?,1"), "um");
  EXPECT_EQ(expandQuoteForm(s, "#reg?,x"), "");
  EXPECT_EQ(expandQuoteForm(s, "#1"), "um");
  EXPECT_EQ(expandQuoteForm(s, "#9999"), "");
  EXPECT_EQ(expandQuoteForm(s, "#web,http://x.org,site"), "<a href= http://x.org target=_blank>site</a>");
}

TEST(Runner, NameTakenFromAFieldTheRunClearsStillRuns) {
  TestGame game;
  game.write("start.scp", "");
  game.write("sala.scp", "nasala\n");
  game.start();
  auto& s = game.player().session();
  s.Prm = "sala";  // emptied by the run before the name is resolved
  game.player().runScript(s.Prm);
  EXPECT_TRUE(game.traced("   0: nasala "));
}
