// Effects and music through SDL_mixer on SDL's dummy driver, which plays in real time but silently.
#include "services/audio_service.h"

#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace taluvin {
namespace {

using Clock = std::chrono::steady_clock;

// 16-bit mono PCM; written by hand so the test depends on no sample files.
void writeSineWav(const std::string& path, double seconds) {
  constexpr uint32_t kRate = 22050;
  const uint32_t samples = static_cast<uint32_t>(seconds * kRate);
  const uint32_t dataBytes = samples * 2;
  std::ofstream out(path, std::ios::binary);
  auto put = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  out << "RIFF";
  put(36 + dataBytes, 4);
  out << "WAVEfmt ";
  put(16, 4);
  put(1, 2);  // PCM
  put(1, 2);  // mono
  put(kRate, 4);
  put(kRate * 2, 4);
  put(2, 2);
  put(16, 2);
  out << "data";
  put(dataBytes, 4);
  for (uint32_t i = 0; i < samples; ++i)
    put(static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / kRate))), 2);
}

// Far longer than any call takes on a loaded machine, so only waiting for the sound lasts that long.
constexpr double kLongSound = 20.0;
constexpr double kNoWait = 10.0;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class AudioServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string pattern = (std::filesystem::temp_directory_path() / "taluvin-audio-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    shortSound_ = (folder_ / "beep.wav").string();
    longSound_ = (folder_ / "long.wav").string();
    writeSineWav(shortSound_, 0.3);
    writeSineWav(longSound_, kLongSound);
    ASSERT_TRUE(audio_.start()) << "the dummy driver should always open";
  }
  void TearDown() override {
    audio_.stop();
    std::filesystem::remove_all(folder_);
  }

  AudioService audio_;
  std::filesystem::path folder_;
  std::string shortSound_, longSound_;
};

TEST_F(AudioServiceTest, WaitingForAnEffectLastsAsLongAsTheSoundAndKeepsEventsRunning) {
  int roundsWhilePlaying = 0;
  const Clock::time_point start = Clock::now();
  audio_.playEffectAndWait(shortSound_, [&roundsWhilePlaying] { roundsWhilePlaying += Mix_Playing(-1); });
  EXPECT_GE(secondsSince(start), 0.2);
  EXPECT_GT(roundsWhilePlaying, 1) << "events run again and again while the sound plays";
  EXPECT_EQ(Mix_Playing(-1), 0);

  // Events that stop the effect end the wait.
  int eventRounds = 0;
  const Clock::time_point again = Clock::now();
  audio_.playEffectAndWait(longSound_, [&] {
    if (++eventRounds == 3) audio_.stopEffect();
  });
  EXPECT_LT(secondsSince(again), kNoWait);
  EXPECT_EQ(eventRounds, 3);
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(AudioServiceTest, NewEffectCutsOffThePlayingOne) {
  audio_.playEffect(longSound_);
  EXPECT_EQ(Mix_Playing(-1), 1);
  const Clock::time_point start = Clock::now();
  audio_.playEffectAndWait(shortSound_, {});
  EXPECT_LT(secondsSince(start), kNoWait);
  EXPECT_EQ(Mix_Playing(-1), 0) << "the long effect must not go on underneath";

  audio_.playEffect(longSound_);
  audio_.stopEffect();
  EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(AudioServiceTest, UnloadableFilesAreSkippedQuietly) {
  const std::string missing = (folder_ / "missing.wav").string();
  const std::string garbage = (folder_ / "garbage.wav").string();
  std::ofstream(garbage) << "not a sound at all";

  audio_.playEffect(longSound_);
  audio_.playEffect(missing);
  EXPECT_EQ(Mix_Playing(-1), 0);
  int eventRounds = 0;
  const Clock::time_point start = Clock::now();
  audio_.playEffectAndWait(garbage, [&eventRounds] { ++eventRounds; });
  EXPECT_LT(secondsSince(start), kNoWait);
  EXPECT_EQ(eventRounds, 0) << "nothing to wait for";

  EXPECT_FALSE(audio_.playMusic(missing));
  EXPECT_FALSE(audio_.playMusic(garbage));
}

TEST_F(AudioServiceTest, MusicPlaysReplacesAndStops) {
  ASSERT_TRUE(audio_.playMusic(longSound_));
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  ASSERT_TRUE(audio_.playMusic(shortSound_));
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  audio_.stopMusic();
  EXPECT_EQ(Mix_PlayingMusic(), 0);

  ASSERT_TRUE(audio_.playMusic(longSound_));
  EXPECT_FALSE(audio_.playMusic((folder_ / "missing.ogg").string()));
  EXPECT_EQ(Mix_PlayingMusic(), 0) << "asking for other music ends the old even when the new fails";
}

TEST_F(AudioServiceTest, MusicVolumeMapsScriptRangeOntoMixerAndClamps) {
  ASSERT_TRUE(audio_.playMusic(longSound_));
  const std::pair<int, int> cases[] = {{1000, MIX_MAX_VOLUME}, {500, 64}, {0, 0}, {-20, 0},
                                       {5000, MIX_MAX_VOLUME}, {4, 1}, {3, 0}};
  for (auto [scriptVolume, mixerVolume] : cases) {
    audio_.setMusicVolume(scriptVolume);
    EXPECT_EQ(audio_.musicVolume(), mixerVolume) << scriptVolume;
    EXPECT_EQ(Mix_VolumeMusic(-1), mixerVolume) << scriptVolume;
  }
}

TEST_F(AudioServiceTest, VolumeBelongsToTheOpenTrackOnly) {
  audio_.setMusicVolume(300);
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME) << "no track is open";
  ASSERT_TRUE(audio_.playMusic(longSound_));
  EXPECT_EQ(audio_.musicVolume(), MIX_MAX_VOLUME) << "a volume set before the track does not reach it";
  audio_.setMusicVolume(500);
  EXPECT_EQ(Mix_VolumeMusic(-1), 64);
  ASSERT_TRUE(audio_.playMusic(shortSound_));
  EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME) << "the next track opens at full volume";
}

TEST_F(AudioServiceTest, ServiceWithoutDeviceDoesNothingButAnswersSensibly) {
  AudioService silent;
  EXPECT_FALSE(silent.hasDevice());
  const Clock::time_point start = Clock::now();
  silent.playEffectAndWait(longSound_, {});
  EXPECT_LT(secondsSince(start), kNoWait);
  silent.playEffect(shortSound_);
  silent.stopEffect();
  EXPECT_TRUE(silent.playMusic(shortSound_));
  EXPECT_FALSE(silent.playMusic((folder_ / "missing.wav").string()));
  silent.setMusicVolume(250);
  EXPECT_EQ(silent.musicVolume(), MIX_MAX_VOLUME) << "without a device no track is ever open";
  silent.stop();
}

// Runs with no other service open, so the unknown driver really is what SDL tries.
TEST(AudioServiceSilence, MissingDeviceIsReportedOnceAndNeverFails) {
  const char* previous = std::getenv("SDL_AUDIODRIVER");
  const std::string restore = previous ? previous : "dummy";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  testing::internal::CaptureStderr();
  AudioService audio;
  EXPECT_FALSE(audio.start());
  EXPECT_FALSE(audio.start());
  const std::string said = testing::internal::GetCapturedStderr();
  setenv("SDL_AUDIODRIVER", restore.c_str(), 1);

  EXPECT_EQ(said.find("taluvin: no audio device, running silently: "), 0u) << said;
  EXPECT_EQ(said.find("taluvin:", 1), std::string::npos) << said;
  EXPECT_FALSE(audio.hasDevice());
  EXPECT_FALSE(audio.playMusic("no-such-music.ogg"));
  audio.playEffectAndWait("no-such-effect.wav", {});
}

}  // namespace
}  // namespace taluvin
