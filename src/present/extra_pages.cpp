// The map and download pages and the hidden stores.
#include "present/extra_pages.h"

#include "base/text.h"
#include "present/layout_settings.h"

namespace taluvin {

MapPage::MapPage(QWidget* page) {
  sbc1 = new QScrollArea(page);
  sbc1->setObjectName("Sbc1");
  sbc1->setGeometry(0, 0, 596, 323);
  sbc1->setFrameShape(QFrame::NoFrame);
  auto* content = new QWidget;
  content->resize(596, 323);
  mapJog = new PictureView(content);
  mapJog->setObjectName("MapJog");
  mapJog->setGeometry(0, 0, 596, 323);
  voce = new PictureView(content);
  voce->setObjectName("Voce");
  voce->setGeometry(0, 0, 16, 16);
  sbc1->setWidget(content);
}

void MapPage::applyGameLayout(GameSession& s) {
  sbc1->resize(lineSurface(s, 96, 97, sbc1->size()));
}

DownloadPage::DownloadPage(QWidget* page) {
  label2 = new QLabel(toQt(w("Atualizações e download...")), page);
  label2->setObjectName("Label2");
  label2->move(20, 20);
  label2->adjustSize();
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
  bufShp = hiddenImage(page, "BufShp");
  bufShp->style.brush = QColor(255, 0, 255);
  grpTmp = hiddenImage(page, "GrpTmp");
  bkTel = hiddenImage(page, "BkTel");
  hud = hiddenImage(page, "Hud");
  vzrBuf = hiddenImage(page, "VzrBuf");
  objs = new QListWidget(page);
  objs->setObjectName("Objs");
  objs->setSortingEnabled(true);
  objs->hide();
  memo1 = new QPlainTextEdit(page);
  memo1->setObjectName("Memo1");
  memo1->hide();
  memo3 = new QPlainTextEdit(page);
  memo3->setObjectName("Memo3");
  memo3->hide();
  for (auto& b : rain) b.resize(596, 271);
}

}  // namespace taluvin
