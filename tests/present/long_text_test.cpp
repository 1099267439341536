// Long texts: the page's and a shown text's budgets, the cut marker, and break opportunities in long words.
#include "base/text.h"
#include "present/console_page.h"
#include "present/picture_page.h"
#include "present/shown_text.h"
#include "present/web_page_composer.h"
#include "present/web_page_view.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::named;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

const QString kMarker = QString::fromUtf8(" [\u2026]");
constexpr QChar kZeroWidthSpace(0x200B);

size_t pageSize(const Lines& page) {
  size_t bytes = 0;
  for (const std::string& line : page) bytes += line.size() + 2;
  return bytes;
}

TEST(LongText, APageStopsAtItsBudgetWithTheMarkerAndTheViewShowsLessOfIt) {
  TestGame game;
  // Nine lines of a megabyte each, the last of them links: the ninth passes the budget.
  std::string megabyte;
  while (megabyte.size() < 1024 * 1024 - 40) megabyte += "palavra <a href=Scp=sala>sala</a> ";
  game.writeLines("jogo.rgs", {"", megabyte});
  std::string script = "modo= 2\n";
  for (int i = 0; i < 9; ++i) script += "msg+ #1\n";
  script += "msg+ depois do corte\n";
  game.write("start.scp", script);
  game.write("curta.scp", "msg+ uma página curta\n");
  game.start();

  const Lines& page = game.player().session().PageLines;
  ASSERT_GE(page.size(), 3u);
  EXPECT_EQ(page.back(), kPageCutMarker);
  EXPECT_LE(pageSize(page), kPageTextBudget + page.back().size() + 2);
  EXPECT_GT(pageSize(page), kPageTextBudget - megabyte.size());
  // The cut line ends outside a tag: its last "<" is closed.
  const std::string& cut = page[page.size() - 2];
  EXPECT_LT(cut.size(), megabyte.size());
  EXPECT_NE(cut.find('>', cut.rfind('<')), std::string::npos) << cut.substr(cut.size() - 40);
  for (const std::string& line : page) EXPECT_EQ(line.find("depois"), std::string::npos);

  // The view lays out only the first part, closed by the same marker.
  const QString shown = screenOf(game).web().browser()->toPlainText();
  EXPECT_TRUE(shown.endsWith(QString::fromUtf8("[\u2026]"))) << shown.right(40).toStdString();
  EXPECT_LE(static_cast<size_t>(shown.size()), kShownPageBudget);
  EXPECT_GT(static_cast<size_t>(shown.size()), kShownPageBudget / 4);

  // The next page starts within its budget again.
  game.run("curta");
  EXPECT_EQ(cp1252ToUtf8(page.back()), "uma página curta");
  EXPECT_FALSE(screenOf(game).web().browser()->toPlainText().contains(QString::fromUtf8("\u2026")));

  EXPECT_EQ(markupWithin("ab<img src=x>cd<b", 18), "ab<img src=x>cd");
  EXPECT_EQ(markupWithin("ab<img src=x>cd<b>", 18), "ab<img src=x>cd<b>");
  EXPECT_EQ(markupWithin("a &amp; b &nbsp", 20), "a &amp; b ");
}

TEST(LongText, MessagesCaptionsAndTheStripShowAtMostAShownTextsBudget) {
  TestGame game;
  const std::string longText(100000, 'x');
  game.writeLines("jogo.rgs", {"", longText, "0"});
  game.write("start.scp", "modo= 1\nmsg= #1\n");
  game.write("acrescenta.scp", "modo= 1\nmsg+ inicio\n:volta\nmsg+ #1\nreg+ 2,1\nifreg< 2,5,volta\n");
  game.write("legenda.scp", "modo= 1\nlegenda= #1,0,0,300,100\n");
  game.write("curto.scp", "modo= 1\nmsg= Uma mensagem comum.\nlegenda= Uma legenda comum.,0,0,300,100\n");
  game.start();

  const QString expected = QString(kShownTextBudget, 'x') + kMarker;
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), expected);
  // Appended pieces fill the strip up to the budget; the marker closes it once.
  game.run("acrescenta");
  const QString strip = screenOf(game).messageStrip()->toPlainText();
  EXPECT_EQ(static_cast<size_t>(strip.size()), kShownTextBudget + kMarker.size());
  EXPECT_TRUE(strip.startsWith("inicioxxx"));
  EXPECT_TRUE(strip.endsWith(kMarker));
  EXPECT_EQ(strip.count(kMarker), 1);
  game.run("legenda");
  EXPECT_EQ(screenOf(game).caption()->text(), expected);

  game.run("curto");
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), "Uma mensagem comum.");
  EXPECT_EQ(screenOf(game).caption()->text(), "Uma legenda comum.");
}

TEST(LongText, TheConsoleKeepsItsLatestTextAndEachPieceIsCut) {
  TestGame game;
  const std::string piece = std::string(9999, 'y') + " ";
  game.writeLines("jogo.rgs", {"", piece, std::string(100000, 'z'), "0"});
  game.write("start.scp",
             "modo= 0\nefeito= direto\n:volta\nmsg+ #1\nreg+ 3,1\nifreg< 3,30,volta\nmsg+ fim\n");
  game.write("longo.scp", "modo= 0\nefeito= direto\nmsg+ #2\n");
  game.start();
  ConsolePage& console = screenOf(game).console();
  // Thirty pieces of ten thousand: the oldest went, the marker stands where the kept text starts.
  const QString& text = console.text();
  EXPECT_LE(static_cast<size_t>(text.size()), ConsolePage::kConsoleTextBudget);
  EXPECT_GE(static_cast<size_t>(text.size()), ConsolePage::kConsoleTextBudget / 2);
  EXPECT_TRUE(text.startsWith(kMarker.trimmed() + "\n")) << text.left(20).toStdString();
  EXPECT_TRUE(text.endsWith(QString(piece.c_str()) + "fim"));
  EXPECT_TRUE(console.consoleText->toPlainText().startsWith(kMarker.trimmed()));

  game.run("longo");
  EXPECT_EQ(console.text(), QString(kShownTextBudget, 'z') + kMarker);
}

TEST(LongText, LongWordsGetBreakOpportunitiesAndNothingElseChanges) {
  const QString word1023(1023, 'x');
  const QString word1024(1024, 'x');
  EXPECT_EQ(withBreaksInLongWords("<p>" + word1023 + "</p>"), "<p>" + word1023 + "</p>");
  // A break every 128 characters; the text itself is unchanged.
  const QString broken = withBreaksInLongWords("a " + word1024 + " b");
  EXPECT_EQ(broken.count(kZeroWidthSpace), 7);
  EXPECT_EQ(broken.indexOf(kZeroWidthSpace), 2 + 128);
  EXPECT_EQ(QString(broken).remove(kZeroWidthSpace), "a " + word1024 + " b");

  // A word runs on across inline tags (never broken inside one) and character names (never split),
  // and ends at a blank or at a tag that ends a line.
  QString acrossTags;
  for (int i = 0; i < 300; ++i) acrossTags += "<b>xx</b>&nbsp;yy";
  const QString tagged = withBreaksInLongWords(acrossTags);
  EXPECT_EQ(QString(tagged).remove(kZeroWidthSpace), acrossTags);
  EXPECT_GT(tagged.count(kZeroWidthSpace), 0);
  for (qsizetype at = tagged.indexOf(kZeroWidthSpace); at >= 0; at = tagged.indexOf(kZeroWidthSpace, at + 1)) {
    const QString before = tagged.left(at);
    EXPECT_LE(before.lastIndexOf('<'), before.lastIndexOf('>')) << "inside a tag at " << at;
    EXPECT_LE(before.lastIndexOf('&'), before.lastIndexOf(';')) << "inside a character name at " << at;
  }
  QString lines;
  for (int i = 0; i < 20; ++i) lines += QString(100, 'x') + "<br>";
  EXPECT_EQ(withBreaksInLongWords(lines), lines);
  const QString sheet = "<style>" + word1024 + "</style>" + word1023;
  EXPECT_EQ(withBreaksInLongWords(sheet), sheet);
}

}  // namespace
}  // namespace taluvin
