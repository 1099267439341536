// Pictures whose headers declare more than a picture may cost, or more than their data could hold.
#include "present/picture_file.h"

#include "present/picture_samples.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace taluvin {
namespace {

using test::Bytes;

class PictureBudget : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-budget-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string at(const std::string& name) const { return (folder_ / name).string(); }
  std::string fileBytes(const std::string& name) const { return std::to_string(test::readBytes(at(name)).size()); }

  std::filesystem::path folder_;
};

void putLe16(Bytes& bytes, size_t at, uint32_t value) {
  bytes[at] = static_cast<uint8_t>(value & 0xFF);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

// A complete 35-byte GIF: a two-colour screen and one frame of the given size, with one code of data.
Bytes tinyGif(uint32_t width, uint32_t height) {
  Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF,
               0x2C, 0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  for (size_t at : {6, 24}) {
    putLe16(gif, at, width);
    putLe16(gif, at + 2, height);
  }
  return gif;
}

uint32_t crc32Of(const uint8_t* bytes, size_t size) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void putBe32(Bytes& bytes, size_t at, uint32_t value) {
  for (int k = 0; k < 4; ++k) bytes[at + static_cast<size_t>(k)] = static_cast<uint8_t>(value >> (24 - 8 * k));
}

// A well-formed 8 x 8 PNG whose header (checksum included) claims this size.
Bytes pngClaiming(const std::string& path, uint32_t width, uint32_t height) {
  test::writePng(path, {8, 8, PNG_COLOR_TYPE_RGB, 8, false, Bytes(8 * 8 * 3, 77), {}, {}});
  Bytes png = test::readBytes(path);
  putBe32(png, 16, width);  // after the signature, the chunk length and "IHDR"
  putBe32(png, 20, height);
  putBe32(png, 29, crc32Of(png.data() + 12, 17));  // over "IHDR" and its 13 bytes
  return png;
}

// The frame header of a JPEG (baseline or progressive) rewritten to claim this size.
Bytes jpegClaiming(Bytes jpeg, uint32_t width, uint32_t height) {
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) {
      jpeg[i + 5] = static_cast<uint8_t>(height >> 8);
      jpeg[i + 6] = static_cast<uint8_t>(height & 0xFF);
      jpeg[i + 7] = static_cast<uint8_t>(width >> 8);
      jpeg[i + 8] = static_cast<uint8_t>(width & 0xFF);
      return jpeg;
    }
  }
  ADD_FAILURE() << "no frame header";
  return jpeg;
}

long statusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field) + 1);
  return -1;
}

// How far the resident memory of a child process rises above its size at the start while it runs
// `work`, in kB; -1 when the system cannot tell. A child, so earlier tests' peaks do not count.
long peakGrowthKb(const std::function<void()>& work) {
  int ends[2];
  if (pipe(ends) != 0) return -1;
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from the present size
    const long before = statusKb("VmHWM:");
    work();
    const long after = statusKb("VmHWM:");
    const long growth = before < 0 || after < 0 ? -1 : after - before;
    const bool written = write(ends[1], &growth, sizeof growth) == sizeof growth;
    _exit(written ? 0 : 1);
  }
  close(ends[1]);
  long growth = -1;
  if (child < 0 || read(ends[0], &growth, sizeof growth) != sizeof growth) growth = -1;
  close(ends[0]);
  if (child > 0) waitpid(child, nullptr, 0);
  return growth;
}

TEST_F(PictureBudget, HugeDeclaredSizesAreRefusedNamingTheSizeAndTheLimit) {
  test::writeBytes(at("vast.gif"), tinyGif(16384, 16384));
  EXPECT_EQ(test::readBytes(at("vast.gif")).size(), 35u);
  EXPECT_EQ(loadPictureFile(at("vast.gif")).error, "GIF: 16384 x 16384 is more than 64 M pixels");

  test::writeBytes(at("vast.png"), pngClaiming(at("vast.png"), 16384, 16384));
  EXPECT_EQ(loadPictureFile(at("vast.png")).error, "PNG: 16384 x 16384 is more than 64 M pixels");

  test::writeJpeg(at("small.jpg"), 8, 8, 3, Bytes(192, 90));
  test::writeBytes(at("vast.jpg"), jpegClaiming(test::readBytes(at("small.jpg")), 16384, 16384));
  EXPECT_EQ(loadPictureFile(at("vast.jpg")).error, "JPEG: 16384 x 16384 is more than 64 M pixels");

  test::writeBytes(at("vast.bmp"), test::bmpFile(16384, 16384, 24, {}, Bytes(16384 * 3), false));
  EXPECT_EQ(loadPictureFile(at("vast.bmp")).error, "BMP: 16384 x 16384 is more than 64 M pixels");
}

TEST_F(PictureBudget, SizesTheDataCouldNeverFillAreRefusedBeforeTheirRowsExist) {
  // 8000 x 8000 lies within the pixel budget; only the data shows these files cannot hold it.
  test::writeBytes(at("empty.gif"), tinyGif(8000, 8000));
  EXPECT_EQ(loadPictureFile(at("empty.gif")).error, "GIF: 8000 x 8000 is more than a file of 35 bytes can hold");

  test::writeBytes(at("empty.png"), pngClaiming(at("empty.png"), 8000, 8000));
  EXPECT_EQ(loadPictureFile(at("empty.png")).error,
            "PNG: 8000 x 8000 is more than a file of " + fileBytes("empty.png") + " bytes can hold");

  // Progressive files make the library hold every coefficient before any row comes out.
  Bytes noise;
  for (int i = 0; i < 32 * 32 * 3; ++i) noise.push_back(static_cast<uint8_t>(i * 7919 % 251));
  test::writeJpeg(at("layers.jpg"), 32, 32, 3, noise, true);
  ASSERT_TRUE(loadPictureFile(at("layers.jpg")).ok());
  test::writeBytes(at("empty.jpg"), jpegClaiming(test::readBytes(at("layers.jpg")), 8000, 8000));
  EXPECT_EQ(loadPictureFile(at("empty.jpg")).error,
            "JPEG: 8000 x 8000 is more than a file of " + fileBytes("empty.jpg") + " bytes can hold");

  test::writeBytes(at("short.bmp"), test::bmpFile(40, 38, 24, {}, Bytes(40 * 38 * 3), false));
  Bytes bmp = test::readBytes(at("short.bmp"));
  putLe16(bmp, 18, 8000);  // width and height, low halves (the high halves are zero)
  putLe16(bmp, 22, 8000);
  test::writeBytes(at("short.bmp"), bmp);
  EXPECT_EQ(loadPictureFile(at("short.bmp")).error, "BMP: 8000 x 8000 is more than a file of 4614 bytes can hold");

  // A baseline JPEG is decoded row by row: it fails where its data ends.
  test::writeJpeg(at("small.jpg"), 8, 8, 3, Bytes(192, 90));
  test::writeBytes(at("baseline.jpg"), jpegClaiming(test::readBytes(at("small.jpg")), 8192, 8192));
  const PictureLoad baseline = loadPictureFile(at("baseline.jpg"));
  EXPECT_FALSE(baseline.ok());
  EXPECT_NE(baseline.error.find("JPEG: "), std::string::npos) << baseline.error;
}

TEST_F(PictureBudget, HostileHeadersCostNoMoreMemoryThanTheirData) {
  test::writeBytes(at("vast.gif"), tinyGif(16384, 16384));
  test::writeBytes(at("empty.gif"), tinyGif(8000, 8000));
  test::writeBytes(at("empty.png"), pngClaiming(at("empty.png"), 8000, 8000));
  test::writeJpeg(at("small.jpg"), 8, 8, 3, Bytes(192, 90));
  test::writeBytes(at("baseline.jpg"), jpegClaiming(test::readBytes(at("small.jpg")), 8192, 8192));
  test::writeJpeg(at("layers.jpg"), 16, 16, 3, Bytes(16 * 16 * 3, 40), true);
  test::writeBytes(at("empty.jpg"), jpegClaiming(test::readBytes(at("layers.jpg")), 8000, 8000));
  Bytes colours = test::bmpFile(40, 38, 24, {}, Bytes(40 * 38 * 3, 0x80), false);
  colours[46] = 0x00, colours[47] = 0x00, colours[48] = 0x00, colours[49] = 0x20;  // 0x20000000 colours
  test::writeBytes(at("colours.bmp"), colours);

  bool refused = true;
  bool coloursLoaded = false;
  const long growth = peakGrowthKb([&] {
    for (const char* name : {"vast.gif", "empty.gif", "empty.png", "baseline.jpg", "empty.jpg"})
      refused = refused && !loadPictureFile(at(name)).ok();
    coloursLoaded = loadPictureFile(at("colours.bmp")).ok();
    if (!refused || !coloursLoaded) _exit(3);
  });
  ASSERT_GE(growth, 0) << "the child could not measure its memory, or a file was not handled as expected";
  EXPECT_LT(growth, 32 * 1024) << "kB";

  // A colour count far past what 24-bit pixels use is not read at all: the picture loads.
  const PictureLoad loaded = loadPictureFile(at("colours.bmp"));
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  EXPECT_EQ(loaded.image.size(), QSize(40, 38));
  EXPECT_EQ(loaded.image.pixel(5, 5), 0xFF808080u);
}

TEST(PictureBudgetInGame, RefusedPictureIsNamedInTheTraceAndTheRunGoesOn) {
  testing::TestGame game;
  test::writeBytes(game.folder() + "vasta.gif", tinyGif(16384, 16384));
  game.write("start.scp",
             "display= vasta.gif,tel,0,0\n"
             "reg= 1,depois\n");
  game.start();
  const std::string marker = "imagem ilegível: GIF: 16384 x 16384 is more than 64 M pixels";
  EXPECT_TRUE(std::any_of(game.trace().begin(), game.trace().end(), [&](const std::string& line) {
    return line.rfind("   0: display= vasta.gif", 0) == 0 && line.find(marker) != std::string::npos;
  }));
  EXPECT_EQ(game.reg(1), "depois");
}

}  // namespace
}  // namespace taluvin
