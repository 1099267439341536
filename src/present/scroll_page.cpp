// The scrolling text page of model "3".
#include "present/scroll_page.h"

#include "present/layout_settings.h"
#include "present/surface_budget.h"

#include <QScrollBar>

namespace taluvin {

ScrollPage::ScrollPage(QWidget* page, QWidget* imagesPage) {
  scrollBox = new QScrollArea(page);
  scrollBox->setObjectName("Sbox2");
  scrollBox->setGeometry(0, 0, 596, 323);
  scrollBox->setFrameShape(QFrame::NoFrame);
  scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scrollBox->setWidgetResizable(false);
  scrollBox->verticalScrollBar()->setSingleStep(20);

  content_ = new QWidget;
  content_->setObjectName("Sbox2Content");
  content_->resize(580, 313);
  scrollPicture = new CanvasView(content_);
  scrollPicture->setObjectName("Tela3");
  scrollPicture->setGeometry(0, 0, 580, 313);
  scrollPicture->fitPictureToWidget();
  scrollCorner = new QFrame(content_);
  scrollCorner->setObjectName("Shp3b");
  scrollCorner->hide();
  scrollBox->setWidget(content_);

  pageImage = new CanvasView(imagesPage);
  pageImage->setObjectName("TelMod3");
  pageImage->setGeometry(5, 5, 578, 313);
  pageImage->fitPictureToWidget();
}

void ScrollPage::paintBox(QColor background, QColor bar) {
  paintWidget(scrollBox, background);
  paintWidget(scrollBox->viewport(), background);
  paintWidget(content_, background);
  scrollBox->verticalScrollBar()->setStyleSheet(
      QString("QScrollBar:vertical { width: 8px; background: %1; margin: 0; }"
              "QScrollBar::handle:vertical { background: %2; min-height: 16px; }"
              "QScrollBar::handle:vertical:hover { background: %3; }"
              "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
              "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
          .arg(background.name(), bar.name(), bar.lighter(130).name()));
}

void ScrollPage::applyGameLayout(GameSession& s) {
  scrollBox->resize(lineSurface(s, 49, 50, scrollBox->size()));
}

void ScrollPage::applyRunLayout(GameSession& s) {
  const QSize page = lineSurface(s, 49, 50, scrollBox->size());
  const int width = page.width() - 21;
  const int height = page.height() - 10;
  const QColor background = backgroundColour(s);
  pageImage->style.brush = background;
  pageImage->style.brushClear = false;
  const auto& st = s.screen.style;
  pageImage->style.face = st.face.empty() ? std::string("Arial") : st.face;
  pageImage->style.size = st.size;
  pageImage->style.fontColor = textColour(s);
  pageImage->style.setStyleFlags(st.bold, st.italic, st.underline);
  pageImage->setGeometry(5, 5, std::max(width, 1), std::max(height, 1));
  if (pageImage->picture().size() != pageImage->size()) {
    QImage resized = blankImage(pageImage->width(), pageImage->height(), background);
    drawImageOnto(resized, pageImage->picture());
    pageImage->setPicture(std::move(resized));
  }
  s.screen.textX = 0;
  s.screen.textY = 0;
}

void ScrollPage::enterModel(GameSession& s, QSize bookSize) {
  paintBox(backgroundColour(s), textColour(s));
  scrollBox->resize(bookSize);
  pageImage->setGeometry(5, 5, std::max(bookSize.width() - 18, 1), std::max(bookSize.height() - 10, 1));
  const QColor background = backgroundColour(s);
  auto& d = pageImage->style;
  d.brush = background;
  d.brushClear = false;
  const auto& st = s.screen.style;
  d.face = st.face.empty() ? std::string("Arial") : st.face;
  d.size = st.size;
  d.fontColor = textColour(s);
  pageImage->setPendingBlank(blankSize(pageImage->width(), pageImage->height()), background);
  // Bold alone when the flag is set; italic and underline are then added by theirs.
  if (st.bold) d.setStyleFlags(true, false, false);
  if (st.italic) d.italic = true;
  if (st.underline) d.underline = true;
  s.screen.textX = 0;
  s.screen.textY = 0;
  scrollBox->verticalScrollBar()->setValue(0);
  scrollBox->update();
}

bool ScrollPage::setPageHeight(int64_t height) {
  height = std::max<int64_t>(height, 1);
  const QSize size = boundedSurface(pageImage->width(), height);
  if (size != pageImage->picture().size() || size != pageImage->size()) {
    QImage resized = blankImage(size.width(), size.height(), pageImage->style.brush);
    drawImageOnto(resized, pageImage->picture());
    pageImage->resize(size);
    pageImage->setPicture(std::move(resized));
  }
  return size.height() == height;
}

bool ScrollPage::growPageTo(int64_t height) {
  if (height <= pageImage->picture().height()) return true;
  return setPageHeight(height);
}

void ScrollPage::showPageImage() {
  const QImage& page = pageImage->picture();
  if (scrollPicture->size() != page.size()) {
    scrollPicture->resize(page.size());
    content_->resize(page.size());
  }
  scrollPicture->setPicture(page.copy());
}

void ScrollPage::takeBackShownImage() {
  pageImage->resize(scrollPicture->size());
  pageImage->setPicture(scrollPicture->picture().copy());
}

}  // namespace taluvin
