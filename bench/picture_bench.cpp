// A room picture drawn, loaded from the cache and decoded afresh, and the peak memory of a huge JPEG.
#include "present/picture_cache.h"
#include "present/picture_drawing.h"
#include "present/picture_file.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <filesystem>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWidth = 596;
constexpr int kHeight = 271;

// A room: smooth shading with a few magenta holes, as scenes drawn over a frame have.
QImage room(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    uchar* row = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      const bool hole = (x / 40 + y / 40) % 7 == 0;
      row[3 * x] = hole ? 0xFF : static_cast<uchar>(x * 255 / width);
      row[3 * x + 1] = hole ? 0x00 : static_cast<uchar>(y * 255 / height);
      row[3 * x + 2] = hole ? 0xFF : static_cast<uchar>((x + y) & 0xFF);
    }
  }
  return image;
}

std::string savedJpeg(const std::string& name, int width, int height) {
  const std::string path = (std::filesystem::temp_directory_path() / name).string();
  if (!std::filesystem::exists(path)) room(width, height).save(QString::fromStdString(path), "JPG", 90);
  return path;
}

void RoomPictureDrawn(benchmark::State& state) {
  const QImage picture = room(kWidth, kHeight);
  QImage buffer(kWidth, kHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    taluvin::drawPicture(buffer, picture, QRect(0, 0, kWidth, kHeight));
    benchmark::DoNotOptimize(buffer.constBits());
  }
}
BENCHMARK(RoomPictureDrawn)->Unit(benchmark::kMicrosecond);

// The drawing the one above replaced: the key turned into alpha on a full-size ARGB32 copy, then
// the painter.
void RoomPictureDrawnThroughAnAlphaCopy(benchmark::State& state) {
  const QImage picture = room(kWidth, kHeight);
  QImage buffer(kWidth, kHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
      for (int x = 0; x < source.width(); ++x)
        if ((line[x] | 0xFF000000u) == taluvin::kTransparentKey) line[x] = 0;
    }
    QPainter painter(&buffer);
    painter.drawImage(QPoint(0, 0), source);
    painter.end();
    benchmark::DoNotOptimize(buffer.constBits());
  }
}
BENCHMARK(RoomPictureDrawnThroughAnAlphaCopy)->Unit(benchmark::kMicrosecond);

void RoomPictureStretchedToTwiceItsSize(benchmark::State& state) {
  const QImage picture = room(kWidth / 2, kHeight / 2);
  QImage buffer(kWidth, kHeight, QImage::Format_RGB888);
  for (auto _ : state) {
    taluvin::drawPicture(buffer, picture, QRect(0, 0, kWidth, kHeight));
    benchmark::DoNotOptimize(buffer.constBits());
  }
}
BENCHMARK(RoomPictureStretchedToTwiceItsSize)->Unit(benchmark::kMicrosecond);

void RoomJpegFromTheCache(benchmark::State& state) {
  const std::string path = savedJpeg("taluvin-bench-room.jpg", kWidth, kHeight);
  taluvin::PictureCache cache;
  for (auto _ : state) benchmark::DoNotOptimize(cache.load(path).image.constBits());
}
BENCHMARK(RoomJpegFromTheCache)->Unit(benchmark::kMicrosecond);

void RoomJpegDecoded(benchmark::State& state) {
  const std::string path = savedJpeg("taluvin-bench-room.jpg", kWidth, kHeight);
  for (auto _ : state) benchmark::DoNotOptimize(taluvin::loadPictureFile(path).image.constBits());
}
BENCHMARK(RoomJpegDecoded)->Unit(benchmark::kMicrosecond);

// Peak resident memory of a child that loads a picture through the cache and draws it on a
// screen-sized buffer, as the player does; the child's own peak, so nothing this process holds
// counts.
double childPeakMiB(const std::string& path) {
  const pid_t child = fork();
  if (child == 0) {
    QImage buffer(kWidth, kHeight, QImage::Format_RGB888);
    const taluvin::PictureLoad load = taluvin::pictureCache().load(path);
    taluvin::drawPicture(buffer, load.image, QRect(QPoint(0, 0), load.image.size()));
    _exit(load.ok() ? 0 : 1);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss / 1024.0;
}

void HugeJpegPeakMemory(benchmark::State& state) {
  const std::string huge = savedJpeg("taluvin-bench-4000x3000.jpg", 4000, 3000);
  const std::string small = savedJpeg("taluvin-bench-room.jpg", kWidth, kHeight);
  double peak = 0, base = 0;
  for (auto _ : state) {
    peak = childPeakMiB(huge);
    base = childPeakMiB(small);
  }
  state.counters["peak_MiB"] = peak;
  state.counters["beyond_room_MiB"] = peak - base;
  state.counters["decoded_MiB"] = 4000.0 * 3000 * 3 / (1 << 20);
}
BENCHMARK(HugeJpegPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
