// The console's output effects.
#include "present/console_output.h"

#include "base/text.h"
#include "present/console_page.h"
#include "present/extra_pages.h"
#include "present/input_hold.h"
#include "present/screen.h"
#include "present/shown_later.h"
#include "present/shown_text.h"
#include "state/game_session.h"

#include <QElapsedTimer>
#include <QTextLayout>
#include <QThread>

namespace taluvin {

namespace {

// Sleeps in short steps with events running between them, so the window stays responsive.
void pauseFor(Screen& screen, int milliseconds) {
  if (milliseconds <= 0) return;
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds && !screen.quitting()) {
    screen.letEventsRun();
    const auto left = milliseconds - timer.elapsed();
    QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left > 0 ? left : 0, 5)));
  }
}

void typewriter(Screen& screen, const QString& text, int delay) {
  // The player asked for text at once: all of it, as a program that is ending shows it.
  if (screen.textSpeed() == 0) {
    screen.console().appendText(QString(text).remove('\r'));
    return;
  }
  const InputHold::Scope holdInput(screen.inputHold());
  QPlainTextEdit* console = screen.console().consoleText;
  for (qsizetype k = 0; k < text.size(); ++k) {
    // A program that is ending shows the rest at once instead of typing it out.
    if (screen.quitting()) {
      screen.console().appendText(QString(text.mid(k)).remove('\r'));
      return;
    }
    const QChar c = text[k];
    if (c == '\r') continue;
    screen.console().appendText(QString(c));
    console->viewport()->repaint();
    screen.letEventsRun();
    pauseFor(screen, delay);
  }
}

// Display lines of text at the console's width, as a memo of that width would break them.
QStringList displayLines(const QPlainTextEdit* console, const QString& text) {
  QStringList lines;
  const qreal width = console->viewport()->width() - 2 * console->document()->documentMargin();
  for (const QString& paragraph : QString(text).remove('\r').split('\n')) {
    QTextLayout layout(paragraph, shownFont(console));
    layout.beginLayout();
    bool any = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
      any = true;
    }
    layout.endLayout();
    if (!any) lines << QString();
  }
  return lines;
}

void scrollUp(Screen& screen, const QString& text, int delay) {
  const InputHold::Scope holdInput(screen.inputHold());
  ConsolePage& console = screen.console();
  QPlainTextEdit* work = screen.images().effectMemo;
  work->setFont(shownFont(console.consoleText));
  work->resize(console.consoleText->width(), work->height());
  work->setPlainText(text);
  const QStringList incoming = displayLines(console.consoleText, text);
  const int n = std::max(1, console.consoleText->height() / std::max(1, console.fontPoints()));
  QStringList lines = console.lines();
  while (lines.size() < n) lines << QString();
  for (const QString& line : incoming) {
    for (int k = 0; k + 1 < n; ++k) lines[k] = lines[k + 1];
    lines[n - 1] = line;
    // A program that is ending, or a player who asked for text at once, takes the rest in at once.
    if (screen.quitting() || screen.textSpeed() == 0) continue;
    console.setLines(lines);
    console.consoleText->viewport()->repaint();
    pauseFor(screen, delay);
  }
  console.setLines(lines);
}

}  // namespace

void consoleOutput(Screen& screen, const std::string& text) {
  static const std::string kDirect = "direto";
  static const std::string kScrollUp = "scrollup";
  screen.letEventsRun();
  const std::string& effect = screen.session().screen.consoleEffect;
  const int speed = screen.textSpeed();
  const int delay = speed > 0 ? screen.session().typingSpeed * 100 / speed : 0;
  const QString shown = toQt(shownWithinBudget(text));
  if (effect.empty())
    typewriter(screen, shown, delay);
  else if (effect == kDirect)
    screen.console().appendText(shown);
  else if (effect == kScrollUp)
    scrollUp(screen, shown, delay);
}

}  // namespace taluvin
