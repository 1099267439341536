// The scrolling text page of model "3".
#include "present/scroll_page.h"

#include "present/layout_settings.h"
#include "present/surface_budget.h"

#include <QScrollBar>

namespace taluvin {

ScrollPage::ScrollPage(QWidget* page, QWidget* imagesPage) {
  sbox2 = new QScrollArea(page);
  sbox2->setObjectName("Sbox2");
  sbox2->setGeometry(0, 0, 596, 323);
  sbox2->setFrameShape(QFrame::NoFrame);
  sbox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sbox2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  sbox2->setWidgetResizable(false);
  sbox2->verticalScrollBar()->setSingleStep(20);

  content_ = new QWidget;
  content_->setObjectName("Sbox2Content");
  content_->resize(580, 313);
  tela3 = new CanvasView(content_);
  tela3->setObjectName("Tela3");
  tela3->setGeometry(0, 0, 580, 313);
  tela3->fitPictureToWidget();
  shp3b = new QFrame(content_);
  shp3b->setObjectName("Shp3b");
  shp3b->hide();
  sbox2->setWidget(content_);

  telMod3 = new CanvasView(imagesPage);
  telMod3->setObjectName("TelMod3");
  telMod3->setGeometry(5, 5, 578, 313);
  telMod3->fitPictureToWidget();
}

void ScrollPage::paintBox(QColor background, QColor bar) {
  paintWidget(sbox2, background);
  paintWidget(sbox2->viewport(), background);
  paintWidget(content_, background);
  sbox2->verticalScrollBar()->setStyleSheet(
      QString("QScrollBar:vertical { width: 8px; background: %1; margin: 0; }"
              "QScrollBar::handle:vertical { background: %2; min-height: 16px; }"
              "QScrollBar::handle:vertical:hover { background: %3; }"
              "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
              "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
          .arg(background.name(), bar.name(), bar.lighter(130).name()));
}

void ScrollPage::applyGameLayout(GameSession& s) {
  sbox2->resize(lineSurface(s, 49, 50, sbox2->size()));
}

void ScrollPage::applyRunLayout(GameSession& s) {
  const QSize page = lineSurface(s, 49, 50, sbox2->size());
  const int width = page.width() - 21;
  const int height = page.height() - 10;
  const QColor background = backgroundColour(s);
  telMod3->style.brush = background;
  telMod3->style.brushClear = false;
  const auto& st = s.screen.style;
  telMod3->style.face = st.face.empty() ? std::string("Arial") : st.face;
  telMod3->style.size = st.size;
  telMod3->style.fontColor = textColour(s);
  telMod3->style.setStyleFlags(st.bold, st.italic, st.underline);
  telMod3->setGeometry(5, 5, std::max(width, 1), std::max(height, 1));
  if (telMod3->picture().size() != telMod3->size()) {
    QImage resized = blankImage(telMod3->width(), telMod3->height(), background);
    drawImageOnto(resized, telMod3->picture());
    telMod3->setPicture(std::move(resized));
  }
  s.screen.textX = 0;
  s.screen.textY = 0;
}

void ScrollPage::enterModel(GameSession& s, QSize bookSize) {
  paintBox(backgroundColour(s), textColour(s));
  sbox2->resize(bookSize);
  telMod3->setGeometry(5, 5, std::max(bookSize.width() - 18, 1), std::max(bookSize.height() - 10, 1));
  const QColor background = backgroundColour(s);
  auto& d = telMod3->style;
  d.brush = background;
  d.brushClear = false;
  const auto& st = s.screen.style;
  d.face = st.face.empty() ? std::string("Arial") : st.face;
  d.size = st.size;
  d.fontColor = textColour(s);
  telMod3->setPicture(blankImage(telMod3->width(), telMod3->height(), background));
  // Bold alone when the flag is set; italic and underline are then added by theirs.
  if (st.bold) d.setStyleFlags(true, false, false);
  if (st.italic) d.italic = true;
  if (st.underline) d.underline = true;
  s.screen.textX = 0;
  s.screen.textY = 0;
  sbox2->verticalScrollBar()->setValue(0);
  sbox2->update();
}

bool ScrollPage::setPageHeight(int64_t height) {
  height = std::max<int64_t>(height, 1);
  const QSize size = boundedSurface(telMod3->width(), height);
  if (size != telMod3->picture().size() || size != telMod3->size()) {
    QImage resized = blankImage(size.width(), size.height(), telMod3->style.brush);
    drawImageOnto(resized, telMod3->picture());
    telMod3->resize(size);
    telMod3->setPicture(std::move(resized));
  }
  return size.height() == height;
}

bool ScrollPage::growPageTo(int64_t height) {
  if (height <= telMod3->picture().height()) return true;
  return setPageHeight(height);
}

void ScrollPage::showPageImage() {
  const QImage& page = telMod3->picture();
  if (tela3->size() != page.size()) {
    tela3->resize(page.size());
    content_->resize(page.size());
  }
  tela3->setPicture(page.copy());
}

void ScrollPage::takeBackShownImage() {
  telMod3->resize(tela3->size());
  telMod3->setPicture(tela3->picture().copy());
}

}  // namespace taluvin
