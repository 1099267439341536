// The picture page: the picture screen with its buffer, the caption labels and the message strip.
#include "present/picture_page.h"

#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/memo_box.h"
#include "present/memo_text.h"


namespace taluvin {

PicturePage::PicturePage(QWidget* page) {
  panTel = new QWidget(page);
  panTel->setObjectName("PanTel");
  panTel->setGeometry(0, 0, 596, 271);
  paintWidget(panTel, QColor(255, 255, 255));

  tela = new CanvasView(panTel);
  tela->setObjectName("Tela");
  tela->setGeometry(0, 0, 596, 271);
  tela->setStretch(true);
  tela->fitPictureToWidget();

  sombra = new QLabel(panTel);
  sombra->setObjectName("Sombra");
  sombra->move(75, 234);
  legda = new QLabel(panTel);
  legda->setObjectName("Legda");
  legda->move(70, 224);

  msg = new QPlainTextEdit(page);
  msg->setObjectName("Msg");
  msg->setGeometry(5, 276, 586, 42);
  msg->setReadOnly(true);
  msg->setFrameShape(QFrame::NoFrame);
  msg->setFocusPolicy(Qt::NoFocus);
  msg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  msg->document()->setDocumentMargin(2);
  msg->setFont(pixelFont("Arial", 21));
  paintWidgetText(msg, QColor(255, 255, 255), QColor(0, 128, 0));

  memo = new MemoBox(page);
  buffer.resize(tela->width(), tela->height());
}

void PicturePage::fitToTela() {
  tela->fitPictureToWidget();
  if (buffer.image.size() != tela->size()) buffer.resize(tela->width(), tela->height());
}

void PicturePage::setStripFont(const QFont& font, QColor colour) {
  msg->setFont(font);
  QPalette p = msg->palette();
  p.setColor(QPalette::Text, colour);
  msg->setPalette(p);
}

void PicturePage::appendToStrip(const QString& text) { appendToMemo(msg, text); }

void PicturePage::layStrip(GameSession& s) {
  msg->setGeometry(QRect(QPoint(linePosition(s, 27, msg->x()), linePosition(s, 28, msg->y())),
                         lineSurface(s, 29, 30, msg->size())));
}

void PicturePage::applyGameLayout(GameSession& s) {
  const QColor background = backgroundColour(s);
  layStrip(s);
  msg->setVisible(lineOn(s, 35));
  // The strip looks as each run will lay it out, so a game that enters this model later in its
  // first run does not show the strip's built-in look.
  const auto& st = s.screen.style;
  paintWidget(msg, background);
  setStripFont(gameFont(st.face, st.size, st.bold, st.italic, st.underline), textColour(s));
  panTel->resize(lineSurface(s, 58, 59, panTel->size()));
  tela->resize(panTel->size());
  takeTextStyle(tela->style, s, background);
  takeTextStyle(buffer.style, s, background);
  buffer.resize(tela->width(), tela->height());
  tela->setPicture(blankImage(tela->width(), tela->height(), background));
}

void PicturePage::applyRunLayout(GameSession& s) {
  const QColor background = backgroundColour(s);
  msg->clear();
  layStrip(s);
  const auto& st = s.screen.style;
  paintWidget(msg, background);
  setStripFont(gameFont(st.face, st.size, st.bold, st.italic, st.underline), textColour(s));
  msg->setVisible(lineOn(s, 35));
  takeTextStyle(tela->style, s, background);
  tela->setCursor(Qt::ArrowCursor);
  takeTextStyle(buffer.style, s, background);
  fitToTela();
}

}  // namespace taluvin
