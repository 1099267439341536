// The map and download pages and the hidden stores.
#include "present/extra_pages.h"

#include "base/text.h"
#include "present/layout_settings.h"
#include "present/shown_later.h"

#include <QPainter>

namespace taluvin {

MapPage::MapPage(QWidget* page) {
  mapScroll = new QScrollArea(page);
  mapScroll->setObjectName("Sbc1");
  mapScroll->setGeometry(0, 0, 596, 323);
  mapScroll->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget;
  content->resize(596, 323);
  mapPicture = new PictureView(content);
  mapPicture->setObjectName("MapJog");
  mapPicture->setGeometry(0, 0, 596, 323);
  mapPicture->setCursor(Qt::DragCopyCursor);
  youAreHere = new PictureView(content);
  youAreHere->setObjectName("Voce");
  youAreHere->move(160, 85);
  youAreHere->setCursor(Qt::DragMoveCursor);
  setMarker(defaultMarkerPicture());
  mapScroll->setWidget(content);
  paintWidget(mapScroll->viewport(), QColor(192, 192, 192));
  // A style sheet replaces the palettes of everything it styles, the viewport's silver included:
  // the silver around a map smaller than the view is said again here.
  mapScroll->setStyleSheet(
      "QScrollArea#Sbc1 { background: rgb(192, 192, 192); }"
      "QScrollBar:vertical { width: 8px; background: silver; }"
      "QScrollBar:horizontal { height: 8px; background: silver; }"
      "QScrollBar::handle:vertical { background: rgb(0, 206, 103); min-height: 16px; }"
      "QScrollBar::handle:horizontal { background: rgb(0, 206, 103); min-width: 16px; }");
}

void MapPage::setMap(QImage picture) {
  const QSize size = picture.isNull() ? QSize(1, 1) : picture.size();
  mapPicture->setPicture(std::move(picture));
  mapPicture->resize(size);
  mapScroll->widget()->resize(size);
}

void MapPage::setMarker(const QImage& picture) {
  youAreHere->setPicture(withMagentaTransparent(picture));
  youAreHere->resize(picture.size());
}

QPoint MapPage::scrollOffset() const {
  return QPoint(mapScroll->horizontalScrollBar()->value(), mapScroll->verticalScrollBar()->value());
}

void MapPage::scrollTo(int x, int y) {
  mapScroll->horizontalScrollBar()->setValue(x);
  mapScroll->verticalScrollBar()->setValue(y);
}

QSize MapPage::viewSize() const { return mapScroll->viewport()->size(); }

void MapPage::placeMarker(int mapX, int mapY) { youAreHere->move(mapX, mapY); }

QImage defaultMarkerPicture() {
  QImage marker(29, 46, QImage::Format_RGB888);
  marker.fill(QColor(255, 0, 255));
  QPainter painter(&marker);
  // Edges stay hard: a blended edge would mix magenta into colours that no longer key out.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(210, 30, 30));
  const QPoint point[] = {QPoint(3, 20), QPoint(25, 20), QPoint(14, 45)};
  painter.drawPolygon(point, 3);
  painter.drawEllipse(QRect(1, 1, 26, 26));
  painter.setPen(Qt::NoPen);
  painter.drawRect(QRect(5, 18, 19, 6));
  painter.setBrush(Qt::white);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawEllipse(QRect(9, 9, 10, 10));
  return marker;
}

DownloadPage::DownloadPage(QWidget* page) {
  downloadLabel = new QLabel(toQt(w("Atualizações e download...")), page);
  downloadLabel->setObjectName("Label2");
  QFont font = downloadLabel->font();
  font.setBold(true);
  font.setItalic(true);
  downloadLabel->setFont(font);
  downloadLabel->move(20, 20);
  adjustSizeWhenShown(downloadLabel);
}

namespace {
CanvasView* hiddenImage(QWidget* page, const char* name) {
  auto* view = new CanvasView(page);
  view->setObjectName(name);
  view->setGeometry(0, 0, 1, 1);
  view->hide();
  return view;
}
}  // namespace

ImageStore::ImageStore(QWidget* page) {
  loadingImage = hiddenImage(page, "BufShp");
  loadingImage->style.brush = QColor(255, 0, 255);
  workImage = hiddenImage(page, "GrpTmp");
  screenBackup = hiddenImage(page, "BkTel");
  hudImage = hiddenImage(page, "Hud");
  visorBuffer = hiddenImage(page, "VzrBuf");
  objectList = new QListWidget(page);
  objectList->setObjectName("Objs");
  objectList->setSortingEnabled(true);
  objectList->hide();
  effectMemo = new QPlainTextEdit(page);
  effectMemo->setObjectName("Memo1");
  effectMemo->hide();
  lineStoreMemo = new QPlainTextEdit(page);
  lineStoreMemo->setObjectName("Memo3");
  lineStoreMemo->hide();
}

}  // namespace taluvin
