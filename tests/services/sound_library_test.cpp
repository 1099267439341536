// The sound library loaded by the real program only when a game first sounds, and its absence
// costing the game its sound and nothing else. The loader's own report (LD_DEBUG=files) tells
// which libraries the child process loaded.
#include "support/program_process.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using taluvin::testing::ProgramProcess;
using taluvin::testing::ProgramRun;
using taluvin::testing::TestGame;

namespace {

constexpr const char* kMixer = "libSDL2_mixer-2.0.so.0";

ProgramRun runTraced(TestGame& game, const std::vector<std::pair<std::string, std::string>>& environment) {
  ProgramProcess program({game.folder(), "--headless", "--start", "--trace", game.beside() + "trace.txt"},
                         environment);
  return program.finish(60000);
}

std::string traceOf(TestGame& game) {
  std::ifstream in(game.beside() + "trace.txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The program's own lines on standard error, among the loader's and Qt's.
std::vector<std::string> programLines(const ProgramRun& run) {
  std::vector<std::string> lines;
  std::istringstream err(run.err);
  for (std::string line; std::getline(err, line);)
    if (line.rfind("taluvin: ", 0) == 0) lines.push_back(line);
  return lines;
}

// Whether the loader's report says the library was opened, as "file=NAME [0];  ...".
bool loaded(const ProgramRun& run, const std::string& library) {
  return run.err.find("file=" + library + " ") != std::string::npos;
}

TEST(SoundLibrary, AGameThatNeverSoundsNeverLoadsIt) {
  TestGame game;
  game.write("start.scp", "volume= 300\nplaysnd off\nfim\n");
  const ProgramRun run = runTraced(game, {{"LD_DEBUG", "files"}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  ASSERT_TRUE(loaded(run, "libQt6Widgets.so.6")) << "the loader's report is needed to tell anything: " << run.err;
  EXPECT_FALSE(loaded(run, kMixer)) << run.err;
  EXPECT_FALSE(loaded(run, "libSDL2-2.0.so.0")) << run.err;
}

TEST(SoundLibrary, IsLoadedAtTheFirstSoundAndPlaysIt) {
  TestGame game;
  taluvin::testing::writeToneWav(game.folder() + "gongo.wav", 0.2);
  game.write("ruido.ogg", "isto não é música");
  // Without a device playmusic only asks whether the file exists, so the marker on the file the
  // mixer cannot open shows that the library really was loaded and the device opened.
  game.write("start.scp", "playsnd gongo.wav,on\nplaymusic ruido.ogg\nplaymusic gongo.wav\nseguiu\n");
  const ProgramRun run = runTraced(game, {{"LD_DEBUG", "files"}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(loaded(run, kMixer)) << run.err;
  const std::string trace = traceOf(game);
  EXPECT_NE(trace.find("   0: playsnd gongo.wav,on"), std::string::npos) << trace;
  EXPECT_NE(trace.find("   1: playmusic ruido.ogg <--- não consegue tocar este arquivo"), std::string::npos) << trace;
  EXPECT_NE(trace.find("   2: playmusic gongo.wav\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("   3: seguiu"), std::string::npos) << trace;
  EXPECT_TRUE(programLines(run).empty()) << run.err;
}

// A library that cannot be loaded (here an empty file found first on the library path) leaves
// the game silent, says so once, and the run goes on as on a machine without a sound device.
TEST(SoundLibrary, OneThatCannotBeLoadedLeavesTheGameSilentWithOneLine) {
  TestGame game;
  const std::string libraries = game.beside() + "lib";
  std::filesystem::create_directories(libraries);
  std::ofstream(libraries + "/" + kMixer).put('\0');
  taluvin::testing::writeToneWav(game.folder() + "gongo.wav", 0.2);
  game.write("start.scp", "playsnd gongo.wav\nplaymusic gongo.wav\nplaysnd gongo.wav,on\nplaymusic gongo.wav\nseguiu\n");
  const ProgramRun run = runTraced(game, {{"LD_LIBRARY_PATH", libraries}});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::vector<std::string> said = programLines(run);
  ASSERT_EQ(said.size(), 1u) << "said once: " << run.err;
  EXPECT_EQ(said[0].rfind("taluvin: cannot load the sound library, running silently: ", 0), 0u) << said[0];
  const std::string trace = traceOf(game);
  EXPECT_NE(trace.find("   3: playmusic gongo.wav\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("   4: seguiu"), std::string::npos) << trace;
}

}  // namespace
