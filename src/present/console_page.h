// Page "0" of the game screen: the text console MsgMd0 and its top bar.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <string>

namespace taluvin {

struct GameSession;

class ConsolePage {
 public:
  // The console font size is the session's; the page reads and sets it there.
  ConsolePage(QWidget* page, GameSession& session);

  QPlainTextEdit* consoleText;  // MsgMd0
  QWidget* topBar;              // BarraTop

  // Lines 32 to 34 and 57: the console's own face, size, colour and style.
  void applyGameLayout(GameSession& session, QSize bookSize);
  // Emptied, sized to the book less 10 px and given the console settings again.
  void applyRunLayout(GameSession& session, QSize bookSize);

  void clear();
  void paint(QColor background);
  void setFontFace(const std::string& face);
  void setFontSize(int points);
  void setStyle(bool bold, bool italic, bool underline);

  // "on" moves the console 20 px down and takes 20 px of height off it; each call shifts again.
  void showTopBar(bool on, QColor barColour);

  // The console's lines as the script sees them (an empty console has none).
  QStringList lines() const;
  void setLines(const QStringList& lines);
  // Appends at the end; the cost follows the appended text, not the console's length.
  void appendText(const QString& text);
  // A console that is written to without end holds at most this many characters: past them its
  // oldest lines go, and "[…]" stands in their place.
  static constexpr size_t kConsoleTextBudget = 256 * 1024;
  // The text as written, without the breaks the memo keeps between its display lines (once the
  // oldest text has gone past the budget, the lines kept keep theirs).
  const QString& text() const { return text_; }
  int fontPoints() const { return fontPoints_; }

 private:
  void applyConsoleFont(GameSession& session);
  void setConsoleFont(const QFont& font);
  // The memo lays out a whole paragraph again whenever its end changes, so typed-out text in one
  // long paragraph would cost more with every character. Display lines that are complete are
  // therefore kept as paragraphs of their own; they break exactly where the memo broke them.
  void splitFinishedLines();
  // After a change of font or width the text is laid out anew and split again.
  void reflow();
  // Past the console's budget the oldest text goes: the console shows its last lines.
  void keepLatestText();

  QString text_;
  int splitWidth_ = -1;  // the memo's width when its display lines were last split
  int& fontPoints_;
};

}  // namespace taluvin
