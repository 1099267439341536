// Link commands filling the zone table, and the clicks that run what the zones carry.
#include "present/main_window.h"
#include "app/replay/replay_pointer.h"
#include "interact/link_commands.h"
#include "present/picture_file.h"
#include "present/screen.h"
#include "base/text.h"
#include "state/game_session.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QApplication>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::kMagenta;
using taluvin::testing::writePicture;

namespace taluvin {
namespace {

ReplayOutcome pointer(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&),
                      std::vector<std::string> args) {
  return action(game.player(), ReplayStep{0, "pointer", std::move(args)});
}

const HotZone& slot(TestGame& game, int index) { return game.player().session().zones.table.slot(index); }

Screen& screen(TestGame& game) { return game.player().mainWindow().screen(); }

TEST(LinkCommands, PictureLinkDrawsKeyedIntoTheBufferAndTakesThePictureSize) {
  TestGame game;
  writePicture(game, "porta.bmp", 20, 10, 0xFF00FF00);
  game.write("start.scp",
             "clearbuf 0000FF\n"
             "linktel= porta.bmp,sala2,30,40\n"
             "linktel= porta.bmp,,100,40,40,20,,aberta.bmp,clk.wav\n"
             "linktel= sumida.png,sala2,1,1\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: linktel= porta.bmp,sala2,30,40,20,10,1,,"));
  EXPECT_TRUE(game.traced("   2: linktel= porta.bmp,,100,40,40,20,0,aberta.bmp,clk.wav"));
  EXPECT_TRUE(game.traced("   3: linktel= sumida.png <--- arquivo não existe"));

  const HotZone& door = slot(game, 0);
  EXPECT_TRUE(door.active);
  EXPECT_EQ(door.action, "sala2");
  EXPECT_EQ(door.firstValue, "porta.bmp");
  EXPECT_EQ(door.width, 20);
  EXPECT_EQ(door.height, 10);
  EXPECT_EQ(slot(game, 1).secondValue, "aberta.bmp");
  EXPECT_EQ(slot(game, 1).sound, "clk.wav");
  EXPECT_FALSE(slot(game, 2).active) << "a missing picture makes no zone";

  // The run's end shows the buffer on Tela: the magenta corner left the blue underneath.
  const QImage& pictureScreen = screen(game).pictureScreen()->picture();
  EXPECT_EQ(pictureScreen.pixel(30, 40), 0xFF0000FFu);
  EXPECT_EQ(pictureScreen.pixel(31, 40), 0xFF00FF00u);
  EXPECT_EQ(pictureScreen.pixel(49, 49), 0xFF00FF00u);
  EXPECT_EQ(pictureScreen.pixel(50, 50), 0xFF0000FFu);
  // Stretched into 40 x 20: the far corner is green too.
  EXPECT_EQ(pictureScreen.pixel(139, 59), 0xFF00FF00u);
}

TEST(LinkCommands, ModelsDecideWhereALinkGoes) {
  TestGame game;
  game.write("start.scp",
             "mode= 0\n"
             "linktel= Sair,fim\n"
             "mode= 1\n"
             "linktel= Norte,@norte,5,5\n");
  game.start();
  EXPECT_TRUE(game.traced("   1: linktel= Sair,fim <--- não funciona no modelo \"0\""));
  EXPECT_FALSE(slot(game, 0).firstValue == "Sair");
  const HotZone& text = slot(game, 0);
  EXPECT_EQ(text.firstValue, "Norte");
  EXPECT_EQ(text.action, "@norte") << "an alias without its exit stays as written";
  EXPECT_GT(text.width, 10) << "a text link takes the text's extent";
  EXPECT_GT(text.height, 5);
}

TEST(LinkCommands, SlotsRotateAndCursorTypesFollowTheAction) {
  TestGame game;
  std::string script;
  for (int i = 0; i < 21; ++i) script += "linktel= z" + std::to_string(i) + ",acao,0,0,5,5\n";
  for (int i = 0; i < 41; ++i) script += "linkpainel= p" + std::to_string(i) + ",,0,0,5,5\n";
  script += "linktel= sem,,0,0,5,5\n";
  script += "linkpainel= pan,acao,0,0,5,5,5\n";
  script += "linktel= mao,acao,0,0,5,5,2\n";
  game.write("start.scp", script);
  game.start();
  ZoneTable& table = game.player().session().zones.table;
  EXPECT_EQ(table.slot(0).firstValue, "z20");
  EXPECT_EQ(table.slot(0).cursorType, 1);
  EXPECT_EQ(table.slot(1).firstValue, "sem");
  EXPECT_EQ(table.slot(1).cursorType, 0);
  EXPECT_EQ(table.slot(2).firstValue, "mao");
  EXPECT_EQ(table.slot(2).cursorType, 2);
  EXPECT_EQ(table.slot(40).firstValue, "p40");
  EXPECT_EQ(table.slot(41).firstValue, "pan");
  EXPECT_EQ(table.slot(41).cursorType, 1) << "a frame link with an action always drags";
}

TEST(LinkCommands, LinksOffClearsItsRangeAndNeverTheVisor) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.start();
  ZoneTable& table = game.player().session().zones.table;
  struct Case {
    const char* argument;
    int first, last;
  };
  for (const Case& c : {Case{"", 0, 99}, Case{"tel", 0, 19}, Case{"md4", 0, 19}, Case{"fnc", 20, 39},
                        Case{"pan", 40, 59}, Case{"md3", 60, 99}, Case{"xyz", 0, -1}}) {
    for (int i = 0; i < ZoneTable::kSlots; ++i) table.slot(i).active = true;
    // A run would reset the zones before the command; the handler alone sees a full table.
    ScriptInterpreter& ip = game.player().interpreter();
    ip.Args = {};
    ip.Args[1] = c.argument;
    cmdLinksOff(ip);
    for (int i = 0; i < ZoneTable::kSlots; ++i)
      EXPECT_EQ(table.slot(i).active, i < c.first || i > c.last) << c.argument << " slot " << i;
  }
}

TEST(LinkCommands, StrictLinkNumbersAndCursorTypesEndTheRun) {
  TestGame game;
  game.write("start.scp", "linktel= a,b,x,y\nlinktel= a,b,1,1,5,5,mao\nnunca\n");
  game.write("painel.scp", "linkpainel= a,b,dez\nnunca\n");
  game.start();
  EXPECT_TRUE(game.traced("'mao' is not a valid integer value"));
  EXPECT_FALSE(game.traced("   2: nunca "));
  game.run("painel");
  EXPECT_TRUE(game.traced("'dez' is not a valid integer value"));
}

TEST(PointerZones, ClickRunsTheZoneScriptWithLinkParametersAndGetxyReadsTheOffset) {
  TestGame game;
  writePicture(game, "porta.bmp", 40, 30, 0xFF804020);
  game.write("start.scp", "linktel= porta.bmp,sala2&Prm=chave&Pry=7,100,50\n");
  game.write("sala2.scp", "getxy 3,4\n");
  game.start();
  ASSERT_TRUE(slot(game, 0).active);
  EXPECT_TRUE(pointer(game, replayClick, {"112", "57"}).error.empty());
  EXPECT_TRUE(game.traced("Executando script: sala2.scp"));
  GameSession& s = game.player().session();
  EXPECT_EQ(s.Prm, "chave");
  EXPECT_EQ(s.Pry, "7");
  EXPECT_EQ(s.registers.at(3), "12");
  EXPECT_EQ(s.registers.at(4), "7");

  // The zone answered at its far edge too, and not a pixel beyond.
  game.run("start");
  game.clearTrace();
  pointer(game, replayClick, {"140", "80"});
  EXPECT_TRUE(game.traced("Executando script: sala2.scp"));
  game.clearTrace();
  pointer(game, replayClick, {"141", "80"});
  EXPECT_FALSE(game.traced("Executando script: sala2.scp"));
  EXPECT_FALSE(pointer(game, replayClick, {"1", "1", "Nenhuma"}).error.empty());
}

TEST(PointerZones, OverlapsHoverTheHighestSlotAndPressShowsThePressedPicture) {
  TestGame game;
  writePicture(game, "normal.bmp", 20, 20, 0xFF00FF00);
  writePicture(game, "apertado.bmp", 20, 20, 0xFFFF0000);
  game.write("start.scp",
             "linktel= normal.bmp,,10,10,0,0,11,apertado.bmp\n"
             "linktel= Cima,outro,15,15,10,10,2\n");
  game.write("outro.scp", "fim\n");
  game.start();
  CanvasView* pictureScreen = screen(game).pictureScreen();
  pointer(game, replayMove, {"17", "17"});
  EXPECT_EQ(game.player().session().zones.pointer.hoveredZone, 1);
  EXPECT_EQ(pictureScreen->cursor().shape(), Qt::PointingHandCursor);
  pointer(game, replayMove, {"12", "12"});
  EXPECT_EQ(pictureScreen->cursor().shape(), Qt::CrossCursor);

  pointer(game, replayPress, {"12", "12"});
  EXPECT_EQ(pictureScreen->picture().pixel(12, 12), 0xFFFF0000u);
  pointer(game, replayRelease, {"12", "12"});
  EXPECT_EQ(pictureScreen->picture().pixel(12, 12), 0xFF00FF00u);
  pointer(game, replayMove, {"300", "200"});
  EXPECT_EQ(pictureScreen->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(game.player().session().zones.pointer.hoveredZone, -1);
}

TEST(PointerZones, WebAddressesAreRecordedHeadlessAndOtherActionsRunAsScripts) {
  TestGame game;
  game.write("start.scp",
             "linkpainel= Site,https://example.org/jogo,0,0,50,20\n"
             "linkpainel= Falso,file:///etc/http://x,0,30,50,20\n");
  game.start();
  pointer(game, replayClick, {"10", "10", "Imp"});
  pointer(game, replayClick, {"10", "40", "Imp"});
  const auto& opened = game.player().session().zones.openedAddresses;
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "https://example.org/jogo");
  EXPECT_TRUE(game.traced("Não encontrei o script: file:///etc/http://x.scp"));
}

TEST(PointerZones, FrameZonesSurviveRunsAndPressingOutsideThemDragsTheWindow) {
  TestGame game;
  game.write("start.scp", "linkpainel= Mapa,sala,800,10,50,20\nlinktel= Porta,sala,0,0,10,10\n");
  game.write("sala.scp", "fim\n");
  game.start();
  game.run("sala");
  EXPECT_TRUE(slot(game, 40).active);
  EXPECT_FALSE(slot(game, 0).active);

  MainWindow& window = game.player().mainWindow();
  const QPoint before = window.pos();
  pointer(game, replayPress, {"100", "100", "Imp"});
  pointer(game, replayMove, {"130", "90", "Imp"});
  EXPECT_EQ(window.pos(), before + QPoint(30, -10));
  pointer(game, replayRelease, {"130", "90", "Imp"});
  pointer(game, replayMove, {"200", "200", "Imp"});
  EXPECT_EQ(window.pos(), before + QPoint(30, -10)) << "the drag ends with the release";

  // Over a zone the press is the zone's, not the window's.
  pointer(game, replayPress, {"810", "15", "Imp"});
  pointer(game, replayMove, {"812", "16", "Imp"});
  EXPECT_EQ(window.pos(), before + QPoint(30, -10));
}

TEST(PointerZones, ReleasingTheEndButtonEndsTheProgram) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.start();
  EXPECT_FALSE(game.player().quitRequested());
  pointer(game, replayClick, {"5", "5", "btFim"});
  EXPECT_TRUE(game.player().quitRequested());
}

}  // namespace
}  // namespace taluvin
