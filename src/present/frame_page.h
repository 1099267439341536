// The frame of the game window: the frame picture Imp, the end button and its caption.
#pragma once

#include "present/canvas.h"

#include <QLabel>

namespace taluvin {

class MainWindow;
struct GameSession;

class FramePage {
 public:
  // The end button's name is the session's; the page reads and sets it there.
  FramePage(QWidget* page, GameSession& session);

  CanvasView* framePicture;  // Imp: the game's frame picture, stretched over the page
  PictureView* endButton;    // btFim: the end button, sized to its picture
  QLabel* endCaption;        // lbFim: its caption

  // The end button's picture "U-" + name (pressed "D-" + name), looked up in folder.
  void loadEndButton(const GameSession& s, const std::string& folder, const std::string& name);
  const std::string& endButtonName() const { return endButtonName_; }

  // Lines 11 to 14 and 64 to 72 of the game's settings, and the window shaping of line 93.
  void applyGameLayout(MainWindow& window, GameSession& session);

 private:
  std::string& endButtonName_;
};

}  // namespace taluvin
