// Fonts of hidden text widgets are laid out only when shown: what a player sees is the game's font.
#include "present/console_page.h"
#include "present/font_faces.h"
#include "present/frame_page.h"
#include "present/shown_later.h"
#include "support/named_widgets.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <gtest/gtest.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

TEST(DeferredFonts, TheStripAndTheEndCaptionShowTheGamesFontsNotTheBuiltInOnes) {
  TestGame game;
  game.settings({{15, "Courier New"}, {16, "14"}, {35, "*"}, {69, "Courier New"}, {70, "10"}, {72, "Sair"}});
  game.write("start.scp", "msg= ola\n");
  game.start();
  const QPlainTextEdit* strip = screenOf(game).messageStrip();
  ASSERT_TRUE(strip->isVisible());
  EXPECT_EQ(strip->font().family(), "Courier New");
  EXPECT_EQ(strip->font().pixelSize(), taluvin::pointsToPixels(14));

  const QLabel* caption = screenOf(game).frame().endCaption;
  ASSERT_TRUE(caption->isVisible());
  EXPECT_EQ(caption->font().family(), "Courier New");
  EXPECT_EQ(caption->font().pixelSize(), taluvin::pointsToPixels(10));
  // Sized to its own text in its own font once shown, not to the built-in caption.
  EXPECT_EQ(caption->size(), caption->sizeHint());
  EXPECT_GT(caption->width(), QFontMetrics(caption->font()).horizontalAdvance("Sai"));
}

TEST(DeferredFonts, TheCommandLineShownAtTheStartHasItsSettingsFont) {
  TestGame game;
  game.settings({{41, "Times New Roman"}, {42, "20"}, {44, "*"}, {68, "BIU"}});
  game.write("start.scp", "fim\n");
  // The window is hidden while the game opens, so the line's font waits for the start's show.
  game.start();
  const QLineEdit* line = screenOf(game).commandLine();
  ASSERT_TRUE(line->isVisible());
  EXPECT_EQ(line->font().family(), "Times New Roman");
  EXPECT_EQ(line->font().pixelSize(), taluvin::pointsToPixels(20));
  EXPECT_TRUE(line->font().bold() && line->font().italic() && line->font().underline());
}

TEST(DeferredFonts, ConsoleTextWrittenAfterAHiddenStartIsBrokenAtTheGamesFont) {
  TestGame game;
  game.settings({{32, "Courier New"}, {33, "16"}, {57, "B"}});
  game.write("start.scp", "fim\n");
  std::string words;
  for (int i = 0; i < 40; ++i) words += "palavra ";
  game.write("console.scp", "mode= 0\nveltec= 0\nmsg= " + words + "\n");
  game.start();
  // The picture model keeps the console's page hidden; its font is not laid out yet.
  QPlainTextEdit* console = screenOf(game).consoleText();
  ASSERT_FALSE(console->isVisible());
  game.run("console");
  ASSERT_TRUE(console->isVisible());
  const QFont font = console->font();
  EXPECT_EQ(font.family(), "Courier New");
  EXPECT_EQ(font.pixelSize(), taluvin::pointsToPixels(16));
  EXPECT_TRUE(font.bold());

  // Every finished line fits the console's width in that font: a line broken at a smaller font
  // would be wider.
  const qreal width = console->viewport()->width() - 2 * console->document()->documentMargin();
  const QFontMetricsF metrics(font);
  int lines = 0;
  for (QTextBlock block = console->document()->begin(); block.isValid(); block = block.next(), ++lines)
    EXPECT_LE(metrics.horizontalAdvance(block.text().trimmed()), width) << block.text().toStdString();
  EXPECT_GT(lines, 2);
}

TEST(DeferredFonts, AHiddenStripTakesTheGamesFontWithItsFirstText) {
  TestGame game;
  // Line 35 off: the strip stays hidden, and the game's font waits for its show or its text.
  game.settings({{15, "Courier New"}, {16, "14"}});
  game.write("start.scp", "fim\n");
  game.write("escreve.scp", "msg= ola\n");
  game.start();
  QPlainTextEdit* strip = screenOf(game).messageStrip();
  ASSERT_FALSE(strip->isVisible());
  EXPECT_NE(strip->font().family(), "Courier New");
  EXPECT_EQ(taluvin::shownFont(strip).family(), "Courier New");

  // Text written into the hidden strip is laid out in the game's font, not the built-in one.
  game.run("escreve");
  ASSERT_FALSE(strip->isVisible());
  EXPECT_EQ(strip->toPlainText(), "ola");
  EXPECT_EQ(strip->font().family(), "Courier New");
  EXPECT_EQ(strip->font().pixelSize(), taluvin::pointsToPixels(14));
}

TEST(DeferredFonts, ATextWidgetMadeInAFaceKeepsItAndLeavesTheApplicationsFontAsItWas) {
  const QFont before = QApplication::font();
  QWidget page;
  auto* sibling = new QWidget(&page);
  const QFont face = taluvin::startFace();
  auto* line = taluvin::newTextWidget<QLineEdit>(&page, face);
  auto* box = taluvin::newTextWidget<QPlainTextEdit>(&page, face);
  EXPECT_EQ(QApplication::font(), before);
  EXPECT_EQ(QApplication::font().resolveMask(), before.resolveMask());
  // In the page, above what was made before them, and shown with it as any child made there.
  EXPECT_EQ(page.children().indexOf(sibling), 0);
  EXPECT_EQ(page.children().indexOf(line), 1);
  EXPECT_EQ(page.children().indexOf(box), 2);
  EXPECT_FALSE(line->isHidden());
  page.show();
  EXPECT_TRUE(line->isVisible() && box->isVisible());
  EXPECT_EQ(line->font(), face);
  EXPECT_EQ(box->font(), face);
  EXPECT_EQ(box->document()->defaultFont(), face);
  // What the page inherits is still the application's font.
  EXPECT_EQ(sibling->font(), before);
}
