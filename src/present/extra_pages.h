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
  QScrollArea* sbc1;
  PictureView* mapJog;
  PictureView* voce;
  // Lines 96 and 97.
  void applyGameLayout(GameSession& session);
};

struct DownloadPage {
  explicit DownloadPage(QWidget* page);
  QLabel* label2;
};

// Never shown: the loading and overlay images, the object list and the text stores.
struct ImageStore {
  explicit ImageStore(QWidget* page);
  CanvasView* bufShp;   // loading image for pictures; magenta is transparent
  CanvasView* grpTmp;
  CanvasView* bkTel;
  CanvasView* hud;
  CanvasView* vzrBuf;
  QListWidget* objs;
  QPlainTextEdit* memo1;  // the console effects' work memo
  QPlainTextEdit* memo3;  // shows the line store
  std::array<Buffer, 4> rain;  // the rain effect's work bitmaps
};

}  // namespace taluvin
