// Full screen and the window remembered per game: F11 and Alt+Enter, --fullscreen, the settings file.
#include "app/player/player_display_settings.h"
#include "present/stage_fit.h"
#include "support/program_process.h"
#include "support/test_game.h"
#include "support/test_pictures.h"

#include <QImage>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

using taluvin::testing::ProgramProcess;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

TEST(DisplaySettings, ReadBackWhatIsWrittenAndADamagedLineKeepsItsDefault) {
  for (const PlayerDisplaySettings settings : {PlayerDisplaySettings{}, PlayerDisplaySettings{1.5, true},
                                              PlayerDisplaySettings{8, false}}) {
    const ReadDisplaySettings read = parseDisplaySettings(formatDisplaySettings(settings));
    EXPECT_EQ(read.settings, settings) << formatDisplaySettings(settings);
    EXPECT_EQ(read.problem, "");
  }
  EXPECT_EQ(formatDisplaySettings({2.5, true}), "scale=2.5\nfullscreen=1\n");

  const ReadDisplaySettings damaged = parseDisplaySettings("\r\nscale=huge\r\nfullscreen=1\r\nfullscreen=yes\n");
  EXPECT_EQ(damaged.settings.scale, 0) << "a scale that does not read is auto";
  EXPECT_TRUE(damaged.settings.fullscreen) << "the good line is still used";
  EXPECT_EQ(damaged.problem, "line 2 ('scale=huge') is not scale=auto, scale=N (1 to 8) or fullscreen=0|1")
      << "only the first bad line is said";
  EXPECT_EQ(parseDisplaySettings("scale=9\n").settings.scale, 0) << "out of --scale's bounds";
  EXPECT_EQ(parseDisplaySettings("").problem, "");

  const char* config = std::getenv("XDG_CONFIG_HOME");
  ASSERT_NE(config, nullptr);
  const std::string file = displaySettingsFile("/jogos/A Casa/");
  EXPECT_EQ(file.rfind(std::string(config) + "/taluvin/games/A_Casa-", 0), 0u) << file;
  EXPECT_EQ(file, displaySettingsFile("/jogos/A Casa")) << "with or without the last slash";
  EXPECT_NE(file, displaySettingsFile("/outros/A Casa/")) << "games of one name in two folders";
}

TEST(DisplaySettings, FillingFactorKeepsTheAspectAndTakesAWholeFactorThatAlmostFills) {
  const QSize stage(900, 420);
  EXPECT_DOUBLE_EQ(fillingFactor(stage, QSize(1920, 1080)), 1920.0 / 900) << "held by the width";
  EXPECT_DOUBLE_EQ(fillingFactor(stage, QSize(3840, 1000)), 1000.0 / 420) << "held by the height";
  EXPECT_DOUBLE_EQ(fillingFactor(stage, QSize(1800, 840)), 2);
  EXPECT_DOUBLE_EQ(fillingFactor(stage, QSize(1850, 1080)), 2) << "2 fills 97.3% of what 2.06 would";
  EXPECT_DOUBLE_EQ(fillingFactor(stage, QSize(800, 600)), 800.0 / 900) << "a small screen shrinks the game";
  EXPECT_DOUBLE_EQ(fillingFactor(QSize(), QSize(1920, 1080)), 1);
}

// Full screen at 1920 / 900 the window is 900 x 506.25 design pixels, which Qt keeps as 506: the
// saved window may be one device pixel short of the screen's height.
bool fillsTheScreen(const QImage& window) {
  return window.width() == 1920 && window.height() >= 1079 && window.height() <= 1080;
}

// Runs the game on an offscreen screen of 1920 x 1080 with a replay that starts it, takes the
// replay's extra actions and saves the window as the player sees it; its size.
class ScreenGame {
 public:
  ScreenGame() {
    testing::writeStrip(game_, "faixa.bmp", 40, 30);
    game_.write("start.scp", "linktel= faixa.bmp,sala,10,20\n");
    game_.write("screens.json",
                R"({"screens": [{"name": "tela", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  }
  TestGame& game() { return game_; }

  QImage run(std::vector<std::string> options, const std::string& actions = "", std::string* err = nullptr) {
    game_.write("play.replay", "start\n" + actions + "screenshot " + game_.folder() + "janela.png\nscreenshot " +
                                   game_.folder() + "tela.png Tela\nquit\n");
    options.insert(options.begin(), {game_.folder(), "--replay", game_.folder() + "play.replay"});
    ProgramProcess program(options, {{"QT_QPA_PLATFORM", "offscreen:configfile=" + game_.folder() + "screens.json"}});
    const auto run = program.finish(60000);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    if (err) *err = run.err;
    return QImage(QString::fromStdString(game_.folder() + "janela.png"));
  }
  QImage tela() const { return QImage(QString::fromStdString(game_.folder() + "tela.png")); }

 private:
  TestGame game_;
};

TEST(Fullscreen, F11FillsTheScreenWithTheGameCentredOnBlackAndSurfacesKeepTheirPixels) {
  ScreenGame screen;
  const QImage window = screen.run({"--scale", "1"}, "key F11\n");
  ASSERT_TRUE(fillsTheScreen(window)) << window.width() << " x " << window.height();
  EXPECT_EQ(window.pixel(5, 5), qRgb(0, 0, 0)) << "a black bar above the game";
  EXPECT_EQ(window.pixel(960, 1075), qRgb(0, 0, 0)) << "and below it";
  EXPECT_NE(window.pixel(960, 540), qRgb(0, 0, 0)) << "the game in the middle";
  const QImage fullscreenTela = screen.tela().convertToFormat(QImage::Format_RGB32);

  EXPECT_EQ(screen.run({"--scale", "1"}).size(), QSize(900, 420));
  EXPECT_EQ(screen.tela().convertToFormat(QImage::Format_RGB32), fullscreenTela)
      << "what the script drew is the same picture full screen";

  EXPECT_TRUE(fillsTheScreen(screen.run({"--scale", "1"}, "key Alt+Return\n"))) << "Alt+Enter as F11";
  EXPECT_EQ(screen.run({"--scale", "1"}, "key F11\nkey F11\n").size(), QSize(900, 420)) << "F11 again leaves";
  EXPECT_TRUE(fillsTheScreen(screen.run({"--fullscreen"})));
}

TEST(Fullscreen, TheScaleAndFullScreenAreRememberedPerGameAndTheCommandLineWins) {
  ScreenGame screen;
  EXPECT_EQ(screen.run({}).size(), QSize(1350, 630)) << "auto on 1920 x 1080 is 1.5";
  EXPECT_EQ(screen.run({"--scale", "2"}).size(), QSize(1800, 840));
  EXPECT_EQ(screen.run({}).size(), QSize(1800, 840)) << "the scale last given";
  EXPECT_TRUE(fillsTheScreen(screen.run({}, "key F11\n")));
  EXPECT_TRUE(fillsTheScreen(screen.run({}))) << "left full screen, it starts full screen";
  EXPECT_EQ(screen.run({"--scale", "1"}).size(), QSize(900, 420)) << "--scale wins over full screen";
  EXPECT_EQ(screen.run({}).size(), QSize(900, 420)) << "and is remembered in its turn";
  EXPECT_EQ(screen.run({"--scale", "auto"}).size(), QSize(1350, 630));
  EXPECT_EQ(screen.run({"--headless"}).size(), QSize(900, 420)) << "--headless never reads it";

  // A damaged file is said once and the rest of it used.
  const std::string file = displaySettingsFile(screen.game().folder());
  std::ofstream(file, std::ios::binary | std::ios::trunc) << "scale=enorme\nfullscreen=1\n";
  std::string err;
  EXPECT_TRUE(fillsTheScreen(screen.run({}, "", &err)));
  const std::string message = "taluvin: " + file +
                              ": line 1 ('scale=enorme') is not scale=auto, scale=N (1 to 8) or fullscreen=0|1; the "
                              "window's defaults are used for it\n";
  ASSERT_NE(err.find(message), std::string::npos) << err;
  EXPECT_EQ(err.find("taluvin: ", err.find(message) + 1), std::string::npos) << "said once: " << err;
}

}  // namespace
}  // namespace taluvin
