// Effects whose header or conversion would cost gigabytes are refused cheaply; the game goes on silent.
#include "services/audio_service.h"
#include "services/effect_limits.h"
#include "services/mixer_library.h"
#include "services/sound_cache.h"
#include "services/sound_probe.h"
#include "support/peak_memory.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <filesystem>
#include <fstream>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

void put(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i));
}

// An 8-bit mono wave file of `samples` samples at `rate`; `before` is put between the header and
// the format chunk, and withRiff false leaves out the RIFF header as some old tools did.
std::string waveBytes(uint32_t rate, uint32_t samples, const std::string& before = {}, bool withRiff = true) {
  std::string body = "WAVE" + before + "fmt ";
  put(body, 16, 4);
  put(body, 1, 2);  // PCM
  put(body, 1, 2);
  put(body, rate, 4);
  put(body, rate, 4);
  put(body, 1, 2);
  put(body, 8, 2);
  body += "data";
  put(body, samples, 4);
  for (uint32_t i = 0; i < samples; ++i) body += static_cast<char>(i * 7);
  if (!withRiff) return body;
  std::string file = "RIFF";
  put(file, static_cast<uint32_t>(body.size()), 4);
  return file + body;
}

// Written as bytes: TestGame::write would take them for UTF-8 text.
void writeRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class EffectLimits : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(audio_.start()) << "the dummy driver should always open"; }
  std::string wave(const std::string& name, const std::string& bytes) {
    writeRaw(game_.folder() + name, bytes);
    return game_.folder() + name;
  }

  TestGame game_;  // only for its temporary folder
  AudioService audio_;
};

TEST_F(EffectLimits, TheSampleRateIsReadFromEveryLayoutOfWaveHeader) {
  EXPECT_EQ(waveSampleRate(wave("plain.wav", waveBytes(22050, 10))), 22050u);
  EXPECT_EQ(waveSampleRate(wave("bare.wav", waveBytes(8000, 10, {}, false))), 8000u);
  // A list chunk of odd length is padded to an even one before the format chunk.
  std::string list = "LIST";
  put(list, 3, 4);
  list += "abc";
  list += '\0';
  EXPECT_EQ(waveSampleRate(wave("listed.wav", waveBytes(11025, 10, list))), 11025u);

  EXPECT_EQ(waveSampleRate(wave("ogg.wav", "OggS and the rest")), std::nullopt);
  EXPECT_EQ(waveSampleRate(wave("short.wav", "RIFF\x10\0\0\0WAVEfmt \x10\0\0\0\x01")), std::nullopt);
  std::string lost = "LIST";
  put(lost, 0x7FFFFFF0, 4);
  EXPECT_EQ(waveSampleRate(wave("lost.wav", waveBytes(11025, 10, lost))), std::nullopt);
  EXPECT_EQ(waveSampleRate(game_.folder() + "none.wav"), std::nullopt);
}

TEST_F(EffectLimits, RatesOutsideTheRangeAndConversionsPastTheBudgetAreRefusedWithTheReason) {
  const MixerLibrary& mix = *mixerLibrary();
  std::string problem;
  // The key click the fuzzer found: nine kilobytes at 1 Hz would be more than a gigabyte at 44.1 kHz.
  EXPECT_EQ(loadBoundedEffect(mix, wave("clk3.wav", waveBytes(1, 8800)), &problem), nullptr);
  EXPECT_EQ(problem, "its sample rate of 1 Hz lies outside 1000 to 384000 Hz");
  EXPECT_EQ(loadBoundedEffect(mix, wave("fast.wav", waveBytes(400000, 100)), &problem), nullptr);
  EXPECT_EQ(problem, "its sample rate of 400000 Hz lies outside 1000 to 384000 Hz");
  // Within the range, but two million samples at 2 kHz would take 176 MB once converted.
  EXPECT_EQ(loadBoundedEffect(mix, wave("slow.wav", waveBytes(2000, 2'000'000)), &problem), nullptr);
  EXPECT_EQ(problem, "converted for playing it would take more than 64 MB");

  for (uint32_t rate : {1000u, 8000u, 384000u}) {
    Mix_Chunk* chunk = loadBoundedEffect(mix, wave("edge.wav", waveBytes(rate, 1000)), &problem);
    ASSERT_NE(chunk, nullptr) << rate << ": " << problem;
    mix.FreeChunk(chunk);
  }
  // The bound holds only while an effect loads: music of any length opens as before.
  ASSERT_TRUE(audio_.playMusic(wave("slow.wav", waveBytes(2000, 2'000'000))));
  audio_.stopMusic();

  EXPECT_EQ(soundFileProblem(game_.folder() + "clk3.wav", SoundUse::Effect),
            "its sample rate of 1 Hz lies outside 1000 to 384000 Hz");
  EXPECT_EQ(soundFileProblem(game_.folder() + "edge.wav", SoundUse::Effect), "");
}

TEST_F(EffectLimits, ARefusedEffectIsRememberedUntilItsFileChanges) {
  SoundCache cache(16u << 20);
  const std::string path = wave("clk3.wav", waveBytes(1, 8800));
  EXPECT_EQ(cache.chunk(path), nullptr);
  EXPECT_EQ(cache.chunk(path), nullptr);
  EXPECT_TRUE(cache.holds(path)) << "the refusal is kept, so the next press reads nothing";
  EXPECT_EQ(cache.count(), 1u);

  wave("clk3.wav", waveBytes(22050, 8800));
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
  EXPECT_NE(cache.chunk(path), nullptr) << "a mended file is heard";
}

// The process as a whole: the 1 Hz key click, pressed and played by a script, keeps it small.
TEST(EffectMemory, AOneHertzKeyClickKeepsTheProgramSmallAndTheGameGoesOn) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer's own memory says nothing of the program's";
#endif
  TestGame game;
  game.settings({{44, "*"}});
  writeRaw(game.folder() + "clk3.wav", waveBytes(1, 8800));
  game.write("start.scp", "mode= 1\nsetfoco= inp\nplaysnd clk3.wav\nmsg= depois\n");
  game.write("teclas.replay", "start\nkey A\nkey B\nkey C\n");
  const std::string trace = game.beside() + "trace.txt";
  const double peak = taluvin::testing::peakMiBOfProgram(
      {game.folder(), "--headless", "--replay", game.folder() + "teclas.replay", "--trace", trace});
  ASSERT_GT(peak, 0);
  EXPECT_LT(peak, 300) << "MiB";
  const std::string lines = taluvin::testing::fileBytes(trace);
  EXPECT_NE(lines.find("   3: msg= depoi..."), std::string::npos) << lines;
}

}  // namespace
}  // namespace taluvin
