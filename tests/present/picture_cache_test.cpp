// The picture cache and the keyed drawing: changed files decoded again, the budget, and pixels as before.
#include "present/main_window.h"
#include "present/picture_cache.h"
#include "present/picture_file.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "state/game_paths.h"
#include "support/test_game.h"
#include "support/test_pictures.h"
#include "picture_samples.h"

#include <QPainter>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using taluvin::testing::solid;
using taluvin::testing::TestGame;

namespace taluvin {
namespace {

// How pictures were drawn before the rows were copied directly: the key turned into alpha on a
// full-size copy, then the painter's nearest-pixel drawing. The new drawing must match it.
QImage paintedAsBefore(QImage target, const QImage& picture, const QRect& rect) {
  QImage source = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < source.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
    for (int x = 0; x < source.width(); ++x)
      if ((line[x] | 0xFF000000u) == kTransparentKey) line[x] = 0;
  }
  QPainter painter(&target);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  if (rect.size() == source.size())
    painter.drawImage(rect.topLeft(), source);
  else
    painter.drawImage(rect, source);
  painter.end();
  return target;
}

QImage speckled(std::mt19937& random, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.setPixel(x, y, random() % 5 == 0 ? kTransparentKey : 0xFF000000u | (random() & 0xFFFFFF));
  return picture;
}

TEST(PictureDrawing, CopiesAndStretchesExactlyAsThePainterDidWithMagentaLeftOut) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 3000; ++round) {
    const QImage picture = speckled(random, 1 + random() % 40, 1 + random() % 40);
    QImage target = solid(1 + random() % 120, 1 + random() % 120, 0xFF10C820);
    // Own size, whole multiples and any size, placed across every edge and at negative positions.
    QSize size(1 + random() % 200, 1 + random() % 200);
    if (round % 3 == 0) size = picture.size();
    if (round % 3 == 1) size = QSize(picture.width() * (1 + random() % 4), picture.height() * (1 + random() % 3));
    const QRect rect(QPoint(int(random() % 200) - 60, int(random() % 200) - 60), size);
    const QImage expected = paintedAsBefore(target, picture, rect);
    drawPicture(target, picture, rect);
    ASSERT_EQ(target, expected) << "picture " << picture.width() << "x" << picture.height() << " into "
                                << rect.x() << "," << rect.y() << " " << size.width() << "x" << size.height();
  }
}

TEST(PictureDrawing, OwnSizeCopyClipsAtEveryEdgeAndKeepsWhatLiesUnderMagenta) {
  QImage picture = solid(4, 3, 0xFF112233);
  picture.setPixel(1, 1, kTransparentKey);
  picture.setPixel(3, 2, 0xFFAABBCC);
  QImage target = solid(5, 5, 0xFF000000);
  drawPicture(target, picture, QRect(-1, -1, 4, 3));
  EXPECT_EQ(target.pixel(0, 0), 0xFF000000u) << "magenta at (1,1) of the picture lands on (0,0)";
  EXPECT_EQ(target.pixel(1, 0), 0xFF112233u);
  EXPECT_EQ(target.pixel(2, 1), 0xFFAABBCCu);
  EXPECT_EQ(target.pixel(3, 0), 0xFF000000u) << "past the picture's right edge";
  drawPicture(target, picture, QRect(3, 4, 4, 3));
  EXPECT_EQ(target.pixel(3, 4), 0xFF112233u);
  EXPECT_EQ(target.pixel(4, 4), 0xFF112233u);
  drawPicture(target, picture, QRect(5, 5, 4, 3));  // wholly off the surface
  drawPicture(target, picture, QRect(-10, 0, 4, 3));
  QImage unkeyed = solid(2, 2, 0xFF000000);
  drawPicture(unkeyed, picture, QRect(0, 0, 4, 3), false);
  EXPECT_EQ(unkeyed.pixel(1, 1), kTransparentKey) << "unkeyed drawing copies magenta too";
}

class PictureCacheFiles : public ::testing::Test {
 protected:
  TestGame game;
  std::string path(const std::string& name) { return game.folder() + name; }
  void write(const std::string& name, const QImage& image) { ASSERT_TRUE(writeBmp(path(name), image)); }
};

TEST_F(PictureCacheFiles, KeepsPicturesUntilTheFileChangesAndNeverKeepsFailures) {
  PictureCache cache;
  write("sala.bmp", solid(8, 8, 0xFFFF0000));
  EXPECT_EQ(cache.load(path("sala.bmp")).image.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(cache.load(path("sala.bmp")).image.pixel(0, 0), 0xFFFF0000u);
  EXPECT_EQ(cache.decodes(), 1u);
  EXPECT_EQ(cache.bytes(), size_t(solid(8, 8, 0).sizeInBytes()));

  // Same size, so only the change time tells; it is set apart explicitly, as a fast rewrite can
  // land within the file system's clock step.
  write("sala.bmp", solid(8, 8, 0xFF0000FF));
  std::filesystem::last_write_time(path("sala.bmp"),
                                   std::filesystem::last_write_time(path("sala.bmp")) + std::chrono::seconds(2));
  EXPECT_EQ(cache.load(path("sala.bmp")).image.pixel(0, 0), 0xFF0000FFu);
  write("sala.bmp", solid(9, 8, 0xFF00FF00));
  EXPECT_EQ(cache.load(path("sala.bmp")).image.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(cache.decodes(), 3u);
  EXPECT_EQ(cache.count(), 1u);

  std::filesystem::remove(path("sala.bmp"));
  EXPECT_FALSE(cache.load(path("sala.bmp")).ok());
  EXPECT_EQ(cache.count(), 0u) << "a file gone takes its picture with it";
  test::writeBytes(path("ruim.bmp"), {'B', 'M', 1, 2});
  const uint64_t before = cache.decodes();
  EXPECT_FALSE(cache.load(path("ruim.bmp")).ok());
  EXPECT_FALSE(cache.load(path("ruim.bmp")).ok());
  EXPECT_EQ(cache.count(), 0u);
  EXPECT_EQ(cache.decodes(), before + 2) << "an unreadable file is tried again at each use";
}

TEST_F(PictureCacheFiles, StaysWithinItsBudgetByLettingGoOfTheLeastRecentlyUsed) {
  const size_t picture = size_t(solid(100, 100, 0).sizeInBytes());
  PictureCache cache(picture * 2 + picture / 2);
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) write(name, solid(100, 100, 0xFF808080));
  write("enorme.bmp", solid(100, 300, 0xFF808080));
  cache.load(path("a.bmp"));
  cache.load(path("b.bmp"));
  cache.load(path("a.bmp"));  // b is now the least recently used
  cache.load(path("c.bmp"));
  EXPECT_EQ(cache.count(), 2u);
  EXPECT_LE(cache.bytes(), picture * 2 + picture / 2);
  const uint64_t before = cache.decodes();
  cache.load(path("a.bmp"));
  EXPECT_EQ(cache.decodes(), before) << "a was used more recently than b";
  cache.load(path("b.bmp"));
  EXPECT_EQ(cache.decodes(), before + 1);
  // A picture past the whole budget is handed out but pushes nothing out.
  EXPECT_TRUE(cache.load(path("enorme.bmp")).ok());
  EXPECT_EQ(cache.count(), 2u);
}

TEST(PictureCacheInPlay, ARoomPictureRewrittenBetweenClicksShowsAsItIsNow) {
  TestGame game;
  ASSERT_TRUE(writeBmp(game.folder() + "sala.bmp", solid(20, 20, 0xFFFF0000)));
  game.write("start.scp", "clearbuf 000000\ndisplay= sala.bmp,tel,0,0\nrefresh\n");
  game.start();
  Screen& screen = game.player().mainWindow().screen();
  EXPECT_EQ(screen.pictureScreen()->picture().pixel(5, 5), 0xFFFF0000u);
  const uint64_t decodes = pictureCache().decodes();
  game.run("start");
  EXPECT_EQ(pictureCache().decodes(), decodes) << "the same file is not decoded again";
  ASSERT_TRUE(writeBmp(game.folder() + "sala.bmp", solid(20, 20, 0xFF0000FF)));
  std::filesystem::last_write_time(game.folder() + "sala.bmp", std::filesystem::file_time_type::clock::now() +
                                                                   std::chrono::seconds(5));
  game.run("start");
  EXPECT_EQ(screen.pictureScreen()->picture().pixel(5, 5), 0xFF0000FFu);
}

TEST(PictureCacheInPlay, APictureLargerThanItsScreenIsLetGoOnceDrawnAndReadAgainWhenNeeded) {
  TestGame game;
  QImage large = solid(700, 300, 0xFF204060);
  large.setPixel(699, 299, 0xFFFFFFFF);
  ASSERT_TRUE(writeBmp(game.folder() + "grande.bmp", large));
  ASSERT_TRUE(writeBmp(game.folder() + "pequena.bmp", solid(10, 10, 0xFF00FF00)));
  game.write("start.scp", "display= pequena.bmp,tel,0,0\ndisplay= grande.bmp,tel,-100,-20\n");
  game.start();
  Screen& screen = game.player().mainWindow().screen();
  EXPECT_EQ(screen.pictureBuffer().image().pixel(595, 270), 0xFF204060u);
  EXPECT_TRUE(pictureCache().holds(*resolveInFolder(game.folder(), "pequena.bmp")));
  EXPECT_FALSE(pictureCache().holds(*resolveInFolder(game.folder(), "grande.bmp")));
  // The loading image reads it again when something asks for it.
  EXPECT_EQ(screen.loadingImage()->picture().size(), QSize(700, 300));
  EXPECT_EQ(screen.loadingImage()->picture().pixel(699, 299), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace taluvin
