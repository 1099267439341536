// The running player's widgets found by their component names, as the replay finds them.
#pragma once

#include "present/main_window.h"
#include "present/picture_view.h"
#include "present/screen.h"
#include "support/test_game.h"

#include <QImage>

namespace taluvin::testing {

template <class Widget = QWidget>
Widget* named(TestGame& game, const char* name) {
  return game.player().mainWindow().findChild<Widget*>(name);
}

// The picture a picture component shows: "Tela", "TelCmd", "Imp", "TelAber", "TelMod3", "Tela3", "moImg".
inline const QImage& pictureOf(TestGame& game, const char* name) { return named<PictureView>(game, name)->picture(); }

// The off-screen buffers scripts draw into before they are shown.
inline Screen& screenOf(TestGame& game) { return game.player().mainWindow().screen(); }

}  // namespace taluvin::testing
