// Screen: the game's pages inside the main window and the buffers drawn into them.
#pragma once

#include <string>

namespace taluvin {

class MainWindow;
struct GameSession;

class Screen {
 public:
  Screen(MainWindow& window, GameSession& session);

  // Opening a game: every page laid out from the game's settings lines.
  void applyGameLayout();

  // A script run: interaction reset, per-run layout, quote text, and the end-of-run steps.
  void resetInteraction();
  void applyRunLayout();
  void showQuoteText(const std::string& text);
  void updateScreen();
  void settleAfterRun();

 private:
  MainWindow& window_;
  GameSession& session_;
};

}  // namespace taluvin
