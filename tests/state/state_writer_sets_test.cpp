// Sets handed to the writer while another waits: a set that cannot be written never takes a later
// one down with it.
#include "state/state_writer.h"
#include "support/test_game.h"

#include <filesystem>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::TestGame;

TEST(StateWriterSets, ASetThatFailsLeavesTheNextSetOfOtherFilesWhole) {
  TestGame game;
  const std::string folder = game.beside();
  // A folder where a file should be: every set naming it fails.
  std::filesystem::create_directory(folder + "blocked.obx");
  // The second set lands while the first still waits or is being written, whichever the writer's
  // thread makes it; many rounds see both.
  for (int round = 0; round < 40; ++round) {
    const std::string regs = folder + "regs" + std::to_string(round) + ".rgs";
    taluvin::StateSet failing;
    failing.addBytes(folder + "blocked.obx", "objects\r\n");
    failing.addBytes(regs, "old\r\n");
    failing.submit();
    taluvin::StateSet exiting;
    exiting.addBytes(regs, "new\r\n");
    exiting.addBytes(folder + "settings.ini", "line\r\n");
    exiting.submit();
    taluvin::StateWriter::instance().drain();
    ASSERT_EQ(fileBytes(regs), "new\r\n") << "round " << round;
  }
  // A later set of the same files as one waiting still replaces it whole.
  taluvin::StateSet first, second;
  first.addBytes(folder + "a.txt", "1");
  second.addBytes(folder + "a.txt", "2");
  first.submit();
  second.submit();
  taluvin::StateWriter::instance().drain();
  EXPECT_EQ(fileBytes(folder + "a.txt"), "2");
}
