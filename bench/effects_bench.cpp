// One rain tick and one grey filter over the whole 596 x 271 picture screen.
#include "present/grey_filter.h"
#include "present/rain_frame.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using taluvin::HudState;
using taluvin::RainState;

constexpr int kWidth = 596;
constexpr int kHeight = 271;

// A busy picture, so no copy can take a shortcut over runs of one colour.
QImage noise(int width, int height, unsigned seed) {
  std::mt19937 random(seed);
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < 3 * width; ++x) row[x] = static_cast<uchar>(random());
  }
  return image;
}

// Magenta with one streak in eight pixels, as a rain picture is drawn.
QImage rainLayer(QRgb key) {
  QImage image(kWidth, kHeight, QImage::Format_RGB888);
  image.fill(key);
  for (int y = 0; y < kHeight; ++y)
    for (int x = (y * 3) % 8; x < kWidth; x += 8) image.setPixel(x, y, qRgb(200, 214, 236));
  return image;
}

void RainTickWithMaskAndHud(benchmark::State& state) {
  const QImage scene = noise(kWidth, kHeight, 1);
  QImage mask(kWidth, kHeight, QImage::Format_RGB888);
  mask.fill(qRgb(255, 0, 255));
  for (int y = 0; y < kHeight / 3; ++y)
    for (int x = 0; x < kWidth; ++x) mask.setPixel(x, y, y % 2 ? qRgb(255, 255, 255) : qRgb(40, 60, 20));
  RainState rain;
  taluvin::prepareRain(rain, scene, QSize(kWidth, kHeight), rainLayer(qRgb(255, 0, 255)), &mask);
  HudState hud;
  hud.picture = noise(200, 60, 2);
  hud.on = hud.loaded = true;
  hud.x = 10;
  hud.y = 200;
  QImage tela(kWidth, kHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    taluvin::composeRainFrame(rain, hud);
    taluvin::copyPicture(tela, rain.frame, QPoint(0, 0));
    benchmark::DoNotOptimize(tela.constBits());
  }
}
BENCHMARK(RainTickWithMaskAndHud)->Unit(benchmark::kMicrosecond);

void GreyFilterWholeScreen(benchmark::State& state) {
  QImage screen = noise(kWidth, kHeight, 3);
  for (auto _ : state) {
    taluvin::filterGreyOrTint(screen, screen.rect(), 0, 10);
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(GreyFilterWholeScreen)->Unit(benchmark::kMicrosecond);

void TintWholeScreen(benchmark::State& state) {
  QImage screen = noise(kWidth, kHeight, 4);
  for (auto _ : state) {
    taluvin::filterGreyOrTint(screen, screen.rect(), 0xC08040, 30);
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(TintWholeScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
