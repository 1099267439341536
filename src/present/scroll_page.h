// Page "3" of the game screen: the scroll box Sbox2, the scroll picture Tela3 and the page image TelMod3.
#pragma once

#include "present/canvas.h"

#include <QScrollArea>
#include <cstdint>

namespace taluvin {

struct GameSession;

class ScrollPage {
 public:
  // The scroll box goes on the book page; the page image is kept on the hidden images page.
  ScrollPage(QWidget* page, QWidget* imagesPage);

  QScrollArea* scrollBox;        // Sbox2
  CanvasView* scrollPicture;     // Tela3: what the player sees, a copy of the page image
  QFrame* scrollCorner;          // Shp3b: marker shape
  CanvasView* pageImage;         // TelMod3: the page image text is laid out into

  // Lines 49 and 50 when a game is opened.
  void applyGameLayout(GameSession& session);
  // Page image at 5,5 of width line 49 less 21 and height line 50 less 10, text position 0,0.
  void applyRunLayout(GameSession& session);
  // Switching to model "3": the box takes the book's size, the page image (width - 18) x (height - 10).
  void enterModel(GameSession& session, QSize bookSize);

  // Paints the box and its scroll bar.
  void paintBox(QColor background, QColor bar);
  // The page image grows to at least height, the new strip in its brush colour. Both stop at the
  // surface budget and then answer false: the page is as tall as it may be, not as asked.
  bool growPageTo(int64_t height);
  bool setPageHeight(int64_t height);
  // Tela3 takes the page image's size and a copy of it.
  void showPageImage();
  // TelMod3 takes a copy of what Tela3 shows.
  void takeBackShownImage();

 private:
  QWidget* content_;
};

}  // namespace taluvin
