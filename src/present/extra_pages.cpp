// The map and download pages and the hidden stores.
#include "present/extra_pages.h"

#include "base/text.h"
#include "present/layout_settings.h"

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
  youAreHere = new PictureView(content);
  youAreHere->setObjectName("Voce");
  youAreHere->setGeometry(0, 0, 16, 16);
  mapScroll->setWidget(content);
}

void MapPage::applyGameLayout(GameSession& s) {
  mapScroll->resize(lineSurface(s, 96, 97, mapScroll->size()));
}

DownloadPage::DownloadPage(QWidget* page) {
  downloadLabel = new QLabel(toQt(w("Atualizações e download...")), page);
  downloadLabel->setObjectName("Label2");
  QFont font = downloadLabel->font();
  font.setBold(true);
  font.setItalic(true);
  downloadLabel->setFont(font);
  downloadLabel->move(20, 20);
  downloadLabel->adjustSize();
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
  for (auto& b : rain) resizeBuffer(b, 596, 271);
}

}  // namespace taluvin
