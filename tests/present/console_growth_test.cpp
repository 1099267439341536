// Console output costs what is written, not what the console already holds, and shows the same lines.
#include "present/main_window.h"
#include "present/console_page.h"
#include "present/screen.h"
#include "support/test_game.h"
#include "support/thread_time.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::threadCpuSeconds;

namespace {

taluvin::Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }

// A script that writes count pieces of 99 characters (the line's last blank is trimmed) into the
// console, all in one paragraph.
std::string consoleScript(const std::string& effect, int count) {
  std::string script = "mode= 0\nveltec= 0\nefeito= " + effect + "\n";
  for (int i = 0; i < count; ++i) script += "msg+ abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi "
                                            "abcdefghi abcdefghi abcdefghi abcdefghi abcdefghi \n";
  return script;
}

// The main thread's CPU time, where the console lays its text out.
qint64 millisecondsToWrite(const std::string& effect, int count) {
  TestGame game;
  game.write("start.scp", "mode= 0\n");
  game.write("escreve.scp", consoleScript(effect, count));
  game.start();
  const double begin = threadCpuSeconds();
  game.run("escreve");
  const auto elapsed = static_cast<qint64>((threadCpuSeconds() - begin) * 1000);
  EXPECT_EQ(screenOf(game).console().text().size(), 99 * count);
  return std::max<qint64>(elapsed, 1);
}

// The display lines a fresh memo with the console's font and width breaks the text into.
QStringList linesOfAFreshMemo(const QPlainTextEdit* console, const QString& text) {
  QPlainTextEdit fresh;
  fresh.setFont(console->font());
  fresh.document()->setDocumentMargin(console->document()->documentMargin());
  fresh.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fresh.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  fresh.setFrameShape(console->frameShape());
  fresh.resize(console->size());
  fresh.show();
  fresh.setPlainText(text);
  QStringList lines;
  for (QTextBlock block = fresh.document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
      lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
  }
  return lines;
}

}  // namespace

TEST(ConsoleGrowth, DirectOutputGrowsLinearlyWithTheText) {
  // Four times the text costs about four times as long; a cost that grew with the console's length
  // would make it sixteen. Each cost is the thread's CPU time, the best of three runs, and the
  // factor leaves room for what a loaded machine still adds (caches shared with other processes).
  auto bestOfThree = [](int count) {
    qint64 best = millisecondsToWrite("direto", count);
    for (int again = 0; again < 2; ++again) best = std::min(best, millisecondsToWrite("direto", count));
    return best;
  };
  const qint64 small = bestOfThree(200);
  const qint64 large = bestOfThree(800);
  EXPECT_LT(large, small * 9) << small << " ms for 19,800 characters, " << large << " ms for 79,200";
}

TEST(ConsoleGrowth, TypedOutputShowsTheLinesAFreshMemoWouldAndKeepsTheText) {
  TestGame game;
  game.write("start.scp", consoleScript("", 8) + "linefeed\nmsg+ fim\n");
  game.start();
  taluvin::ConsolePage& console = screenOf(game).console();
  const QString written = console.text();
  EXPECT_EQ(written.size(), 8 * 99 + 1 + 3);
  EXPECT_EQ(console.lines().size(), 2);
  EXPECT_EQ(console.lines().last(), QString("fim"));
  // Each display line the player sees is where a memo holding the whole text would break it.
  const QStringList shown = console.consoleText->toPlainText().split('\n');
  EXPECT_GT(shown.size(), 2);
  EXPECT_EQ(shown, linesOfAFreshMemo(console.consoleText, written));
  // A new font lays the same text out anew.
  console.setFontSize(30);
  EXPECT_EQ(console.text(), written);
  EXPECT_EQ(console.consoleText->toPlainText().split('\n'), linesOfAFreshMemo(console.consoleText, written));
}
