// Pages "Mapa" and "Down" of the game screen, and the hidden images page's stores.
#pragma once

#include "present/canvas.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace taluvin {

// The map page's widgets; what the map shows is laid out by the map's own code.
struct MapPage {
  explicit MapPage(QWidget* page);
  QScrollArea* mapScroll;   // Sbc1
  PictureView* mapPicture;  // MapJog
  PictureView* youAreHere;  // Voce

  // The map picture, with the scroll box's range made to fit it; a null picture empties the map.
  void setMap(QImage picture);
  // Magenta in the marker is transparent, so the map shows around the figure.
  void setMarker(const QImage& picture);
  // The scroll offsets, as far as the map lets the box scroll.
  QPoint scrollOffset() const;
  void scrollTo(int x, int y);
  QSize viewSize() const;
  // The marker's position on the map picture.
  void placeMarker(int mapX, int mapY);
};

// The marker a game shows until it loads its own: a pin on a magenta (transparent) ground.
QImage defaultMarkerPicture();

struct DownloadPage {
  explicit DownloadPage(QWidget* page);
  QLabel* downloadLabel;  // Label2
};

// Never shown: the loading and overlay images, the object list and the text stores.
struct ImageStore {
  explicit ImageStore(QWidget* page);
  CanvasView* loadingImage;        // BufShp: pictures load here; magenta is transparent
  CanvasView* workImage;           // GrpTmp
  CanvasView* screenBackup;        // BkTel
  CanvasView* hudImage;            // Hud: the overlay picture itself is kept in the session
  CanvasView* visorBuffer;         // VzrBuf
  QListWidget* objectList;         // Objs
  QPlainTextEdit* effectMemo;     // Memo1: the console effects' work memo
  QPlainTextEdit* lineStoreMemo;  // Memo3: shows the line store
};

}  // namespace taluvin
