// The transcript file: where it lies, and its cap keeping the newest whole lines.
#include "services/transcript.h"

#include "support/test_game.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;

namespace taluvin {
namespace {

TEST(Transcript, LiesInTheUsersDataFolderUnderTheGamesNameAndOnlyThere) {
  const std::string data = std::getenv("XDG_DATA_HOME");
  std::string problem;
  EXPECT_EQ(transcriptFile("jogo", problem), data + "/taluvin/transcripts/jogo.txt");
  EXPECT_EQ(transcriptFile("../jogo", problem), "");
  EXPECT_FALSE(problem.empty());
}

TEST(Transcript, PastItsCapTheOldestLinesGoAndTheRestStartsAtALine) {
  const std::string file = std::string(std::getenv("XDG_DATA_HOME")) + "/taluvin/transcripts/jogo.txt";
  constexpr size_t kCap = 1000;
  for (int n = 0; n < 100; ++n) {
    // Lines of uneven length, so a cut rarely falls on a line's start by luck.
    const std::string line = "linha " + std::to_string(n) + std::string(static_cast<size_t>(n % 7) * 3, '.') + "\n";
    ASSERT_EQ(appendToTranscript(file, line, kCap), "");
  }
  const std::string kept = fileBytes(file);
  EXPECT_LE(kept.size(), kCap);
  EXPECT_GE(kept.size(), kCap / 2);
  EXPECT_TRUE(kept.starts_with("linha ")) << kept.substr(0, 20);
  EXPECT_TRUE(kept.ends_with("linha 99" + std::string(99 % 7 * 3, '.') + "\n"));
  // Nothing but the transcript is left in its folder.
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(file).parent_path()))
    ++files;
  EXPECT_EQ(files, 1u);
}

}  // namespace
}  // namespace taluvin
