// Keyboard play: Tab moves a ring over the zones and links shown, Return and Space use them as a click.
#include "app/replay/replay_keys.h"
#include "interact/focus_keys.h"
#include "interact/zone_focus.h"
#include "present/focus_ring.h"
#include "present/memo_box.h"
#include "present/monitor_window.h"
#include "present/web_page_view.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/program_run.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

using taluvin::testing::runProgram;
using taluvin::testing::screenOf;
using taluvin::testing::TestGame;
using taluvin::testing::writePicture;

namespace taluvin {
namespace {

const QRgb kDoor = qRgb(40, 90, 200);

void key(TestGame& game, const std::string& name) { replayKey(game.player(), ReplayStep{0, "key", {name}, name}); }

void type(TestGame& game, const std::string& text) {
  replayType(game.player(), ReplayStep{0, "type", {text}, text});
}

ZoneFocus& focusOf(TestGame& game) { return *keyboardPlayOf(&game.player().mainWindow()); }

// The label of the stop the ring is on; empty when none is.
std::string focusedLabel(TestGame& game) {
  const FocusTarget* stop = focusOf(game).focused();
  return stop ? stop->label.toStdString() : std::string();
}

QImage windowShot(TestGame& game) {
  return game.player().mainWindow().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(KeyboardPlay, TabRingsAZoneOverTheWindowAndReturnRunsItsScriptAsAClickThere) {
  TestGame game;
  writePicture(game, "porta.bmp", 40, 30, kDoor);
  game.write("start.scp", "linktel= porta.bmp,entrar_na_sala&Prm=chave,10,20\n");
  game.write("entrar_na_sala.scp", "getxy 2,3\nparam= 1,prm\nlinktel= porta.bmp,entrar_na_sala&Prm=chave,10,20\n");
  const std::string f = game.folder();
  game.write("play.replay", "start\nscreenshot " + f + "antes.png\nscreenshot " + f + "tela1.png Tela\nkey Tab\n" +
                                "screenshot " + f + "depois.png\nscreenshot " + f + "tela2.png Tela\nkey Return\nquit\n");
  auto run = runProgram({f, "--headless", "--replay", f + "play.replay", "--trace", f + "trace.txt"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage before(QString::fromStdString(f + "antes.png"));
  const QImage after(QString::fromStdString(f + "depois.png"));
  ASSERT_EQ(before.size(), after.size());
  EXPECT_NE(before, after) << "the window's screenshot shows the ring";
  EXPECT_EQ(QImage(QString::fromStdString(f + "tela1.png")), QImage(QString::fromStdString(f + "tela2.png")))
      << "a screenshot of the surface alone does not";
  const std::string trace = game.read("trace.txt");
  EXPECT_NE(trace.find("Executando script: entrar_na_sala.scp"), std::string::npos) << trace;

  // In the program itself: the ring lies over the zone, nothing is drawn into the game's pictures,
  // and Return is a click at the zone's centre with its link parameters.
  game.start();
  Screen& screen = screenOf(game);
  const QImage buffer = screen.pictureBuffer().image();
  const QImage shown = screen.pictureScreen()->picture();
  key(game, "Tab");
  EXPECT_EQ(focusedLabel(game), "entrar na sala") << "a picture's zone is named by its script";
  const QImage ringed = windowShot(game);
  const QPoint corner = screen.pictureScreen()->mapTo(&game.player().mainWindow(), QPoint(10, 20));
  EXPECT_EQ(ringed.pixel(corner - QPoint(2, 2)), qRgb(255, 221, 0));
  EXPECT_EQ(ringed.pixel(corner + QPoint(10, 10)), kDoor) << "the zone itself stays in view";
  EXPECT_EQ(screen.pictureBuffer().image(), buffer);
  EXPECT_EQ(screen.pictureScreen()->picture(), shown);
  key(game, "Return");
  // The zone answers on 41 x 31 pixels: its centre is 20 right of and 15 below its corner.
  EXPECT_EQ(game.reg(2), "20");
  EXPECT_EQ(game.reg(3), "15");
  EXPECT_EQ(game.reg(1), "chave");
  EXPECT_EQ(focusedLabel(game), "entrar na sala") << "the run made the same zone again: the ring stays";
  key(game, "space");
  EXPECT_TRUE(game.traced("Executando script: entrar_na_sala.scp"));
}

TEST(KeyboardPlay, TheRingGoesInReadingOrderAndWrapsBothWays) {
  TestGame game;
  writePicture(game, "a.bmp", 20, 20, kDoor);
  game.write("start.scp",
             "linktel= Baixo,baixo,10,150\n"
             "linktel= a.bmp,direita,200,20\n"
             "linktel= a.bmp,esquerda,10,20\n"
             "linktel= a.bmp,,100,20\n");
  game.write("sair.scp", "linksoff tel\n");
  game.start();
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    key(game, "Tab");
    seen.push_back(focusedLabel(game));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"esquerda", "direita", "Baixo", "esquerda"}))
      << "a zone without an action is no stop; a text zone is named by its text";
  key(game, "Shift+Tab");
  EXPECT_EQ(focusedLabel(game), "Baixo") << "Shift+Tab from the first goes round to the last";
  key(game, "Backtab");
  EXPECT_EQ(focusedLabel(game), "direita");

  // While a run waits, Return uses no stop: a zone's script never starts inside another run.
  game.write("espera.scp", "linktel= a.bmp,direita,200,20\n/ marca\npausa 20\n");
  game.write("direita.scp", "fim\n");
  game.atTraced("   1: / marca", [&] { key(game, "Return"); });
  game.run("espera");
  EXPECT_TRUE(game.traced("   1: / marca"));
  EXPECT_FALSE(game.traced("Executando script: direita.scp"));

  // A run that takes the zone away takes the ring with it.
  game.run("sair");
  focusOf(game).refresh();
  EXPECT_EQ(focusOf(game).focused(), nullptr);
  EXPECT_FALSE(FocusRing::of(&game.player().mainWindow()).isVisible());
  key(game, "Tab");
  EXPECT_EQ(focusOf(game).focused(), nullptr) << "nothing left to focus";
}

TEST(KeyboardPlay, TheCommandLineKeepsItsKeysAndTypingLeavesTheZones) {
  TestGame game;
  game.settings({{17, "comandos"}, {44, "*"}});
  game.write("comandos.scp", "OLHAR|olhar\nA B|ab\n");
  // Every place shows the door again.
  for (const char* script : {"start", "olhar", "ab", "porta"})
    game.write(std::string(script) + ".scp", "mode= 1\nlinktel= Porta,porta,10,20\n");
  game.start();
  QLineEdit* line = screenOf(game).commandLine();
  line->setFocus();

  // Space types into the line while no ring shows.
  type(game, "a");
  key(game, "space");
  type(game, "b");
  EXPECT_EQ(line->text(), "A B");
  key(game, "Tab");
  EXPECT_EQ(focusedLabel(game), "Porta") << "Tab leaves the line for the zones";
  EXPECT_EQ(line->text(), "A B");
  // A letter goes back to the line and is typed there; Return then enters the phrase.
  line->clear();
  key(game, "O");
  EXPECT_EQ(focusOf(game).focused(), nullptr);
  type(game, "lhar");
  EXPECT_EQ(line->text(), "OLHAR");
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: olhar.scp"));
  EXPECT_FALSE(game.traced("Executando script: porta.scp"));

  // With the ring shown Return is the zone's, not the line's.
  type(game, "olhar");
  key(game, "Tab");
  game.clearTrace();
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: porta.scp"));
  EXPECT_FALSE(game.traced("Executando script: olhar.scp"));
}

TEST(KeyboardPlay, WebPageLinksAreStopsAndReturnFollowsThem) {
  TestGame game;
  game.write("start.scp", "modo= 2\nmsg= Você vê @uma porta|sala2&Prm=chave| e @uma janela|janela| aqui\n");
  game.write("sala2.scp", "param= 1,prm\nmsg+ Sala dois\n");
  game.write("janela.scp", "reg= 1,janela\n");
  game.start();
  key(game, "Tab");
  EXPECT_EQ(focusedLabel(game), "uma porta");
  key(game, "Tab");
  EXPECT_EQ(focusedLabel(game), "uma janela");
  key(game, "Shift+Tab");
  const QImage ringed = windowShot(game);
  key(game, "Return");
  EXPECT_EQ(game.reg(1), "chave") << "the link's parameters come with it";
  EXPECT_TRUE(screenOf(game).web().browser()->toPlainText().contains("Sala dois"));
  EXPECT_EQ(focusOf(game).focused(), nullptr) << "the new page has no such link";
  EXPECT_NE(windowShot(game), ringed);
}

TEST(KeyboardPlay, TheMonitorWindowsZonesAndTextLinksAreStopsInModelFour) {
  TestGame game;
  std::string words;
  for (int i = 0; i < 10; ++i) words += "palavra ";
  game.write("start.scp",
             "mode= 4\n"
             "shape= porta,100,50,60,40,abre\n"
             "memo= @Ligar|liga| " + words + ",10,200,200,120\n");
  game.write("abre.scp", "getxy 2,3\nreg= 1,aberto\n");
  game.write("liga.scp", "reg= 1,ligado\n");
  game.start();
  MonitorWindow& monitor = game.player().monitorWindow();
  ASSERT_TRUE(monitor.memo->memoPanel->isVisible());
  key(game, "Tab");
  ASSERT_NE(focusOf(game).focused(), nullptr);
  EXPECT_EQ(focusOf(game).focused()->slot, 0) << "the monitor picture's zone, above the text";
  EXPECT_TRUE(FocusRing::of(&monitor).isVisible()) << "the ring is over the monitor window";
  EXPECT_FALSE(FocusRing::of(&game.player().mainWindow()).isVisible());
  key(game, "Tab");
  ASSERT_NE(focusOf(game).focused(), nullptr);
  EXPECT_EQ(focusOf(game).focused()->slot, 60);
  key(game, "Return");
  EXPECT_EQ(game.reg(1), "ligado") << "the text box's link, used as a click on it";

  game.run("start");
  key(game, "Tab");
  key(game, "Return");
  EXPECT_EQ(game.reg(1), "aberto");
  const HotZone& zone = game.player().session().zones.table.slot(0);
  const double scale = game.player().session().screen.monitor.scale;
  EXPECT_EQ(game.reg(2), std::to_string(static_cast<int>((zone.width + 1) / 2 / scale)))
      << "the click lands at the zone's centre, in virtual-screen units";
}

TEST(KeyboardPlay, TheMapsMarkerIsAStopThatLeavesTheMap) {
  TestGame game;
  writePicture(game, "mapa.bmp", 800, 600, kDoor);
  game.write("start.scp", "retscp= volta\nloadmap= mapa.bmp\nshowmap on,,10,10\n");
  game.write("volta.scp", "reg= 1,de volta\n");
  game.start();
  key(game, "Tab");
  ASSERT_NE(focusOf(game).focused(), nullptr);
  EXPECT_EQ(focusedLabel(game), "volta") << "the marker is named by the script it returns to";
  key(game, "Return");
  EXPECT_EQ(game.reg(1), "de volta");
  EXPECT_EQ(focusOf(game).focused(), nullptr) << "the map is gone, and the marker with it";
}

}  // namespace
}  // namespace taluvin
