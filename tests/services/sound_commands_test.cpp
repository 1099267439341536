// Sound and music commands played by a real player on SDL's dummy driver.
#include "services/audio_service.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>

using taluvin::testing::TestGame;
using taluvin::testing::writeToneWav;

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()>& action) {
  const auto start = Clock::now();
  action();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Whether a run waited is told apart by sounds far longer than any run takes on a loaded machine,
// so only a wait for the sound can make a run that long.
constexpr double kLongSound = 20.0;
constexpr double kNoWait = 10.0;

TEST(SoundCommands, PlaySoundWaitsForTheEndOnlyWhenAskedTo) {
  TestGame game;
  writeToneWav(game.folder() + "gongo.wav", 0.6);
  writeToneWav(game.folder() + "longo.wav", kLongSound);
  game.write("start.scp", "fim\n");
  game.write("async.scp", "playsnd longo.wav\n");
  game.write("sync.scp", "playsnd gongo.wav,on\n");
  game.write("other.scp", "playsnd longo.wav,talvez\n");
  game.start();

  EXPECT_LT(secondsOf([&] { game.run("async"); }), kNoWait);
  EXPECT_TRUE(game.traced("   0: playsnd longo.wav"));
  EXPECT_GE(secondsOf([&] { game.run("sync"); }), 0.5);
  EXPECT_TRUE(game.traced("   0: playsnd gongo.wav,on"));
  EXPECT_LT(secondsOf([&] { game.run("other"); }), kNoWait);
  EXPECT_TRUE(game.traced("   0: playsnd longo.wav"));
}

TEST(SoundCommands, PlaySoundOffStopsTheEffectAWaitingScriptIsPlaying) {
  TestGame game;
  writeToneWav(game.folder() + "longo.wav", kLongSound);
  game.write("start.scp", "fim\n");
  game.write("sync.scp", "antes\nplaysnd longo.wav,on\n");
  game.write("stop.scp", "playsnd off\n");
  game.start();
  // The stop is queued just before the long sound starts, so it arrives while the sound is waited for.
  game.atTraced("   0: antes ", [&] { game.run("stop"); });
  EXPECT_LT(secondsOf([&] { game.run("sync"); }), kNoWait);
  EXPECT_TRUE(game.traced("   0: playsnd off,"));
}

// The name is used without an existence check: a missing file, or one outside the game, leaves the
// trace with the name alone, plays nothing, keeps the playing effect and waits for nothing.
TEST(SoundCommands, PlaySoundOfAMissingFileTracesTheNameAloneAndPlaysNothing) {
  TestGame game;
  writeToneWav(game.folder() + "longo.wav", kLongSound);
  writeToneWav(game.beside() + "fora.wav", kLongSound);
  game.write("start.scp",
             "playsnd longo.wav\n"
             "playsnd\n"
             "playsnd naoha.wav\n"
             "playsnd ../fora.wav\n"
             "playsnd " + game.beside() + "fora.wav,on\n"
             "playsnd naoha.wav,on\n");
  EXPECT_LT(secondsOf([&] { game.start(); }), kNoWait);
  EXPECT_TRUE(game.traced("   1: playsnd  <--- não definiu nome de arquivo .wav"));
  EXPECT_TRUE(game.traced("   2: playsnd naoha.wav"));
  EXPECT_TRUE(game.traced("   3: playsnd ../fora.wav"));
  EXPECT_TRUE(game.traced("   4: playsnd " + game.beside() + "fora.wav,on"));
  EXPECT_TRUE(game.traced("   5: playsnd naoha.wav,on"));
  ASSERT_NE(Mix_GetChunk(0), nullptr);
  EXPECT_EQ(Mix_Playing(0), 1) << "the effect playing before goes on";
  EXPECT_GT(Mix_GetChunk(0)->alen, 44100u * 4 * 10) << "and it is the game's long sound";
}

TEST(SoundCommands, MusicMustExistInTheGameAndASecondTrackReplacesTheFirst) {
  TestGame game;
  writeToneWav(game.folder() + "tema.wav", 2.0);
  writeToneWav(game.folder() + "outro.wav", 2.0);
  game.write("start.scp",
             "playmusic tema.wav\n"
             "play outro.wav\n"
             "playmusic sumiu.ogg\n"
             "playmusic ../tema.wav\n"
             "volume= 500\n"
             "volume= alto\n"
             "volume=\n");
  game.start();
  EXPECT_TRUE(game.traced("   0: playmusic tema.wav"));
  EXPECT_TRUE(game.traced("   1: play outro.wav"));
  EXPECT_TRUE(game.traced("   2: playmusic sumiu.ogg <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   3: playmusic ../tema.wav <--- arquivo não existe"));
  EXPECT_TRUE(game.traced("   4: volume= 500"));
  EXPECT_TRUE(game.traced("   5: volume= 0"));
  EXPECT_TRUE(game.traced("   6: volume= 0"));
  EXPECT_EQ(game.player().audio().musicVolume(), 0);
}

TEST(SoundCommands, VolumeWithNoMusicOpenLeavesTheNextTrackAtFullVolume) {
  TestGame game;
  writeToneWav(game.folder() + "tema.wav", 2.0);
  game.write("start.scp", "volume= 100\nplaymusic tema.wav\n");
  game.start();
  const taluvin::AudioService& audio = game.player().audio();
  if (!audio.hasDevice()) GTEST_SKIP() << "no audio device";
  EXPECT_TRUE(game.traced("   0: volume= 100"));
  EXPECT_EQ(audio.musicVolume(), 128);
}

TEST(SoundCommands, AFileTheMixerCannotPlayIsReportedAndTheRunGoesOn) {
  TestGame game;
  game.write("ruido.ogg", "isto não é música");
  game.write("start.scp", "playmusic ruido.ogg\nseguiu\n");
  game.start();
  if (!game.player().audio().hasDevice()) GTEST_SKIP() << "no audio device";
  EXPECT_TRUE(game.traced("   0: playmusic ruido.ogg <--- não consegue tocar este arquivo"));
  EXPECT_TRUE(game.traced("   1: seguiu "));
}

}  // namespace
