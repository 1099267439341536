// The memory a huge picture costs the whole program: its decoded rows, and no full-size copy beside them.
#include "support/test_game.h"
#include "picture_samples.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

// The program's own peak resident memory in MiB for a headless start of the game; -1 when it
// failed. Its own process, waited for alone, so nothing the test process holds counts.
double peakMiBOfStart(TestGame& game) {
  game.write("inicio.replay", "start\n");
  const std::string folder = game.folder();
  const std::string replay = folder + "inicio.replay";
  const pid_t child = fork();
  if (child == 0) {
    execl(TALUVIN_BINARY, TALUVIN_BINARY, folder.c_str(), "--headless", "--replay", replay.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return -1;
  return usage.ru_maxrss / 1024.0;
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

}  // namespace
}  // namespace taluvin
