// Escape on the map page leaves the map as a click on the marker does, through the return script.
#include "app/replay/replay_keys.h"
#include "present/paged_book.h"
#include "present/picture_file.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

ReplayOutcome key(TestGame& game, const std::string& name) {
  return replayKey(game.player(), ReplayStep{0, "key", {name}});
}

QString pageShown(TestGame& game) { return screenOf(game).gameBook()->currentPageName(); }

TEST(MapEscape, EscapeLeavesTheMapForTheReturnScriptAndOnlyFromTheMap) {
  TestGame game;
  QImage map(800, 600, QImage::Format_RGB888);
  map.fill(0xFF808080);
  ASSERT_TRUE(writeBmp(game.folder() + "mapa.bmp", map));
  game.write("start.scp", "retscp= volta\nmsg= inicio\n");
  game.write("mapa.scp", "loadmap= mapa.bmp\nshowmap on,,10,10\n");
  game.write("volta.scp", "msg= de volta\n");
  game.start();

  // On the game's page the key is the game's own: nothing leaves anything.
  key(game, "Escape");
  EXPECT_FALSE(game.traced("Executando script: volta.scp"));

  game.run("mapa");
  ASSERT_EQ(pageShown(game), "Mapa");
  // Escape held with another key is another key.
  key(game, "Shift+Escape");
  EXPECT_EQ(pageShown(game), "Mapa");
  key(game, "Escape");
  EXPECT_TRUE(game.traced("Executando script: volta.scp"));
  EXPECT_EQ(pageShown(game), "1");
}

}  // namespace
}  // namespace taluvin
