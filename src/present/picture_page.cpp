// The picture page: the picture screen with its buffer, the caption labels and the message strip.
#include "present/picture_page.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/memo_box.h"
#include "present/memo_text.h"
#include "present/shown_later.h"
#include "present/shown_text.h"
#include "state/game_session.h"

#include <QTextBlock>
#include <algorithm>

namespace taluvin {

PicturePage::PicturePage(QWidget* page, GameSession& session) : buffer(session.buffers.pictureScreen) {
  picturePanel = new QWidget(page);
  picturePanel->setObjectName("PanTel");
  picturePanel->setGeometry(0, 0, 596, 271);
  paintWidget(picturePanel, QColor(255, 255, 255));

  pictureScreen = new CanvasView(picturePanel);
  pictureScreen->setObjectName("Tela");
  pictureScreen->setGeometry(0, 0, 596, 271);
  pictureScreen->setStretch(true);
  pictureScreen->fitPictureToWidget();

  captionShadow = new QLabel(picturePanel);
  captionShadow->setObjectName("Sombra");
  captionShadow->setGeometry(75, 234, 0, 0);
  caption = new QLabel(picturePanel);
  caption->setObjectName("Legda");
  // Empty until a caption sizes them. Sized, they are not measured when first shown, which would
  // load a font face for their empty text.
  caption->setGeometry(70, 224, 0, 0);

  messageStrip = newTextWidget<QPlainTextEdit>(page, startFace());
  messageStrip->setObjectName("Msg");
  messageStrip->setGeometry(5, 276, 586, 42);
  messageStrip->setReadOnly(true);
  messageStrip->setFrameShape(QFrame::NoFrame);
  messageStrip->setFocusPolicy(Qt::NoFocus);
  messageStrip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  messageStrip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  messageStrip->document()->setDocumentMargin(2);
  // Opening a game gives the strip the game's font before its page is first shown.
  setFontWhenShown(messageStrip, pixelFont("Arial", 21));
  paintWidgetText(messageStrip, QColor(255, 255, 255), QColor(0, 128, 0));

  memo = new MemoBox(page, session.screen.memoScroll);
  resizeBuffer(buffer, pictureScreen->width(), pictureScreen->height());
}

void PicturePage::fitToTela() {
  pictureScreen->fitPictureToWidget();
  if (buffer.size() != pictureScreen->size()) resizeBuffer(buffer, pictureScreen->width(), pictureScreen->height());
}

void PicturePage::setStripFont(const QFont& font, QColor colour) {
  setStripFont(font);
  QPalette p = messageStrip->palette();
  p.setColor(QPalette::Text, colour);
  messageStrip->setPalette(p);
}

void PicturePage::setStripFont(const QFont& font) {
  if (!messageStrip->isVisible() && messageStrip->document()->isEmpty())
    setFontWhenShown(messageStrip, font);
  else
    messageStrip->setFont(font);
}

void PicturePage::appendToStrip(const QString& text) {
  applyPendingFont(messageStrip);
  // The strip lays its last paragraph out again at every append, and a run can append without
  // end: it holds one shown text's budget, the marker where the rest was cut.
  const QString marker = toQt(kCutMarker);
  const auto held = static_cast<size_t>(std::max(messageStrip->document()->characterCount() - 1, 0));
  if (held >= kShownTextBudget) {
    if (!messageStrip->document()->lastBlock().text().endsWith(marker)) appendToMemo(messageStrip, marker);
    return;
  }
  const size_t room = kShownTextBudget - held;
  if (static_cast<size_t>(text.size()) < room)
    appendToMemo(messageStrip, text);
  else
    appendToMemo(messageStrip, text.left(static_cast<qsizetype>(room)) + marker);
}

void PicturePage::appendStripLine(const QString& line) {
  applyPendingFont(messageStrip);
  messageStrip->appendPlainText(line);
}

void PicturePage::setStripText(const QString& text) {
  applyPendingFont(messageStrip);
  messageStrip->setPlainText(shownWithinBudget(text));
}

void PicturePage::layStrip(GameSession& s) {
  messageStrip->setGeometry(QRect(QPoint(linePosition(s, 27, messageStrip->x()), linePosition(s, 28, messageStrip->y())),
                         lineSurface(s, 29, 30, messageStrip->size())));
}

void PicturePage::applyGameLayout(GameSession& s) {
  const QColor background = backgroundColour(s);
  layStrip(s);
  messageStrip->setVisible(lineOn(s, 35));
  // The strip looks as each run will lay it out, so a game that enters this model later in its
  // first run does not show the strip's built-in look.
  const auto& st = s.screen.style;
  paintWidget(messageStrip, background);
  setStripFont(gameFont(st.face, st.size, st.bold, st.italic, st.underline), textColour(s));
  picturePanel->resize(lineSurface(s, 58, 59, picturePanel->size()));
  pictureScreen->resize(picturePanel->size());
  takeTextStyle(pictureScreen->style, s, background);
  takeTextStyle(buffer.style, s, background);
  resizeBuffer(buffer, pictureScreen->width(), pictureScreen->height());
  pictureScreen->setPendingBlank(blankSize(pictureScreen->width(), pictureScreen->height()), background);
}

void PicturePage::applyRunLayout(GameSession& s) {
  const QColor background = backgroundColour(s);
  messageStrip->clear();
  layStrip(s);
  const auto& st = s.screen.style;
  paintWidget(messageStrip, background);
  setStripFont(gameFont(st.face, st.size, st.bold, st.italic, st.underline), textColour(s));
  messageStrip->setVisible(lineOn(s, 35));
  takeTextStyle(pictureScreen->style, s, background);
  pictureScreen->setCursor(Qt::ArrowCursor);
  takeTextStyle(buffer.style, s, background);
  fitToTela();
}

}  // namespace taluvin
