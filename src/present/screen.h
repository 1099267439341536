// Screen: the game's pages inside the main window and the buffers drawn into them.
#pragma once

namespace taluvin {

class MainWindow;

class Screen {
 public:
  explicit Screen(MainWindow& window);

 private:
  MainWindow& window_;
};

}  // namespace taluvin
