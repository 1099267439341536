// Decoded effects kept by path: reused while the file is unchanged, decoded again when it changes,
// evicted least recently used first within the budget, never while playing.
#include "app/replay/replay_keys.h"
#include "services/audio_service.h"
#include "services/sound_cache.h"
#include "present/screen.h"
#include "support/named_widgets.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <chrono>
#include <cstring>
#include <filesystem>

using taluvin::testing::TestGame;
using taluvin::testing::writeToneWav;

namespace taluvin {
namespace {

namespace fs = std::filesystem;

class SoundCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(audio_.start()) << "the dummy driver should always open"; }
  std::string sound(const std::string& name, double seconds, double frequency = 440.0) {
    const std::string path = game_.folder() + name;
    writeToneWav(path, seconds, frequency);
    return path;
  }

  TestGame game_;  // only for its temporary folder
  AudioService audio_;
};

TEST_F(SoundCacheTest, AFileIsDecodedOnceUntilItChangesOrGoes) {
  SoundCache cache(16u << 20);
  const std::string path = sound("a.wav", 0.5);
  Mix_Chunk* first = cache.chunk(path);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(cache.chunk(path), first) << "the same file is not decoded again";
  EXPECT_EQ(cache.count(), 1u);
  EXPECT_EQ(cache.bytes(), first->alen);

  // Same length, other sound, a later change time: what plays is the file as it is now.
  std::vector<Uint8> before(first->abuf, first->abuf + first->alen);
  sound("a.wav", 0.5, 880.0);
  fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
  Mix_Chunk* changed = cache.chunk(path);
  ASSERT_NE(changed, nullptr);
  ASSERT_EQ(changed->alen, before.size());
  EXPECT_NE(std::memcmp(changed->abuf, before.data(), before.size()), 0);
  sound("a.wav", 1.0);
  Mix_Chunk* longer = cache.chunk(path);
  ASSERT_NE(longer, nullptr);
  EXPECT_GT(longer->alen, before.size());
  EXPECT_EQ(cache.count(), 1u);
  EXPECT_EQ(cache.bytes(), longer->alen);

  fs::remove(path);
  EXPECT_EQ(cache.chunk(path), nullptr);
  EXPECT_EQ(cache.count(), 0u);
  EXPECT_EQ(cache.bytes(), 0u);
  game_.write("bad.wav", "no sound in here");
  EXPECT_EQ(cache.chunk(game_.folder() + "bad.wav"), nullptr);
  EXPECT_EQ(cache.chunk(game_.folder()), nullptr) << "a folder is no sound";
}

TEST_F(SoundCacheTest, TheBudgetEvictsTheLeastRecentlyUsedButNeverAPlayingSound) {
  const std::string a = sound("a.wav", 0.5), b = sound("b.wav", 0.5), c = sound("c.wav", 0.5);
  size_t oneSound = 0;
  {
    SoundCache probe(16u << 20);
    oneSound = probe.chunk(a)->alen;
  }
  SoundCache cache(oneSound * 5 / 2);
  ASSERT_NE(cache.chunk(a), nullptr);
  ASSERT_NE(cache.chunk(b), nullptr);
  ASSERT_NE(cache.chunk(a), nullptr);  // a is now the more recent
  ASSERT_NE(cache.chunk(c), nullptr);
  EXPECT_TRUE(cache.holds(a));
  EXPECT_FALSE(cache.holds(b));
  EXPECT_TRUE(cache.holds(c));
  EXPECT_LE(cache.bytes(), oneSound * 5 / 2);

  // A sound still playing stays, even past the budget: freeing it would cut it off.
  SoundCache tight(oneSound);
  const std::string longSound = sound("long.wav", 20.0);
  Mix_Chunk* playing = tight.chunk(longSound);
  ASSERT_NE(playing, nullptr);
  ASSERT_EQ(Mix_PlayChannel(0, playing, 0), 0);
  ASSERT_NE(tight.chunk(a), nullptr);
  EXPECT_TRUE(tight.holds(longSound));
  EXPECT_EQ(Mix_Playing(0), 1);
  EXPECT_EQ(Mix_GetChunk(0), playing);
  Mix_HaltChannel(0);
  ASSERT_NE(tight.chunk(b), nullptr);
  EXPECT_FALSE(tight.holds(longSound)) << "once stopped it goes like any other";
}

TEST(KeyClickSound, IsDecodedOnceForManyPressesAndFollowsTheFile) {
  TestGame game;
  game.settings({{44, "*"}});
  game.write("start.scp", "mode= 1\n");
  writeToneWav(game.folder() + "clk3.wav", 0.2);
  game.start();
  Player& player = game.player();
  AudioService& audio = player.audio();
  taluvin::testing::screenOf(game).commandLine()->setFocus();
  for (int i = 0; i < 20; ++i) replayKey(player, ReplayStep{0, "key", {"A"}});
  ASSERT_TRUE(audio.hasDevice()) << "the first click opens the device";
  EXPECT_EQ(audio.effectCache().count(), 1u);
  ASSERT_NE(Mix_GetChunk(0), nullptr);
  const Uint32 clickBytes = Mix_GetChunk(0)->alen;

  // A new click sound is heard from the next press on.
  writeToneWav(game.folder() + "clk3.wav", 0.4);
  replayKey(player, ReplayStep{0, "key", {"B"}});
  ASSERT_NE(Mix_GetChunk(0), nullptr);
  EXPECT_GT(Mix_GetChunk(0)->alen, clickBytes * 3 / 2);

  // Without a key click, a key leaves the effect that plays alone.
  writeToneWav(game.folder() + "longo.wav", 20.0);
  game.write("som.scp", "playsnd longo.wav\n");
  game.run("som");
  fs::remove(game.folder() + "clk3.wav");
  replayKey(player, ReplayStep{0, "key", {"C"}});
  EXPECT_EQ(Mix_Playing(0), 1);
}

}  // namespace
}  // namespace taluvin
