// Page "1" of the game screen: the picture screen Tela, its buffer, captions, strip and memo box.
#pragma once

#include "present/canvas.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace taluvin {

struct GameSession;
class MemoBox;

class PicturePage {
 public:
  // The picture-screen buffer and the memo's scroll state are the session's; the page sizes the
  // buffer and shows it.
  PicturePage(QWidget* page, GameSession& session);

  QWidget* picturePanel;          // PanTel
  CanvasView* pictureScreen;      // Tela: the visible picture screen
  QLabel* captionShadow;          // Sombra
  QLabel* caption;                // Legda
  QPlainTextEdit* messageStrip;   // Msg
  MemoBox* memo;                  // moSbx with moImg, moLb0, moLb1
  Buffer& buffer;                 // the picture-screen buffer, the size of Tela

  // Lines 27 to 30, 35, 58 and 59; the screen and its buffer filled with the background colour.
  void applyGameLayout(GameSession& session);
  // The strip emptied and laid out again; Tela and its buffer take the background and strip font.
  void applyRunLayout(GameSession& session);

  void setStripFont(const QFont& font, QColor colour);
  // A hidden strip with nothing written has nothing to lay out again: the font waits for its show
  // (many games never show the strip), or for the first text written into it.
  void setStripFont(const QFont& font);
  // What is written into the strip, in its font.
  void appendToStrip(const QString& text);
  void appendStripLine(const QString& line);
  void setStripText(const QString& text);
  // Buffer and screen made the size of Tela (blank where they change size).
  void fitToTela();

 private:
  // Lines 27 to 30: the strip's place and size.
  void layStrip(GameSession& session);
};

}  // namespace taluvin
