// A room click on the real player, timed from the button's release until the picture screen has
// painted, at 1x, 2x and full screen; and a rain frame full screen.
#include "app/options.h"
#include "app/player/player.h"
#include "present/canvas.h"
#include "present/main_window.h"
#include "present/picture_cache.h"
#include "present/picture_file.h"
#include "present/rain_frame.h"
#include "present/screen.h"
#include "present/stage_fit.h"
#include "state/state_writer.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 596;
constexpr int kHeight = 271;
// The zone each room script defines; the click lands in its middle.
constexpr int kZoneX = 200, kZoneY = 60, kZoneW = 80, kZoneH = 120;
// A pixel outside the zone and the magenta holes, whose red tells the two rooms apart.
constexpr int kProbeX = 100, kProbeY = 100;
constexpr int kDeadlineMs = 10000;

// One offscreen application for the whole benchmark binary, made on first use and never torn down:
// widgets outlive no application, and a second one cannot be made.
void ensureApplication() {
  static QCoreApplication* app = []() -> QCoreApplication* {
    // Another benchmark may have made it already.
    if (QCoreApplication* existing = QCoreApplication::instance()) return existing;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    static int argc = 1;
    static char name[] = "taluvin_bench";
    static char* argv[] = {name, nullptr};
    return new QApplication(argc, argv);
  }();
  (void)app;
}

// A room like the game's own: smooth shading with a few magenta holes. The west room's red grows
// from the left, the east room's from the right.
QImage room(bool east) {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  for (int y = 0; y < kHeight; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const bool hole = (x / 40 + y / 40) % 7 == 0;
      const int red = x * 255 / kWidth;
      row[3 * x] = hole ? 0xFF : static_cast<uchar>(east ? 255 - red : red);
      row[3 * x + 1] = hole ? 0x00 : static_cast<uchar>(y * 255 / kHeight);
      row[3 * x + 2] = hole ? 0xFF : static_cast<uchar>((x + y) & 0xFF);
    }
  }
  return image;
}

bool showsEastRoom(const QImage& picture) {
  return picture.valid(kProbeX, kProbeY) && qRed(picture.pixel(kProbeX, kProbeY)) > 128;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string roomScript(const std::string& picture, const std::string& next, const std::string& message) {
  const std::string zone = std::to_string(kZoneX) + "," + std::to_string(kZoneY) + "," + std::to_string(kZoneW) +
                           "," + std::to_string(kZoneH);
  return "modo= 1\r\n"
         "clearbuf\r\n"
         "display= " + picture + ",tel,0,0\r\n"
         "linktel= porta.bmp," + next + "," + zone + "\r\n"
         "msg= " + message + "\r\n";
}

// A game in a fresh temporary folder with two rooms, each drawing its picture, defining a door zone
// that leads to the other and writing a message on the shown message strip. The user's data and
// config folders lie inside it too, so the player's own settings never reach the real ones.
class RoomGame {
 public:
  RoomGame() {
    std::random_device rd;
    base_ = std::filesystem::temp_directory_path() /
            ("taluvin-click-bench-" + std::to_string(rd()) + std::to_string(rd()));
    const auto folder = base_ / "jogo";
    std::filesystem::create_directories(folder);
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("XDG_DATA_HOME", (base_ / "user-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (base_ / "user-config").c_str(), 1);
    writeText(folder / "taluvin.ini", "\r\n\r\n\r\n\r\njogo\r\n");
    std::string settings;
    for (int line = 0; line <= 100; ++line) settings += line == 35 ? "*\r\n" : "\r\n";  // 35: message strip shown
    writeText(folder / "jogo.ini", settings);
    room(false).save(QString::fromStdString((folder / "oeste.jpg").string()), "JPG", 90);
    room(true).save(QString::fromStdString((folder / "leste.jpg").string()), "JPG", 90);
    QImage door(kZoneW, kZoneH, QImage::Format_RGB888);
    door.fill(QColor(255, 0, 255));  // all magenta: the door draws nothing over the room
    taluvin::writeBmp((folder / "porta.bmp").string(), door);
    const std::string west = roomScript("oeste.jpg", "leste", "Uma sala comprida, com uma porta a leste.");
    writeText(folder / "start.scp", west);
    writeText(folder / "oeste.scp", west);
    writeText(folder / "leste.scp", roomScript("leste.jpg", "oeste", "Uma sala clara, com uma porta a oeste."));
    folder_ = folder.string() + "/";
  }
  ~RoomGame() {
    taluvin::StateWriter::instance().drain();
    std::error_code ec;
    std::filesystem::remove_all(base_, ec);
    // Benchmarks after this one find the user's folders as they were.
    for (const auto& [name, value] : saved_) {
      if (value)
        setenv(name.c_str(), value->c_str(), 1);
      else
        unsetenv(name.c_str());
    }
  }
  const std::string& folder() const { return folder_; }

 private:
  std::filesystem::path base_;
  std::string folder_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// Notes when the picture screen's paint showing the awaited room has returned: the filter hands the
// paint to the widget itself, then takes the time, and tells Qt the event is dealt with. A paint
// still showing the room left behind is counted, not taken.
class PaintWatch : public QObject {
 public:
  // Qt drops the filter itself when either object goes, whichever first.
  explicit PaintWatch(taluvin::CanvasView* view) : view_(view) { view->installEventFilter(this); }
  void await(bool eastRoom) {
    eastRoom_ = eastRoom;
    painted_.reset();
    stale_ = 0;
  }
  const std::optional<Clock::time_point>& painted() const { return painted_; }
  int stalePaints() const { return stale_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != view_ || event->type() != QEvent::Paint) return false;
    static_cast<QObject*>(view_)->event(event);
    if (painted_) return true;
    if (showsEastRoom(view_->picture()) == eastRoom_)
      painted_ = Clock::now();
    else
      ++stale_;
    return true;
  }

 private:
  taluvin::CanvasView* view_;
  bool eastRoom_ = false;
  std::optional<Clock::time_point> painted_;
  int stale_ = 0;
};

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at) {
  const QPointF local(at);
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, local, widget->mapToGlobal(local), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Lets events run until the paint is seen; false if the deadline passed first.
bool waitForPaint(const PaintWatch& watch) {
  QElapsedTimer timer;
  timer.start();
  while (!watch.painted()) {
    if (timer.elapsed() > kDeadlineMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return true;
}

// Lets the events the last click left behind run, and its save reach the disk, outside the timing.
void settle() {
  taluvin::StateWriter::instance().drain();
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct ClickTimes {
  double releaseToPaint = 0;  // seconds
  double releaseHandled = 0;  // seconds until the release event's handler returned
};

// A click on the door of the room shown; the paint awaited is the other room's.
std::optional<ClickTimes> clickOnce(taluvin::CanvasView* tela, PaintWatch& watch) {
  const QPoint at(kZoneX + kZoneW / 2, kZoneY + kZoneH / 2);
  const bool toEast = !showsEastRoom(tela->picture());
  sendMouse(tela, QEvent::MouseMove, at);
  sendMouse(tela, QEvent::MouseButtonPress, at);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  watch.await(toEast);
  const Clock::time_point released = Clock::now();
  sendMouse(tela, QEvent::MouseButtonRelease, at);
  const Clock::time_point handled = Clock::now();
  if (!waitForPaint(watch)) return std::nullopt;
  return ClickTimes{std::chrono::duration<double>(*watch.painted() - released).count(),
                    std::chrono::duration<double>(handled - released).count()};
}

// The window as a player may see it: at 1x, at 2x, or full screen on a 1920 x 1080 screen (Qt's
// factor 1920 / 900, the stage centred in the window), the way the player changes it at run time.
enum class Display { One = 0, Two = 1, Fullscreen = 2 };
constexpr QSize kFullScreenPixels(1920, 1080);

const char* displayName(Display display) {
  switch (display) {
    case Display::One: return "1x";
    case Display::Two: return "2x";
    case Display::Fullscreen: return "fullscreen 1920x1080";
  }
  return "";
}

// Sets the display up for a player made after it (the factor) or before it (full screen), and
// puts Qt's factor back at 1 for the benchmarks after this one.
class DisplayFor {
 public:
  explicit DisplayFor(Display display) : display_(display) {
    if (display == Display::Two) taluvin::setWindowScaleFactor(2);
  }
  ~DisplayFor() { taluvin::setWindowScaleFactor(1); }
  // False when the picture screen is not drawn at the factor the display should give it.
  bool fit(taluvin::Player& player) {
    if (display_ == Display::Fullscreen) {
      auto* fit = new taluvin::StageFit(player.mainWindow(), 1);
      fit->fitInto(kFullScreenPixels);
    }
    const double wanted = display_ == Display::One ? 1 : display_ == Display::Two ? 2 : 1920.0 / 900;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double drawn = player.mainWindow().windowHandle() ? player.mainWindow().windowHandle()->devicePixelRatio() : 0;
    return std::abs(drawn - wanted) < 1e-3;
  }

 private:
  Display display_;
};

// Wall time from the release of a click on a room's door until the picture screen's paint showing
// the next room has returned; the release handler's own share (the run, the save handed to the
// writer, the events it lets run) as a counter. Named apart from the picture benchmarks' "Room", so
// their peak-memory child is not forked from a process that already holds a player.
void DoorClickReleaseToPaint(benchmark::State& state) {
  ensureApplication();
  const Display display = static_cast<Display>(state.range(0));
  state.SetLabel(displayName(display));
  DisplayFor displayFor(display);
  RoomGame game;
  taluvin::Options options;
  options.headless = true;
  auto player = std::make_unique<taluvin::Player>(options, game.folder(), "taluvin");
  player->show();
  player->startClick();
  if (!displayFor.fit(*player)) {
    state.SkipWithError("the picture screen is not drawn at the display's factor");
    return;
  }
  taluvin::CanvasView* tela = player->mainWindow().screen().pictureScreen();
  if (!tela->isVisible()) {
    state.SkipWithError("the picture screen is not shown, so it never paints");
    return;
  }
  PaintWatch watch(tela);
  settle();
  // The first visit to each room fills the caches a player's later clicks find full.
  for (int visit = 0; visit < 2; ++visit) {
    if (!clickOnce(tela, watch)) {
      state.SkipWithError("the picture screen never showed the next room after a click");
      return;
    }
    settle();
  }
  double handled = 0;
  long long stale = 0;
  std::vector<double> each;
  const uint64_t decodesBefore = taluvin::pictureCache().decodes();
  for (auto _ : state) {
    const auto times = clickOnce(tela, watch);
    if (!times) {
      state.SkipWithError("the picture screen never showed the next room after a click");
      break;
    }
    state.SetIterationTime(times->releaseToPaint);
    each.push_back(times->releaseToPaint);
    handled += times->releaseHandled;
    stale += watch.stalePaints();
    settle();
  }
  const double clicks = static_cast<double>(state.iterations());
  state.counters["release_handled_us"] = handled * 1e6 / clicks;
  state.counters["stale_paints"] = static_cast<double>(stale) / clicks;
  state.counters["decodes"] = static_cast<double>(taluvin::pictureCache().decodes() - decodesBefore) / clicks;
  // A loaded machine stalls a few clicks for whole time slices; the median click shows the rest.
  if (!each.empty()) {
    std::sort(each.begin(), each.end());
    state.counters["median_click_us"] = each[each.size() / 2] * 1e6;
    state.counters["p90_click_us"] = each[each.size() * 9 / 10] * 1e6;
    state.counters["p99_click_us"] = each[each.size() * 99 / 100] * 1e6;
  }
  player->shutdown();
  player.reset();
}
BENCHMARK(DoorClickReleaseToPaint)
    ->ArgName("display")
    ->Arg(static_cast<int>(Display::One))
    ->Arg(static_cast<int>(Display::Two))
    ->Arg(static_cast<int>(Display::Fullscreen))
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// Magenta with one streak in eight pixels, as a rain picture is drawn.
QImage rainLayer() {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(qRgb(255, 0, 255));
  for (int y = 0; y < kHeight; ++y)
    for (int x = (y * 3) % 8; x < kWidth; x += 8) image.setPixel(x, y, qRgb(200, 214, 236));
  return image;
}

// One frame of rain as the player shows it, full screen on 1920 x 1080 (or at 1x, its peer): the
// tick composes the frame, puts it on the picture screen, and the screen is painted at once.
void RainFrameShown(benchmark::State& state) {
  ensureApplication();
  const Display display = static_cast<Display>(state.range(0));
  state.SetLabel(displayName(display));
  DisplayFor displayFor(display);
  RoomGame game;
  taluvin::Options options;
  options.headless = true;
  auto player = std::make_unique<taluvin::Player>(options, game.folder(), "taluvin");
  player->show();
  player->startClick();
  if (!displayFor.fit(*player)) {
    state.SkipWithError("the picture screen is not drawn at the display's factor");
    return;
  }
  taluvin::CanvasView* tela = player->mainWindow().screen().pictureScreen();
  taluvin::RainState rain;
  QImage mask(kWidth, kHeight, QImage::Format_RGB888);
  mask.fill(qRgb(255, 0, 255));
  for (int y = 0; y < kHeight / 3; ++y)
    for (int x = 0; x < kWidth; ++x) mask.setPixel(x, y, y % 2 ? qRgb(255, 255, 255) : qRgb(40, 60, 20));
  taluvin::prepareRain(rain, room(false), QSize(kWidth, kHeight), rainLayer(), &mask);
  taluvin::HudState hud;
  settle();
  for (auto _ : state) {
    taluvin::composeRainFrame(rain, hud);
    tela->fitPictureToWidget();
    taluvin::copyPicture(tela->picture(), rain.frame, QPoint(0, 0));
    tela->repaint();
  }
  player->shutdown();
  player.reset();
}
BENCHMARK(RainFrameShown)
    ->ArgName("display")
    ->Arg(static_cast<int>(Display::One))
    ->Arg(static_cast<int>(Display::Fullscreen))
    ->Unit(benchmark::kMicrosecond);

}  // namespace
