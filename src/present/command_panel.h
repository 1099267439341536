// The command panel Abok2/TelCmd with its buffer, and the typed-command line Input and InputReg.
#pragma once

#include "present/canvas.h"
#include "present/first_use.h"
#include "present/paged_book.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

namespace taluvin {

struct GameSession;

class CommandPanel {
 public:
  // The command-panel buffer is the session's; the panel sizes it and shows it.
  CommandPanel(QWidget* page, GameSession& session);

  PagedBook* panelBook;           // Abok2
  CanvasView* panelPicture;       // TelCmd: the command panel's picture
  Buffer& buffer;                 // the command-panel buffer
  QLineEdit* commandLine;         // Input: the typed-command line
  // InputReg: made when a script first asks for a register's text, which most games never do.
  QPlainTextEdit* registerInput() { return &registerInput_.get(); }
  bool registerInputMade() const { return registerInput_.ifMade() != nullptr; }
  // Runs on the register input once it is made (at once if it is).
  void whenRegisterInputMade(std::function<void(QPlainTextEdit&)> made) { registerInput_.whenMade(std::move(made)); }

  // Lines 36 to 48, 53 and 68 when a game is opened.
  void applyGameLayout(GameSession& session);
  // Each run: panel bounds and buffer, panel style, and the command line from its lines. The
  // command line's style follows styleLetters, the style text read last by the run's layout.
  void applyRunLayout(GameSession& session, const std::string& styleLetters, bool inputMayShow);

  void showPanelBySettings(const GameSession& session);
  void setInputShown(bool shown);
  // The buffer onto the panel's picture.
  void showBuffer();

 private:
  void layInput(GameSession& session);
  void layPanel(GameSession& session);

  QPlainTextEdit* makeRegisterInput();

  QWidget* page_;
  FirstUse<QPlainTextEdit> registerInput_;
};

}  // namespace taluvin
