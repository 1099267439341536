// Builds the game's pages inside the main window.
#include "present/screen.h"

#include "app/main_window.h"

namespace taluvin {

Screen::Screen(MainWindow& window) : window_(window) {}

}  // namespace taluvin
