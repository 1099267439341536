// The test harness itself: every test works in a temporary folder of its own, which goes away with it.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(TestHarness, EveryTestStartsInAnEmptyTemporaryFolderOfItsOwn) {
  const fs::path here = fs::current_path();
  EXPECT_TRUE(fs::is_empty(here)) << here << " holds what an earlier test left";
  EXPECT_TRUE(fs::equivalent(here.parent_path(), fs::temp_directory_path())) << here;
  // Left here on purpose: the folder goes away with the test, so the next test still finds it empty.
  std::ofstream(here / "jogo.rgs") << "left behind\r\n";
}
