// The bundled demo played from a copy by its walkthrough, headless, through the real program.
#include "support/program_run.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

using taluvin::testing::runProgram;

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> readCrLfLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::string text = readText(path);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class DemoCopy : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    folder_ = fs::temp_directory_path() / ("taluvin-demo-" + std::to_string(rd()) + std::to_string(rd()));
    fs::copy(fs::path(TALUVIN_SOURCE_DIR) / "games" / "demo", folder_, fs::copy_options::recursive);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  fs::path folder_;
};

TEST_F(DemoCopy, WalkthroughTakesTheKeyOpensTheGateAndEndsWithTheEndButton) {
  const std::string trace = (folder_ / "trace.txt").string();
  auto run = runProgram({folder_.string(), "--headless", "--replay", (folder_ / "walkthrough.replay").string(),
                         "--trace", trace},
                        100000);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string all = readText(trace);
  auto traced = [&all](const std::string& line) { return all.find(line + "\n") != std::string::npos; };

  // Every room was entered through a door zone, and every picture kind was shown.
  for (const char* room : {"jardim", "sala1", "biblioteca", "livro", "pegachave", "chave", "portao"})
    EXPECT_TRUE(traced(std::string("Executando script: ") + room + ".scp")) << room;
  for (const char* picture : {"saguao.png", "biblioteca.jpg", "jardim.gif", "mirante.bmp"})
    EXPECT_TRUE(traced(std::string("   5: display= ") + picture + ",tel,0,0,0,0") ||
                traced(std::string("   6: display= ") + picture + ",tel,0,0,0,0"))
        << picture;
  EXPECT_EQ(all.find("<---"), std::string::npos) << "no command failed:\n" << all;
  EXPECT_TRUE(traced("   5: playmusic tema.wav"));
  EXPECT_TRUE(traced("   1: pegobj chave"));
  EXPECT_TRUE(traced("   5: poeobj= chave,portao"));
  EXPECT_TRUE(traced("   4: reg= 3,venceu"));
  // The start shows its state in the trace: no moves yet, nothing carried.
  EXPECT_TRUE(traced("  12: reg= 6,0"));
  EXPECT_TRUE(traced("  13: reg= 7,0"));
  // The gate was tried before the key was found.
  EXPECT_LT(all.find("O portão está trancado"), all.find("pegobj chave"));

  const auto registers = readCrLfLines(folder_ / "demo.rgs");
  ASSERT_GT(registers.size(), 3u);
  EXPECT_EQ(registers[1], "mirante");
  EXPECT_EQ(registers[3], "venceu");
  EXPECT_EQ(registers[4], "11");  // every room shown counts as a move
  const auto objects = readCrLfLines(folder_ / "demo.obx");
  ASSERT_GE(objects.size(), 4u);
  EXPECT_EQ(objects[0], "chave");
  EXPECT_EQ(objects[3], "portao");
  // The exit steps wrote the settings files.
  EXPECT_GE(readCrLfLines(folder_ / "demo.ini").size(), 101u);

  // The repository's own copy is the game as shipped.
  const auto shipped = readCrLfLines(fs::path(TALUVIN_SOURCE_DIR) / "games" / "demo" / "demo.obx");
  ASSERT_GE(shipped.size(), 4u);
  EXPECT_EQ(shipped[3], "biblioteca");
}

}  // namespace
