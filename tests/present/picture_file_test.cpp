// Decoding real PNG, JPEG, GIF and BMP files, and refusing broken or oversized ones cleanly.
#include "present/picture_file.h"
#include "state/game_paths.h"

#include "present/picture_samples.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>

namespace taluvin {
namespace {

using test::Bytes;

class PictureFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-pictures-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string at(const std::string& name) const { return (folder_ / name).string(); }

  std::filesystem::path folder_;
};

uint32_t rgbAt(const QImage& image, int x, int y) {
  const uchar* pixel = image.constScanLine(y) + 3 * x;
  return uint32_t{pixel[0]} << 16 | uint32_t{pixel[1]} << 8 | pixel[2];
}

bool closeTo(uint32_t actual, uint32_t expected, int tolerance = 12) {
  for (int shift : {16, 8, 0})
    if (std::abs(int((actual >> shift) & 0xFF) - int((expected >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

PictureLoad loadOk(const std::string& path) {
  PictureLoad loaded = loadPictureFile(path);
  EXPECT_TRUE(loaded.ok()) << path << ": " << loaded.error;
  EXPECT_EQ(loaded.image.format(), QImage::Format_RGB888);
  return loaded;
}

// A picture big enough that cutting it in half cuts into its compressed pixel data.
Bytes noisyRgb(int width, int height) {
  Bytes pixels;
  for (int i = 0; i < width * height * 3; ++i) pixels.push_back(static_cast<uint8_t>(i * 7919 % 251));
  return pixels;
}

TEST_F(PictureFile, PngColourKindsBecomeRgbWithTransparencyKeyed) {
  test::writePng(at("rgba.png"), {3, 1, PNG_COLOR_TYPE_RGBA, 8, false,
                                  {10, 20, 30, 255, 40, 50, 60, 0, 70, 80, 90, 1}, {}, {}});
  QImage image = loadOk(at("rgba.png")).image;
  ASSERT_EQ(image.size(), QSize(3, 1));
  EXPECT_EQ(rgbAt(image, 0, 0), 0x0A141Eu);
  EXPECT_EQ(rgbAt(image, 1, 0), 0xFF00FFu);
  EXPECT_EQ(rgbAt(image, 2, 0), 0x46505Au);  // nearly transparent still shows its colour

  // 4-bit palette with a transparent entry, two rows so the second row's offset matters.
  test::writePng(at("palette.png"), {3, 2, PNG_COLOR_TYPE_PALETTE, 4, false, {0x01, 0x20, 0x21, 0x00},
                                     {0xFF0000, 0x00FF00, 0x0000FF}, {255, 0}});
  image = loadOk(at("palette.png")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0xFF0000u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0xFF00FFu);
  EXPECT_EQ(rgbAt(image, 0, 1), 0x0000FFu);
  EXPECT_EQ(rgbAt(image, 1, 1), 0xFF00FFu);

  // 16-bit grey, interlaced, large enough for every Adam7 pass to hold pixels.
  test::PngSample grey{9, 9, PNG_COLOR_TYPE_GRAY, 16, true, {}, {}, {}};
  for (int i = 0; i < 81; ++i) grey.rows.insert(grey.rows.end(), {uint8_t(i * 3), uint8_t(i * 3)});
  test::writePng(at("grey16.png"), grey);
  image = loadOk(at("grey16.png")).image;
  for (int i : {0, 10, 40, 80}) EXPECT_EQ(rgbAt(image, i % 9, i / 9), 0x010101u * (i * 3)) << i;

  test::writePng(at("greyalpha.png"), {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, {0x80, 0xFF, 0x80, 0x00}, {}, {}});
  image = loadOk(at("greyalpha.png")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0x808080u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0xFF00FFu);
}

TEST_F(PictureFile, JpegRgbGreyAndCmykDecodeToApproximateColours) {
  Bytes halves;  // left half orange, right half blue
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const Bytes colour = x < 8 ? Bytes{255, 128, 0} : Bytes{0, 64, 255};
      halves.insert(halves.end(), colour.begin(), colour.end());
    }
  test::writeJpeg(at("halves.jpg"), 16, 16, 3, halves);
  QImage image = loadOk(at("halves.jpg")).image;
  ASSERT_EQ(image.size(), QSize(16, 16));
  EXPECT_TRUE(closeTo(rgbAt(image, 2, 3), 0xFF8000)) << std::hex << rgbAt(image, 2, 3);
  EXPECT_TRUE(closeTo(rgbAt(image, 13, 12), 0x0040FF)) << std::hex << rgbAt(image, 13, 12);

  test::writeJpeg(at("grey.jpg"), 8, 8, 1, Bytes(64, 200));
  EXPECT_TRUE(closeTo(rgbAt(loadOk(at("grey.jpg")).image, 4, 4), 0xC8C8C8));

  // Adobe-style inverted CMYK: 0 is full ink, so full cyan on no black shows as cyan.
  Bytes cmyk;
  for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {0, 255, 255, 255});
  test::writeJpeg(at("cmyk.jpg"), 8, 8, 4, cmyk);
  EXPECT_TRUE(closeTo(rgbAt(loadOk(at("cmyk.jpg")).image, 4, 4), 0x00FFFF));
}

TEST_F(PictureFile, GifShowsFirstFrameWithTransparentIndexAsMagenta) {
  const std::vector<uint32_t> global = {0x000000, 0xFFFFFF, 0x123456, 0x654321};
  test::GifFrame first{1, 1, 3, 9, true, {}, {0xAA0000, 0x00BB00, 0x0000CC, 0xDDDDDD}, 3};
  for (int y = 0; y < 9; ++y) first.indices.insert(first.indices.end(), {uint8_t(y % 3), 3, 1});
  test::GifFrame second{0, 0, 5, 10, false, Bytes(50, 2), {}, -1};
  test::writeGif(at("anim.gif"), 5, 10, global, {first, second});

  QImage image = loadOk(at("anim.gif")).image;
  ASSERT_EQ(image.size(), QSize(5, 10));
  EXPECT_EQ(rgbAt(image, 0, 0), 0xFF00FFu);  // outside the first frame
  EXPECT_EQ(rgbAt(image, 4, 9), 0xFF00FFu);
  for (int y = 0; y < 9; ++y) {
    const uint32_t expectedLeft[] = {0xAA0000, 0x00BB00, 0x0000CC};
    EXPECT_EQ(rgbAt(image, 1, y + 1), expectedLeft[y % 3]) << y;  // local table, interlaced rows in place
    EXPECT_EQ(rgbAt(image, 2, y + 1), 0xFF00FFu) << y;
    EXPECT_EQ(rgbAt(image, 3, y + 1), 0x00BB00u) << y;
  }

  test::writeGif(at("plain.gif"), 2, 1, global, {{0, 0, 2, 1, false, {2, 3}, {}, -1}});
  image = loadOk(at("plain.gif")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0x123456u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0x654321u);
}

TEST_F(PictureFile, BmpBitDepthsAndRowOrders) {
  QImage written(5, 3, QImage::Format_RGB888);  // odd width, so rows carry padding
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) written.setPixel(x, y, qRgb(x * 50, y * 100, 7));
  ASSERT_TRUE(writeBmp(at("written.bmp"), written));
  EXPECT_EQ(loadOk(at("written.bmp")).image, written);
  EXPECT_EQ(test::readBytes(at("written.bmp")).size(), 14u + 40u + 3 * 16);

  const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00};
  test::writeBytes(at("one.bmp"), test::bmpFile(10, 2, 1, {0x112233, 0x445566}, {0b10100000, 0b01000000, 0, 0,
                                                                                  0b00000001, 0, 0, 0}, false));
  QImage image = loadOk(at("one.bmp")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0x445566u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0x112233u);
  EXPECT_EQ(rgbAt(image, 9, 0), 0x445566u);
  EXPECT_EQ(rgbAt(image, 7, 1), 0x445566u);
  EXPECT_EQ(rgbAt(image, 6, 1), 0x112233u);

  test::writeBytes(at("four.bmp"), test::bmpFile(3, 1, 4, palette, {0x23, 0x10, 0, 0}, false));
  image = loadOk(at("four.bmp")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0xFF0000u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0x00FF00u);
  EXPECT_EQ(rgbAt(image, 2, 0), 0xFFFFFFu);

  test::writeBytes(at("eight.bmp"), test::bmpFile(2, 2, 8, palette, {3, 9, 0, 0, 1, 2, 0, 0}, false));
  image = loadOk(at("eight.bmp")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0x00FF00u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0x000000u);  // index past the palette
  EXPECT_EQ(rgbAt(image, 1, 1), 0xFF0000u);

  test::writeBytes(at("top.bmp"), test::bmpFile(1, 2, 32, {}, {1, 2, 3, 0, 4, 5, 6, 0}, true));
  image = loadOk(at("top.bmp")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0x030201u);
  EXPECT_EQ(rgbAt(image, 0, 1), 0x060504u);

  // 5-6-5 bit fields: pure red, pure green.
  test::writeBytes(at("565.bmp"), test::bmpFile(2, 1, 16, {}, {0x00, 0xF8, 0xE0, 0x07}, false,
                                                {0xF800, 0x07E0, 0x001F}));
  image = loadOk(at("565.bmp")).image;
  EXPECT_EQ(rgbAt(image, 0, 0), 0xFF0000u);
  EXPECT_EQ(rgbAt(image, 1, 0), 0x00FF00u);
}

TEST_F(PictureFile, FormatComesFromLowerCaseExtensionAnywhereInFileName) {
  test::writePng(at("tiny"), {1, 1, PNG_COLOR_TYPE_RGB, 8, false, {1, 2, 3}, {}, {}});
  const Bytes png = test::readBytes(at("tiny"));
  for (const char* name : {"a.png.bak", "a.png", "x.pngjpg.gif"}) {
    test::writeBytes(at(name), png);
    EXPECT_EQ(rgbAt(loadOk(at(name)).image, 0, 0), 0x010203u) << name;
  }
  // Paths are native: a script's Windows-1252 byte E9 becomes the UTF-8 "é" of the file's name
  // where the resolver joins the name to the folder.
  test::writeBytes(at("caf\xC3\xA9.png"), png);
  EXPECT_TRUE(loadPictureFile(joinInFolder(folder_.string() + "/", "caf\xE9.png")).ok());
  EXPECT_TRUE(loadPictureFile(at("caf\xC3\xA9.png")).ok());

  for (const char* name : {"a.PNG", "a.tif", "png", "a.jpeg"}) {
    test::writeBytes(at(name), png);
    EXPECT_EQ(loadPictureFile(at(name)).error, "unsupported") << name;
  }
  // A folder name does not make a GIF of a PNG file.
  std::filesystem::create_directory(folder_ / "shots.gif");
  test::writeBytes(at("shots.gif/a.png"), png);
  EXPECT_TRUE(loadPictureFile(at("shots.gif/a.png")).ok());
}

void expectRefused(const std::string& path, const char* what) {
  PictureLoad loaded = loadPictureFile(path);
  EXPECT_FALSE(loaded.ok()) << what << " " << path;
  EXPECT_FALSE(loaded.error.empty()) << what << " " << path;
  EXPECT_TRUE(loaded.image.isNull()) << what << " " << path;
}

TEST_F(PictureFile, BrokenFilesOfEveryKindAreRefused) {
  test::writePng(at("good.png"), {64, 64, PNG_COLOR_TYPE_RGB, 8, false, noisyRgb(64, 64), {}, {}});
  test::writeJpeg(at("good.jpg"), 64, 64, 3, noisyRgb(64, 64));
  test::GifFrame frame{0, 0, 64, 64, false, {}, {}, -1};
  for (int i = 0; i < 64 * 64; ++i) frame.indices.push_back(static_cast<uint8_t>(i * 31 % 256));
  std::vector<uint32_t> colours(256);
  for (uint32_t i = 0; i < 256; ++i) colours[i] = i * 0x010101;
  test::writeGif(at("good.gif"), 64, 64, colours, {frame});
  QImage bmp(64, 64, QImage::Format_RGB888);
  bmp.fill(Qt::red);
  ASSERT_TRUE(writeBmp(at("good.bmp"), bmp));

  for (const char* kind : {"png", "jpg", "gif", "bmp"}) {
    const std::string good = at(std::string("good.") + kind);
    const Bytes bytes = test::readBytes(good);
    ASSERT_TRUE(loadPictureFile(good).ok()) << good;

    expectRefused(at(std::string("missing.") + kind), "missing");
    test::writeBytes(at(std::string("empty.") + kind), {});
    expectRefused(at(std::string("empty.") + kind), "empty");
    test::writeBytes(at(std::string("half.") + kind), Bytes(bytes.begin(), bytes.begin() + long(bytes.size() / 2)));
    expectRefused(at(std::string("half.") + kind), "truncated");
    test::writeBytes(at(std::string("text.") + kind), Bytes(500, 'x'));
    expectRefused(at(std::string("text.") + kind), "not a picture");
  }

  // Damage inside otherwise well-formed files.
  Bytes png = test::readBytes(at("good.png"));
  png[png.size() / 2] ^= 0xFF;  // inside the pixel data, caught by its checksum
  test::writeBytes(at("damaged.png"), png);
  expectRefused(at("damaged.png"), "damaged");
  Bytes jpeg = test::readBytes(at("good.jpg"));
  jpeg[1] = 0x00;  // start-of-image marker
  test::writeBytes(at("damaged.jpg"), jpeg);
  expectRefused(at("damaged.jpg"), "damaged");
  Bytes gif = test::readBytes(at("good.gif"));
  gif[10] &= 0x7F;  // drop the global colour table the frame relies on: its bytes become garbage records
  test::writeBytes(at("damaged.gif"), gif);
  expectRefused(at("damaged.gif"), "damaged");
  Bytes bitmap = test::readBytes(at("good.bmp"));
  bitmap[28] = 7;  // bits per pixel
  test::writeBytes(at("damaged.bmp"), bitmap);
  expectRefused(at("damaged.bmp"), "damaged");
}

TEST_F(PictureFile, HugeDimensionsAreRefusedBeforeAllocating) {
  test::writePngHeaderOnly(at("huge.png"), 100000, 100000);
  expectRefused(at("huge.png"), "huge");

  test::writeBytes(at("huge.bmp"), test::bmpFile(100000, 100000, 24, {}, Bytes(300000), false));
  expectRefused(at("huge.bmp"), "huge");
  test::writeBytes(at("tall.bmp"), test::bmpFile(1, 100000, 24, {}, Bytes(400000), true));
  expectRefused(at("tall.bmp"), "huge");

  // JPEG and GIF store sizes in 16 bits; libjpeg itself refuses more than 65500, so JPEG claims 40000
  // to reach the player's own limit.
  test::writeJpeg(at("small.jpg"), 8, 8, 3, Bytes(192, 90));
  Bytes jpeg = test::readBytes(at("small.jpg"));
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {  // start of frame: height then width at +5
      for (size_t k : {5, 7}) {
        jpeg[i + k] = 40000 >> 8;
        jpeg[i + k + 1] = 40000 & 0xFF;
      }
      break;
    }
  }
  test::writeBytes(at("huge.jpg"), jpeg);
  EXPECT_EQ(loadPictureFile(at("huge.jpg")).error, "JPEG: 40000 x 40000 is more than 16384 pixels on a side");

  test::writeGif(at("huge.gif"), 65535, 65535, {0, 0xFFFFFF}, {{0, 0, 1, 1, false, {1}, {}, -1}});
  EXPECT_EQ(loadPictureFile(at("huge.gif")).error, "GIF: 65535 x 65535 is more than 16384 pixels on a side");
  test::writeGif(at("far.gif"), 1, 1, {0, 0xFFFFFF}, {{60000, 60000, 1, 1, false, {1}, {}, -1}});
  EXPECT_EQ(loadPictureFile(at("far.gif")).error, "GIF: 60001 x 60001 is more than 16384 pixels on a side");
}

}  // namespace
}  // namespace taluvin
