// The console page: a borderless memo the typewriter writes into, and the top bar.
#include "present/console_page.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/memo_text.h"
#include "present/shown_later.h"
#include "present/shown_text.h"
#include "state/game_session.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace taluvin {

ConsolePage::ConsolePage(QWidget* page, GameSession& session) : fontPoints_(session.screen.consoleFontPoints) {
  consoleText = newTextWidget<QPlainTextEdit>(page, startFace());
  consoleText->setObjectName("MsgMd0");
  consoleText->setGeometry(5, 5, 586, 313);
  consoleText->setFrameShape(QFrame::NoFrame);
  consoleText->setReadOnly(true);
  consoleText->setFocusPolicy(Qt::NoFocus);
  consoleText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  consoleText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Opening a game gives the console the game's font before its page is first shown.
  setFontWhenShown(consoleText, pixelFont("Courier New", 21));
  consoleText->document()->setDocumentMargin(2);
  // Nobody edits the console: an undo history would only keep a second copy of everything typed.
  consoleText->setUndoRedoEnabled(false);

  topBar = new QWidget(page);
  topBar->setObjectName("BarraTop");
  topBar->setGeometry(5, 5, 586, 10);
  paintWidget(topBar, QColor(192, 192, 192));
  // The bar lies under the console and shows only when "barratop" moves the console down.
  topBar->lower();
}

void ConsolePage::paint(QColor background) {
  QPalette p = consoleText->palette();
  p.setColor(QPalette::Base, background);
  p.setColor(QPalette::Window, background);
  consoleText->setPalette(p);
}

void ConsolePage::applyConsoleFont(GameSession& s) {
  fontPoints_ = lineFontSize(s, 33, fontPoints_);
  const auto letters = readStyleLetters(s.settings.line(57));
  const std::string& face = s.settings.line(32);
  QFont font = gameFont(face.empty() ? std::string("Courier New") : face, fontPoints_);
  // A "B" first sets bold alone; italic and underline are then added by their letters.
  font.setBold(letters.bold);
  font.setItalic(letters.italic);
  font.setUnderline(letters.underline);
  setConsoleFont(font);
  QPalette p = consoleText->palette();
  p.setColor(QPalette::Text, paintColor(s.settings.line(34), QColor(0, 0, 0)));
  consoleText->setPalette(p);
}

void ConsolePage::applyGameLayout(GameSession& s, QSize bookSize) {
  consoleText->setGeometry(5, 5, bookSize.width() - 10, bookSize.height() - 10);
  paint(backgroundColour(s));
  applyConsoleFont(s);
  reflow();
}

void ConsolePage::applyRunLayout(GameSession& s, QSize bookSize) {
  clear();
  consoleText->resize(bookSize.width() - 10, bookSize.height() - 10);
  paint(backgroundColour(s));
  applyConsoleFont(s);
  // Left alignment is the memo's only alignment here.
}

void ConsolePage::setFontFace(const std::string& face) {
  if (face.empty()) return;
  QFont font = shownFont(consoleText);
  font.setFamily(toQt(face));
  setConsoleFont(font);
}

void ConsolePage::setFontSize(int points) {
  fontPoints_ = points;
  QFont font = shownFont(consoleText);
  font.setPixelSize(pointsToPixels(points));
  setConsoleFont(font);
}

void ConsolePage::setStyle(bool bold, bool italic, bool underline) {
  QFont font = shownFont(consoleText);
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  setConsoleFont(font);
}

void ConsolePage::setConsoleFont(const QFont& font) {
  if (font == shownFont(consoleText)) return;
  // A hidden console with nothing written has nothing to lay out again: the font waits for the
  // console's page to show (most games never use it), or for the first text written into it.
  if (!consoleText->isVisible() && text_.isEmpty()) {
    setFontWhenShown(consoleText, font);
    return;
  }
  consoleText->setFont(font);
  // The view stays on the line it showed, as it does when the memo itself lays out a new font.
  const int shownLine = consoleText->verticalScrollBar()->value();
  reflow();
  consoleText->verticalScrollBar()->setValue(shownLine);
}

void ConsolePage::showTopBar(bool on, QColor barColour) {
  const QRect r = consoleText->geometry();
  if (on) {
    consoleText->setGeometry(r.x(), 20, r.width(), r.height() - 20);
    topBar->resize(r.width(), topBar->height());
    paintWidget(topBar, barColour);
  } else {
    consoleText->setGeometry(r.x(), 5, r.width(), r.height() + 20);
  }
}

namespace {

// The display lines of a paragraph as the memo has laid it out (one line when it has no layout).
QStringList displayLinesOf(QPlainTextEdit* memo, const QTextBlock& block) {
  auto* layout = qobject_cast<QPlainTextDocumentLayout*>(memo->document()->documentLayout());
  if (layout) layout->ensureBlockLayout(block);
  const QTextLayout* lines = block.layout();
  const QString text = block.text();
  if (!lines || lines->lineCount() < 2) return {text};
  QStringList out;
  for (int i = 0; i < lines->lineCount(); ++i) {
    const QTextLine line = lines->lineAt(i);
    out << text.mid(line.textStart(), line.textLength());
  }
  return out;
}

void cursorToEnd(QPlainTextEdit* memo) {
  QTextCursor cursor(memo->document());
  cursor.movePosition(QTextCursor::End);
  memo->setTextCursor(cursor);
  if (memo->isVisible()) memo->ensureCursorVisible();
}

}  // namespace

void ConsolePage::clear() {
  text_.clear();
  consoleText->clear();
  splitWidth_ = consoleText->viewport()->width();
}

QStringList ConsolePage::lines() const {
  if (text_.isEmpty()) return {};
  return text_.split('\n');
}

void ConsolePage::setLines(const QStringList& lines) {
  // Like a memo whose lines are set anew, the view goes back to the first line.
  text_ = lines.join('\n');
  applyPendingFont(consoleText);
  reflow();
}

void ConsolePage::appendText(const QString& text) {
  QString plain = text;
  plain.remove('\r');
  text_ += plain;
  applyPendingFont(consoleText);
  if (consoleText->viewport()->width() != splitWidth_) {
    reflow();
    cursorToEnd(consoleText);
  } else {
    appendToMemo(consoleText, plain);
    splitFinishedLines();
  }
  if (static_cast<size_t>(text_.size()) > kConsoleTextBudget) keepLatestText();
}

void ConsolePage::keepLatestText() {
  // The memo holds the text as display lines: the oldest go, each laid out already, until half the
  // budget is left (so this happens once per half budget written), and the marker stands in their
  // place. The text kept keeps the breaks of those lines.
  QTextDocument* document = consoleText->document();
  QTextBlock first = document->lastBlock();
  qsizetype kept = first.length();
  while (first.previous().isValid() && kept + first.previous().length() <= qsizetype(kConsoleTextBudget / 2)) {
    first = first.previous();
    kept += first.length();
  }
  QTextCursor cursor(document);
  cursor.setPosition(first.position(), QTextCursor::KeepAnchor);
  cursor.insertText(toQt(kCutMarker).trimmed() + '\n');
  text_ = document->toPlainText();
  cursorToEnd(consoleText);
}

void ConsolePage::splitFinishedLines() {
  const QTextBlock last = consoleText->document()->lastBlock();
  const QStringList lines = displayLinesOf(consoleText, last);
  if (lines.size() < 2) return;
  // Every finished display line becomes a paragraph of its own, so none is laid out again as the
  // console goes on, and the oldest can be let go line by line.
  QTextCursor cursor(consoleText->document());
  cursor.setPosition(last.position());
  cursor.setPosition(last.position() + last.text().size() - lines.last().size(), QTextCursor::KeepAnchor);
  cursor.insertText(lines.mid(0, lines.size() - 1).join('\n') + '\n');
  cursorToEnd(consoleText);
}

void ConsolePage::reflow() {
  splitWidth_ = consoleText->viewport()->width();
  consoleText->setPlainText(text_);
  QStringList shown;
  bool split = false;
  for (QTextBlock block = consoleText->document()->begin(); block.isValid(); block = block.next()) {
    const QStringList lines = displayLinesOf(consoleText, block);
    split = split || lines.size() > 1;
    shown << lines;
  }
  if (split) consoleText->setPlainText(shown.join('\n'));
}

}  // namespace taluvin
