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
  explicit ConsolePage(QWidget* page);

  QPlainTextEdit* msgMd0;
  QWidget* barraTop;

  // Lines 32 to 34 and 57: the console's own face, size, colour and style.
  void applyGameLayout(GameSession& session, QSize bookSize);
  // Emptied, sized to the book less 10 px and given the console settings again.
  void applyRunLayout(GameSession& session, QSize bookSize);

  void clear() { msgMd0->clear(); }
  void paint(QColor background);
  void setFontFace(const std::string& face);
  void setFontSize(int points);
  void setStyle(bool bold, bool italic, bool underline);

  // "on" moves the console 20 px down and takes 20 px of height off it; each call shifts again.
  void showTopBar(bool on, QColor barColour);

  // The console's lines as the script sees them (an empty console has none).
  QStringList lines() const;
  void setLines(const QStringList& lines);
  void appendText(const QString& text);
  int fontPoints() const { return fontPoints_; }

 private:
  void applyConsoleFont(GameSession& session);
  int fontPoints_ = 16;
};

}  // namespace taluvin
