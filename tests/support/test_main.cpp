// Test entry: one offscreen application for every test that drives the real windows, and a fresh
// working folder for each test.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// Whatever a test (or a program it starts, which inherits the folder) leaves in the working folder
// is gone before the next test, so no test can pass or fail because of an earlier one.
class FreshWorkingFolder : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo& test) override {
    std::error_code ec;
    home_ = std::filesystem::current_path(ec);
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-cwd-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      ADD_FAILURE() << "no temporary working folder for " << test.name();
      return;
    }
    folder_ = pattern;
    std::filesystem::current_path(folder_, ec);
    if (ec) ADD_FAILURE() << "cannot work in " << folder_ << ": " << ec.message();
    // Save slots and the player's own settings live in the user's folders: a test must never reach
    // the real ones, and starts with none.
    setenv("XDG_DATA_HOME", (folder_ + "/user-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder_ + "/user-config").c_str(), 1);
  }

  void OnTestEnd(const ::testing::TestInfo&) override {
    if (folder_.empty()) return;
    std::error_code ec;
    std::filesystem::current_path(home_, ec);
    if (ec) std::filesystem::current_path("/", ec);
    std::filesystem::remove_all(folder_, ec);
    folder_.clear();
  }

 private:
  std::filesystem::path home_;
  std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshWorkingFolder);
  return RUN_ALL_TESTS();
}
