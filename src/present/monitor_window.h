// MonitorWindow: the borderless window of screen model "4", with its picture, captions, input and text box.
#pragma once

#include "present/canvas.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>
#include <string>

namespace taluvin {

struct GameSession;
class MemoBox;

class MonitorWindow : public QWidget {
  Q_OBJECT
 public:
  // The monitor buffer and the memo's scroll state are the session's; the window shows them.
  explicit MonitorWindow(GameSession& session);

  QWidget* panel;                // PanMon: the scaled virtual screen, centred in the window
  CanvasView* monitorPicture;    // Monitor: zones 0-19
  QLabel* captionShadow;         // Sombra
  QLabel* caption;               // Legda
  QPlainTextEdit* input;         // Inpt4
  MemoBox* memo;                 // moSbx with moImg, moLb0, moLb1

  // The link decoration code of the last memo drawn here, which hovering a link follows.
  std::string memoDecoration;

  // Model "4": shown maximized, window and panel in the background colour, the panel and the picture
  // the size of the scaled screen at left, top.
  void enterModel(const GameSession& session);
  // The monitor buffer as the player sees it.
  void showBuffer();
  // The picture taken back into the buffer ("savebuf").
  void takeBackShownPicture();
  // A run starts with the input and the text box hidden.
  void resetInteraction();
  void clearCaptions();

 private:
  GameSession& session_;
};

}  // namespace taluvin
