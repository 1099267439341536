// The console page: a borderless memo the typewriter writes into, and the top bar.
#include "present/console_page.h"

#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/memo_text.h"
#include "script/text.h"


namespace taluvin {

ConsolePage::ConsolePage(QWidget* page) {
  msgMd0 = new QPlainTextEdit(page);
  msgMd0->setObjectName("MsgMd0");
  msgMd0->setGeometry(5, 5, 586, 313);
  msgMd0->setFrameShape(QFrame::NoFrame);
  msgMd0->setReadOnly(true);
  msgMd0->setFocusPolicy(Qt::NoFocus);
  msgMd0->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msgMd0->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msgMd0->setFont(pixelFont("Courier New", 21));
  msgMd0->document()->setDocumentMargin(2);

  barraTop = new QWidget(page);
  barraTop->setObjectName("BarraTop");
  barraTop->setGeometry(5, 5, 586, 10);
  paintWidget(barraTop, QColor(192, 192, 192));
  // The bar lies under the console and shows only when "barratop" moves the console down.
  barraTop->lower();
}

void ConsolePage::paint(QColor background) {
  QPalette p = msgMd0->palette();
  p.setColor(QPalette::Base, background);
  p.setColor(QPalette::Window, background);
  msgMd0->setPalette(p);
}

void ConsolePage::applyConsoleFont(GameSession& s) {
  fontPoints_ = lineInt(s, 33, fontPoints_);
  const auto letters = readStyleLetters(s.settings.line(57));
  const std::string& face = s.settings.line(32);
  QFont font = gameFont(face.empty() ? std::string("Courier New") : face, fontPoints_);
  // A "B" first sets bold alone; italic and underline are then added by their letters.
  font.setBold(letters.bold);
  font.setItalic(letters.italic);
  font.setUnderline(letters.underline);
  msgMd0->setFont(font);
  QPalette p = msgMd0->palette();
  p.setColor(QPalette::Text, paintColor(s.settings.line(34), QColor(0, 0, 0)));
  msgMd0->setPalette(p);
}

void ConsolePage::applyGameLayout(GameSession& s, QSize bookSize) {
  msgMd0->setGeometry(5, 5, bookSize.width() - 10, bookSize.height() - 10);
  paint(backgroundColour(s));
  applyConsoleFont(s);
}

void ConsolePage::applyRunLayout(GameSession& s, QSize bookSize) {
  msgMd0->clear();
  msgMd0->resize(bookSize.width() - 10, bookSize.height() - 10);
  paint(backgroundColour(s));
  applyConsoleFont(s);
  // Left alignment is the memo's only alignment here.
}

void ConsolePage::setFontFace(const std::string& face) {
  if (face.empty()) return;
  QFont font = msgMd0->font();
  font.setFamily(toQt(face));
  msgMd0->setFont(font);
}

void ConsolePage::setFontSize(int points) {
  fontPoints_ = points;
  QFont font = msgMd0->font();
  font.setPixelSize(pointsToPixels(points));
  msgMd0->setFont(font);
}

void ConsolePage::setStyle(bool bold, bool italic, bool underline) {
  QFont font = msgMd0->font();
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  msgMd0->setFont(font);
}

void ConsolePage::showTopBar(bool on, QColor barColour) {
  const QRect r = msgMd0->geometry();
  if (on) {
    msgMd0->setGeometry(r.x(), 20, r.width(), r.height() - 20);
    barraTop->resize(r.width(), barraTop->height());
    paintWidget(barraTop, barColour);
  } else {
    msgMd0->setGeometry(r.x(), 5, r.width(), r.height() + 20);
  }
}

QStringList ConsolePage::lines() const {
  const QString text = msgMd0->toPlainText();
  if (text.isEmpty()) return {};
  return text.split('\n');
}

void ConsolePage::setLines(const QStringList& lines) { msgMd0->setPlainText(lines.join('\n')); }

void ConsolePage::appendText(const QString& text) { appendToMemo(msgMd0, text); }

}  // namespace taluvin
