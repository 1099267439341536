// The memory a huge picture costs the whole program: its decoded rows, and no full-size copy beside them.
#include "support/peak_memory.h"
#include "support/test_game.h"
#include "picture_samples.h"

#include <gtest/gtest.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

double peakMiBOfStart(TestGame& game) {
  game.write("inicio.replay", "start\n");
  return taluvin::testing::peakMiBOfProgram({game.folder(), "--headless", "--replay", game.folder() + "inicio.replay"});
}

test::Bytes gradient(int width, int height) {
  test::Bytes pixels(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* pixel = &pixels[(size_t(y) * width + x) * 3];
      pixel[0] = uint8_t(x);
      pixel[1] = uint8_t(y);
      pixel[2] = uint8_t(x ^ y);
    }
  return pixels;
}

TEST(PictureMemory, AHugeJpegCostsLittleMoreThanItsDecodedRows) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine: peaks say nothing of the program's own";
#endif
  constexpr int kWidth = 4000, kHeight = 3000;
  constexpr double kDecodedMiB = kWidth * kHeight * 3.0 / (1 << 20);
  TestGame small, huge;
  test::writeJpeg(small.folder() + "sala.jpg", 596, 271, 3, gradient(596, 271));
  test::writeJpeg(huge.folder() + "sala.jpg", kWidth, kHeight, 3, gradient(kWidth, kHeight));
  for (TestGame* game : {&small, &huge}) game->write("start.scp", "display= sala.jpg,tel,0,0\nmsg= sala\n");
  const double smallPeak = peakMiBOfStart(small);
  const double hugePeak = peakMiBOfStart(huge);
  ASSERT_GT(smallPeak, 0);
  ASSERT_GT(hugePeak, 0);
  // A full-size ARGB32 copy for drawing would add another 46 MiB on top of the 34 MiB of rows.
  EXPECT_LT(hugePeak - smallPeak, kDecodedMiB * 1.25) << "small " << smallPeak << " MiB, huge " << hugePeak << " MiB";
}

// The peak of the whole program must stay far below what the chunk claims, and the run goes on.
TEST(PictureMemory, AChunkClaimingGigabytesInATinyPngCostsNothing) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer's own memory says nothing of the program's";
#endif
  TestGame game;
  test::writePngHeaderOnly(game.folder() + "enorme.png", 1, 1);
  test::Bytes png = test::readBytes(game.folder() + "enorme.png");
  const test::Bytes textChunk = {0x7F, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't', 'C', 'o', 'm', 'm',
                                 'e',  'n',  't',  0,    'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
  png.insert(png.end(), textChunk.begin(), textChunk.end());
  ASSERT_EQ(png.size(), 57u);
  test::writeBytes(game.folder() + "enorme.png", png);
  game.write("start.scp", "display= enorme.png,pan,0,0\nmsg= depois\n");
  game.write("inicio.replay", "start\n");
  const std::string trace = game.beside() + "trace.txt";
  const double peak = taluvin::testing::peakMiBOfProgram(
      {game.folder(), "--headless", "--replay", game.folder() + "inicio.replay", "--trace", trace});
  ASSERT_GT(peak, 0);
  EXPECT_LT(peak, 300) << "MiB";
  const std::string lines = taluvin::testing::fileBytes(trace);
  EXPECT_NE(lines.find("display= enorme.png,pan,0,0,0,0 <--- imagem ilegível: PNG:"), std::string::npos) << lines;
  EXPECT_NE(lines.find("   1: msg= depoi..."), std::string::npos) << lines;
}

}  // namespace
}  // namespace taluvin
