// The monitor window of model "4": shown over the screen, its picture's zones, its input, its text box.
#include "app/replay/replay.h"
#include "app/replay/replay_keys.h"
#include "app/replay/replay_pointer.h"
#include "present/memo_box.h"
#include "present/monitor_window.h"
#include "present/picture_file.h"
#include "present/zone_reveal.h"
#include "state/game_session.h"
#include "support/event_wait.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

MonitorWindow& monitorOf(TestGame& game) { return game.player().monitorWindow(); }
const MonitorGeometry& geometryOf(TestGame& game) { return game.player().session().screen.monitor; }

ReplayOutcome act(TestGame& game, ReplayOutcome (*action)(Player&, const ReplayStep&), std::vector<std::string> args,
                  std::string rest = {}) {
  return action(game.player(), ReplayStep{0, "act", std::move(args), std::move(rest)});
}

int scaled(TestGame& game, int v) { return static_cast<int>(v * geometryOf(game).scale); }

TEST(MonitorWindow, ModelFourShowsTheWindowMaximizedWithTheScreenCentredAndTheBufferAtTheEndOfARun) {
  TestGame game;
  game.write("start.scp",
             "mode= 4\n"
             "cleartela FF0000\n");
  game.write("verde.scp", "clearbuf 00FF00\n");
  game.write("volta.scp", "mode= 1\n");
  game.start();
  MonitorWindow& monitor = monitorOf(game);
  EXPECT_TRUE(monitor.isVisible());
  EXPECT_TRUE(monitor.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(monitor.objectName(), "TForm10");
  EXPECT_EQ(monitor.windowTitle(), "Monitor");

  const MonitorGeometry& m = geometryOf(game);
  const QSize client = screenOf(game).monitorClientSize();
  EXPECT_EQ(monitor.panel->geometry(), QRect(m.left, m.top, m.scaledWidth, m.scaledHeight));
  EXPECT_EQ(m.left, (client.width() - m.scaledWidth) / 2);
  EXPECT_EQ(m.top, (client.height() - m.scaledHeight) / 2);
  EXPECT_EQ(monitor.monitorPicture->size(), QSize(m.scaledWidth, m.scaledHeight));

  // The run's end shows the buffer on the picture: red from "cleartela", then green from the buffer only.
  EXPECT_EQ(monitor.monitorPicture->picture().pixel(m.scaledWidth - 1, m.scaledHeight - 1), 0xFFFF0000u);
  game.run("verde");
  const QImage& shown = monitor.monitorPicture->picture();
  EXPECT_EQ(shown.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(shown.pixel(m.scaledWidth - 1, m.scaledHeight - 1), 0xFF00FF00u);

  // A screenshot of the monitor picture is at its own pixel size, the X, Y a click on it takes.
  const std::string shot = game.beside() + "monitor.png";
  for (const ReplayAction& action : replayActions())
    if (std::string(action.name) == "screenshot")
      action.run(game.player(), ReplayStep{0, "screenshot", {shot, "Monitor"}});
  const QImage saved(QString::fromStdString(shot));
  EXPECT_EQ(saved.size(), QSize(m.scaledWidth, m.scaledHeight));
  EXPECT_EQ(saved.pixel(m.scaledWidth - 1, m.scaledHeight - 1), 0xFF00FF00u);

  game.run("volta");
  EXPECT_FALSE(monitor.isVisible()) << "another model is not hidden behind the monitor";
}

TEST(MonitorWindow, IsMadeAtItsFirstUseAndTakesTheZoneOutlinesAlreadyShown) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.write("monitor.scp",
             "mode= 4\n"
             "shape= porta,100,50,60,40,abre\n");
  game.start();
  EXPECT_EQ(game.player().madeMonitor(), nullptr) << "a game that has not entered model 4 has no monitor";

  // Ctrl held before the monitor exists: its zones are outlined as soon as it shows them.
  game.player().zoneReveal().setShown(true);
  game.run("monitor");
  MonitorWindow* monitor = game.player().madeMonitor();
  ASSERT_NE(monitor, nullptr);
  EXPECT_TRUE(monitor->isVisible());
  const HotZone& zone = game.player().session().zones.table.slot(0);
  ASSERT_TRUE(zone.active);
  const auto outlined = [&] {
    return monitor->monitorPicture->grab().toImage().pixel(zone.left, zone.top) == qRgb(255, 221, 0);
  };
  EXPECT_TRUE(taluvin::testing::waitUntil(outlined));
  game.player().zoneReveal().setShown(false);
  EXPECT_FALSE(outlined());
}

TEST(MonitorWindow, RefreshAndSavebufMoveThePictureBetweenBufferAndMonitorDuringTheRun) {
  TestGame game;
  game.write("start.scp",
             "mode= 4\n"
             "clearbuf 0000FF\n"
             "refresh\n");
  game.write("salva.scp",
             "clearbuf 00FF00\n"
             "savebuf\n");
  game.start();
  const QImage& shown = monitorOf(game).monitorPicture->picture();
  EXPECT_EQ(shown.pixel(5, 5), 0xFF0000FFu);
  // "savebuf" takes the blue picture back into the green buffer, which the run's end then shows.
  game.run("salva");
  EXPECT_EQ(screenOf(game).monitorBuffer().image().pixel(5, 5), 0xFF0000FFu);
  EXPECT_EQ(shown.pixel(5, 5), 0xFF0000FFu);
}

TEST(MonitorWindow, AClickOnTheMonitorHitsAZoneAndGivesTheOffsetInVirtualScreenUnits) {
  TestGame game;
  // A virtual screen two thirds of the monitor's client area: a scale of 1.5 or just above it.
  const QSize client = QGuiApplication::primaryScreen()->availableGeometry().size();
  game.write("start.scp",
             "mode= 4," + std::to_string(client.width() * 2 / 3) + "," + std::to_string(client.height() * 2 / 3) +
                 "\n"
             "shape= porta,100,50,\n"
             "shape= porta,100,50,60,40,abre\n");
  game.write("abre.scp", "getxy 2,3\nreg= 1,aberto\n");
  game.start();
  const HotZone& zone = game.player().session().zones.table.slot(0);
  ASSERT_TRUE(zone.active);
  const double scale = geometryOf(game).scale;
  ASSERT_GE(scale, 1.5);
  ASSERT_LT(scale, 1.51);
  // 30 pixels right of the zone's edge are 20 units of the virtual screen at 1.5, and a fraction
  // below 20 (truncated to 19) at any larger scale.
  const int x = zone.left + 30, y = zone.top + 5;
  ASSERT_TRUE(act(game, replayClick, {std::to_string(x), std::to_string(y), "Monitor"}).error.empty());
  EXPECT_EQ(game.reg(1), "aberto");
  EXPECT_EQ(game.reg(2), scale == 1.5 ? "20" : "19");
  EXPECT_EQ(game.reg(3), "3");
  // A click beside every zone runs nothing.
  game.write("abre.scp", "reg= 1,de novo\n");
  act(game, replayClick, {std::to_string(zone.left + zone.width + 5), std::to_string(y), "Monitor"});
  EXPECT_EQ(game.reg(1), "aberto");
}

TEST(MonitorWindow, RegisterModeStoresTheTextAndCommandModeTakesOnePhrase) {
  TestGame game;
  game.write("vocab.scp", "ABRIR PORTA|porta\n");
  game.write("start.scp",
             "defcom= vocab\n"
             "mode= 4\n"
             "reg= 5,antigo\n"
             "inptreg= 5,10,20,100,20,depois\n");
  game.write("depois.scp", "reg= 6,feito\n");
  game.write("porta.scp", "reg= 7,aberta\n");
  game.write("comando.scp", "inptcmd= 5,10,20,100,20,depois\n");
  game.start();
  QPlainTextEdit* input = monitorOf(game).input;
  EXPECT_TRUE(input->isVisible());
  EXPECT_EQ(input->toPlainText(), "antigo");
  EXPECT_EQ(input->geometry(), QRect(scaled(game, 10), scaled(game, 20), scaled(game, 100), scaled(game, 20)));

  // Register mode: Enter in the input stores its text and runs its script.
  input->clear();
  act(game, replayType, {}, "novo");
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(5), "novo");
  EXPECT_EQ(game.reg(6), "feito");
  EXPECT_FALSE(input->isVisible());

  // Command mode: a known phrase stores its script name and runs it.
  game.run("comando");
  input->clear();
  act(game, replayType, {}, "abrir porta");
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(5), "porta");
  EXPECT_EQ(game.reg(7), "aberta");
  EXPECT_EQ(game.player().session().typing.LastCommand, "ABRIR PORTA");

  // An unknown phrase empties the register and runs the input's own script.
  game.run("comando");
  game.write("depois.scp", "reg= 6,de novo\n");
  input->clear();
  act(game, replayType, {}, "voar");
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(5), "");
  EXPECT_EQ(game.reg(6), "de novo");

  // One phrase per "inptcmd=": a second Enter in the same box does nothing.
  game.run("comando");
  game.write("depois.scp", "reg= 6,terceira\n");
  input->setPlainText("voar");
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(6), "terceira");
  input->show();
  input->setFocus();
  input->setPlainText("abrir porta");
  ASSERT_EQ(QApplication::focusWidget(), input) << "the key must reach the input for its silence to count";
  game.write("depois.scp", "reg= 6,quarta\n");
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(6), "terceira");
  EXPECT_EQ(game.reg(5), "");
}

TEST(MonitorWindow, EnterOutsideTheInputRunsThePictureScreenScript) {
  TestGame game;
  QImage picture(8, 8, QImage::Format_RGB888);
  picture.fill(0xFF808080);
  ASSERT_TRUE(writeBmp(game.folder() + "lugar.bmp", picture));
  game.write("start.scp",
             "mode= 4\n"
             "telpos= lugar.bmp,tecla\n");
  game.write("tecla.scp", "reg= 1,enter\n");
  game.start();
  monitorOf(game).setFocus();
  act(game, replayKey, {"Enter"});
  EXPECT_EQ(game.reg(1), "enter");
}

TEST(MonitorWindow, TheTextBoxScrollsDragsAndUnderlinesItsLinksInTheVisitedColour) {
  TestGame game;
  game.settings({{21, "00FF00"}});
  std::string words;
  for (int i = 0; i < 80; ++i) words += "palavra ";
  game.write("start.scp",
             "mode= 4\n"
             "memo= @Ligar|liga| " + words + ",10,10,200,120,,,,3\n");
  game.write("liga.scp", "reg= 1,ligado\n");
  game.start();
  MonitorWindow& monitor = monitorOf(game);
  MemoBox& memo = *monitor.memo;
  ASSERT_TRUE(memo.memoPanel->isVisible());
  EXPECT_FALSE(screenOf(game).memoBox().memoPanel->isVisible()) << "model 4 draws in the monitor's box";
  const HotZone& link = game.player().session().zones.table.slot(60);
  ASSERT_TRUE(link.active);
  EXPECT_EQ(link.action, "liga");

  // Hovering the link underlines it in the visited colour, and the line stays after the pointer leaves.
  const int lineY = link.top + link.height - 6;
  const QImage& text = memo.memoImage->picture();
  act(game, replayMove, {std::to_string(link.left + 2), std::to_string(link.top + 2), "moImg"});
  act(game, replayMove, {std::to_string(link.left + 2), std::to_string(text.height() - 3), "moImg"});
  EXPECT_EQ(text.pixel(link.left + link.width / 2, lineY), 0xFF00FF00u);

  // The wheel and dragging the text keep it between its ends.
  ASSERT_GT(memo.travel, 0);
  act(game, replayWheel, {"-3", "Monitor"});
  EXPECT_GT(memo.position, 0) << "the wheel anywhere over the window scrolls the box";
  EXPECT_EQ(memo.memoImage->y(), -(memo.position * memo.step));
  act(game, replayPress, {"2", "2", "moLb1"});
  act(game, replayMove, {"2", "9000", "moLb1"});
  EXPECT_EQ(memo.position, memo.travel) << "the thumb stops at the end of its travel";
  act(game, replayRelease, {"2", "9000", "moLb1"});
  act(game, replayPress, {"150", "100", "moImg"});
  act(game, replayMove, {"150", "5000", "moImg"});
  EXPECT_EQ(memo.memoImage->y(), 0) << "dragged down past its top it stops at 0";
  act(game, replayMove, {"150", "-9000", "moImg"});
  EXPECT_EQ(memo.memoImage->y(), -(memo.travel * memo.step));
  EXPECT_EQ(memo.position, memo.travel);
  act(game, replayRelease, {"150", "-9000", "moImg"});

  // A click on the link runs its script.
  memo.scrollTo(0);
  act(game, replayClick, {std::to_string(link.left + 2), std::to_string(link.top + 2), "moImg"});
  EXPECT_EQ(game.reg(1), "ligado");
  EXPECT_FALSE(memo.memoPanel->isVisible()) << "a run starts with the text box hidden";
}

TEST(MonitorWindow, TheCaptionPairIsScaledAndItsShadowAlwaysOffset) {
  TestGame game;
  game.write("start.scp",
             "mode= 4\n"
             "legenda= Olá,100,50,200,40,Arial,20,FFFFFF,FFFFFF\n");
  game.start();
  MonitorWindow& monitor = monitorOf(game);
  const QRect expected(scaled(game, 100), scaled(game, 50), scaled(game, 200), scaled(game, 40));
  EXPECT_EQ(monitor.caption->geometry(), expected);
  EXPECT_EQ(monitor.captionShadow->geometry(), expected.translated(-2, 2));
  EXPECT_EQ(monitor.caption->text(), QString::fromUtf8("Olá"));
  EXPECT_TRUE(screenOf(game).caption()->text().isEmpty()) << "the main window's pair stays empty";
}

TEST(MonitorWindow, EncerrarTakesTheMonitorPictureOntoTheScreenAndHidesTheWindow) {
  TestGame game;
  game.write("start.scp",
             "mode= 4\n"
             "cleartela 0000FF\n"
             "encerrar 0\n");
  game.start();
  EXPECT_FALSE(monitorOf(game).isVisible());
  EXPECT_EQ(taluvin::testing::pictureOf(game, "Tela").pixel(3, 3), 0xFF0000FFu);
}

}  // namespace
}  // namespace taluvin
