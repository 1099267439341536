// The pointer over a visor, driven by the replay's press, move and release: turning, walking,
// dragging panoramas and clicking elements.
#include "app/replay/replay_pointer.h"
#include "present/picture_file.h"
#include "present/zone_drawing.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::stripPixel;
using taluvin::testing::writeStrip;
using taluvin::testing::named;
using taluvin::testing::pictureOf;

namespace taluvin {
namespace {

ReplayOutcome pointer(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&), int x, int y,
                      const char* surface = "Tela") {
  return action(game.player(), ReplayStep{0, "pointer", {std::to_string(x), std::to_string(y), surface}});
}

Qt::CursorShape telaCursor(TestGame& game) { return named<QWidget>(game, "Tela")->cursor().shape(); }

// Four views of 300 x 100 side by side; the view's thirds end at 100 and 200, its lowest quarter
// starts at 75.
void writeFourWayGame(TestGame& game) {
  writeStrip(game, "faixa.bmp", 1200, 100);
  QImage button(20, 20, QImage::Format_RGB888);
  button.fill(0xFF00FF00);
  ASSERT_TRUE(writeBmp(game.folder() + "botao.bmp", button));
  game.write("start.scp",
             "reg= 10,0\n"
             "norte= sala_n\n"
             "sul= sala_s\n"
             "leste= sala_l\n"
             "visor= img,0,0,20,20,botao.bmp,,elemento\n"
             "visor= 090,0,0,300,100,faixa.bmp,,10\n");
  for (const char* room : {"sala_n", "sala_s", "sala_l", "elemento"})
    game.write(std::string(room) + ".scp", "fim\n");
}

TEST(VisorFourWay, SidesTurnAndTheMiddleWalksAheadOrBack) {
  TestGame game;
  writeFourWayGame(game);
  game.start();
  const QImage& tela = pictureOf(game, "Tela");

  pointer(game, replayMove, 50, 50);
  EXPECT_EQ(telaCursor(game), cursorShapeFor(6)) << "left third";
  pointer(game, replayMove, 150, 20);
  EXPECT_EQ(telaCursor(game), cursorShapeFor(9)) << "ahead, where north leads somewhere";

  // Turning left from facing 0 faces 3 and shows the strip's last view.
  pointer(game, replayPress, 50, 50);
  pointer(game, replayRelease, 50, 50);
  EXPECT_EQ(game.reg(10), "3");
  EXPECT_EQ(tela.pixel(30, 0), stripPixel(930, 0));
  pointer(game, replayMove, 150, 90);
  EXPECT_EQ(telaCursor(game), cursorShapeFor(2)) << "back from west is east, which leads somewhere";
  pointer(game, replayMove, 150, 20);
  EXPECT_EQ(telaCursor(game), Qt::ArrowCursor) << "nothing west";

  // Turning right twice from 3: 0, then 1.
  pointer(game, replayPress, 250, 50);
  pointer(game, replayRelease, 250, 50);
  pointer(game, replayPress, 250, 50);
  pointer(game, replayRelease, 250, 50);
  EXPECT_EQ(game.reg(10), "1");
  EXPECT_EQ(tela.pixel(30, 0), stripPixel(330, 0));

  // Facing east, back is west, where nothing leads: its "0" is run all the same.
  game.clearTrace();
  pointer(game, replayPress, 150, 90);
  EXPECT_TRUE(game.traced("Não encontrei o script: 0.scp"));
  game.run("start");
  pointer(game, replayPress, 150, 90);
  EXPECT_TRUE(game.traced("Executando script: sala_s.scp"));
  game.run("start");
  pointer(game, replayPress, 100, 20);
  EXPECT_FALSE(game.traced("Executando script: sala_n.scp")) << "exactly on the third's edge: nothing";
  pointer(game, replayRelease, 100, 20);
  pointer(game, replayPress, 150, 20);
  EXPECT_TRUE(game.traced("Executando script: sala_n.scp"));
}

TEST(VisorFourWay, AnElementIsClickedBeforeAnyRegion) {
  TestGame game;
  writeFourWayGame(game);
  game.start();
  pointer(game, replayMove, 10, 10);
  EXPECT_EQ(telaCursor(game), cursorShapeFor(1)) << "the element's pointer over the left third";
  pointer(game, replayPress, 10, 10);
  EXPECT_TRUE(game.traced("Executando script: elemento.scp"));
  pointer(game, replayRelease, 10, 10);
  EXPECT_EQ(game.reg(10), "0") << "no turn";
}

TEST(VisorPanoramas, RoundViewWrapsBothWaysAndIsMadeFromTheStripsEndAndStart) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp", "visor= 360,0,0,100,50,faixa.bmp\n");
  game.start();
  const QImage& tela = pictureOf(game, "Tela");
  const VisorState& visor = game.player().session().visor;

  pointer(game, replayPress, 80, 10);
  EXPECT_EQ(telaCursor(game), Qt::BlankCursor) << "the pointer hides while dragging";
  pointer(game, replayMove, 50, 10);
  EXPECT_EQ(visor.offsetX, 370) << "dragged left past the start: round to the end";
  EXPECT_EQ(tela.pixel(0, 0), stripPixel(370, 0));
  EXPECT_EQ(tela.pixel(29, 0), stripPixel(399, 0));
  EXPECT_EQ(tela.pixel(30, 0), stripPixel(0, 0)) << "then the strip's start";
  EXPECT_EQ(tela.pixel(99, 49), stripPixel(69, 49));

  pointer(game, replayMove, 150, 10);
  EXPECT_EQ(visor.offsetX, 70) << "and back past the end to the start";
  EXPECT_EQ(tela.pixel(0, 0), stripPixel(70, 0));
  pointer(game, replayRelease, 150, 10);
  EXPECT_FALSE(game.player().session().zones.pointer.pressed);
  EXPECT_NE(telaCursor(game), Qt::BlankCursor) << "the pointer is back";
  pointer(game, replayMove, 10, 10);
  EXPECT_EQ(visor.offsetX, 70) << "no drag without the button";

  // The scroll page shows a visor the same way.
  game.write("pagina.scp", "mode= 3\nvisor= 360,0,0,100,50,faixa.bmp\n");
  game.run("pagina");
  const QImage& page = pictureOf(game, "Tela3");
  EXPECT_EQ(page.pixel(5, 5), stripPixel(5, 5));
  pointer(game, replayPress, 60, 10, "Tela3");
  pointer(game, replayMove, 40, 10, "Tela3");
  pointer(game, replayRelease, 40, 10, "Tela3");
  EXPECT_EQ(game.player().session().visor.offsetX, 380);
  EXPECT_EQ(page.pixel(25, 5), stripPixel(5, 5));
}

TEST(VisorPanoramas, HalfRoundViewStopsAtTheStripsEdges) {
  TestGame game;
  writeStrip(game, "faixa.bmp", 400, 100);
  game.write("start.scp", "visor= 180,0,0,100,50,faixa.bmp\n");
  game.start();
  const QImage& tela = pictureOf(game, "Tela");
  const VisorState& visor = game.player().session().visor;

  pointer(game, replayPress, 50, 10);
  pointer(game, replayMove, 590, 200);
  EXPECT_EQ(visor.offsetX, 300) << "the view's right side on the strip's right edge";
  EXPECT_EQ(visor.offsetY, 50);
  EXPECT_EQ(tela.pixel(99, 49), stripPixel(399, 99));
  pointer(game, replayMove, -500, -300);
  EXPECT_EQ(visor.offsetX, 0);
  EXPECT_EQ(visor.offsetY, 0);
  EXPECT_EQ(tela.pixel(0, 0), stripPixel(0, 0));
  pointer(game, replayRelease, -500, -300);
}

}  // namespace
}  // namespace taluvin
