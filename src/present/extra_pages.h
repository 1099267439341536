// Pages "Mapa" and "Down" of the game screen, and the hidden images page's stores.
#pragma once

#include "present/canvas.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <array>

namespace taluvin {

struct GameSession;

// The map page's widgets; what the map shows is laid out by the map's own code.
struct MapPage {
  explicit MapPage(QWidget* page);
  QScrollArea* mapScroll;   // Sbc1
  PictureView* mapPicture;  // MapJog
  PictureView* youAreHere;  // Voce
  // Lines 96 and 97.
  void applyGameLayout(GameSession& session);
};

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
  std::array<Buffer, 4> rain;  // the rain effect's work bitmaps
};

}  // namespace taluvin
