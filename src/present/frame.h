// The frame of the game window: the frame picture Imp, the end button and its label.
#pragma once

#include "present/canvas.h"

#include <QLabel>

namespace taluvin {

class MainWindow;
struct GameSession;

class Frame {
 public:
  explicit Frame(QWidget* page);

  CanvasView* framePicture;  // Imp: the game's frame picture, stretched over the page
  PictureView* endButton;    // btFim: the end button, sized to its picture
  QLabel* endCaption;        // lbFim: its caption

  // The end button's picture "U-" + name (pressed "D-" + name), looked up in folder.
  void loadEndButton(const std::string& folder, const std::string& name);
  std::string endButtonName() const { return endButtonName_; }

  // Lines 11 to 14 and 64 to 72 of the game's settings, and the window shaping of line 93.
  void applyGameLayout(MainWindow& window, GameSession& session);

 private:
  std::string endButtonName_ = "bot1.bmp";
};

}  // namespace taluvin
