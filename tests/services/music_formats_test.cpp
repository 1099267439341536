// MIDI, Ogg and MP3 music played by a real player: the mixer must really produce their samples.
#include "services/audio_service.h"
#include "services/sound_font.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

using Clock = std::chrono::steady_clock;

// Counts the non-silent samples the mixer hands the device, as a listener would hear them.
class HeardSamples {
 public:
  HeardSamples() { Mix_SetPostMix(&HeardSamples::count, this); }
  ~HeardSamples() { Mix_SetPostMix(nullptr, nullptr); }
  HeardSamples(const HeardSamples&) = delete;
  HeardSamples& operator=(const HeardSamples&) = delete;

  void reset() { heard_ = 0; }
  // Waits generously: the dummy driver plays in real time, and a loaded machine may lag.
  bool waitFor(long samples) const {
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    while (heard_ < samples && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return heard_ >= samples;
  }
  long heard() const { return heard_; }

 private:
  static void count(void* self, Uint8* stream, int length) {
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    long loud = 0;
    for (int i = 0; i < length / 2; ++i) loud += samples[i] != 0;
    static_cast<HeardSamples*>(self)->heard_ += loud;
  }
  std::atomic<long> heard_ = 0;
};

// A quarter of a second of stereo sound at the device's rate.
constexpr long kQuarterSecond = 44100 / 2;

TEST(MusicFormats, MidiOggAndMp3TracksAreMixedAndHeard) {
  TestGame game;
  taluvin::testing::writeMidiTune(game.folder() + "tema.mid", 40);
  ASSERT_TRUE(taluvin::testing::makeToneWithSox(game.folder() + "tema.ogg", 20))
      << "sox with its Ogg format is needed: run scripts/setup.sh";
  ASSERT_TRUE(taluvin::testing::makeToneWithSox(game.folder() + "tema.mp3", 20))
      << "sox with its MP3 format (libsox-fmt-mp3) is needed: run scripts/setup.sh";
  game.write("start.scp", "fim\n");
  game.write("midi.scp", "playmusic tema.mid\n");
  game.write("ogg.scp", "playmusic tema.ogg\n");
  game.write("mp3.scp", "playmusic tema.mp3\n");
  game.start();
  AudioService& audio = game.player().audio();
  ASSERT_TRUE(audio.start()) << "the dummy driver should always open";

  HeardSamples heard;
  const std::pair<const char*, Mix_MusicType> tracks[] = {{"midi", MUS_MID}, {"ogg", MUS_OGG}, {"mp3", MUS_MP3}};
  for (auto [script, type] : tracks) {
    heard.reset();
    game.run(script);
    EXPECT_TRUE(game.traced(std::string("   0: playmusic tema.") + (type == MUS_MID ? "mid" : script)))
        << script << ": no marker, the track plays";
    EXPECT_EQ(Mix_PlayingMusic(), 1) << script;
    EXPECT_EQ(Mix_GetMusicType(nullptr), type) << script;
    EXPECT_TRUE(heard.waitFor(kQuarterSecond)) << script << " produced " << heard.heard() << " samples";
  }
  EXPECT_FALSE(audio.soundFont().empty()) << "scripts/setup.sh installs a General MIDI soundfont";
}

TEST(MusicFormats, SoundFontSearchPrefersTheSmallGeneralMidiFontThenAnyByName) {
  TestGame game;
  namespace fs = std::filesystem;
  const fs::path first = game.beside() + "fonts1";
  const fs::path second = game.beside() + "fonts2";
  const fs::path none = game.beside() + "missing";
  fs::create_directories(first);
  fs::create_directories(second);
  game.write("../fonts1/notes.txt", "not a soundfont");
  EXPECT_EQ(findSoundFont({first.string(), none.string()}), "");

  game.write("../fonts2/zeta.sf2", "z");
  game.write("../fonts2/Alpha.SF3", "a");
  EXPECT_EQ(findSoundFont({none.string(), first.string(), second.string()}), (second / "Alpha.SF3").string());
  game.write("../fonts2/TimGM6mb.sf2", "t");
  EXPECT_EQ(findSoundFont({first.string(), second.string()}), (second / "TimGM6mb.sf2").string());
  // A default link left dangling when its font was removed is skipped.
  fs::create_symlink(first / "gone.sf2", first / "default-GM.sf2");
  EXPECT_EQ(findSoundFont({first.string(), second.string()}), (second / "TimGM6mb.sf2").string());

  EXPECT_TRUE(isMidiFile("x/tema.MID"));
  EXPECT_TRUE(isMidiFile("tema.midi"));
  EXPECT_FALSE(isMidiFile("tema.ogg"));
  EXPECT_FALSE(isMidiFile("mid"));
}

TEST(MusicFormats, WithoutASoundFontTheFirstMidiTrackSaysSoOnce) {
  TestGame game;
  taluvin::testing::writeMidiTune(game.folder() + "tema.mid", 4);
  taluvin::testing::writeToneWav(game.folder() + "tema.wav", 1.0);
  game.write("start.scp", "fim\n");
  game.write("musica.scp", "playmusic tema.wav\nplaymusic tema.mid\nplaymusic tema.mid\nseguiu\n");
  game.start();
  AudioService& audio = game.player().audio();
  ASSERT_TRUE(audio.start());
  const std::string empty = game.beside() + "no-fonts";
  std::filesystem::create_directories(empty);
  audio.setSoundFontFolders({empty});
  const char* named = std::getenv("SDL_SOUNDFONTS");
  const std::string restore = named ? named : "";
  unsetenv("SDL_SOUNDFONTS");

  ::testing::internal::CaptureStderr();
  game.run("musica");
  const std::string said = ::testing::internal::GetCapturedStderr();
  if (!restore.empty()) setenv("SDL_SOUNDFONTS", restore.c_str(), 1);

  const std::string message = "taluvin: no General MIDI soundfont found (looked in " + empty + ")";
  EXPECT_EQ(said.find(message), 0u) << said;
  EXPECT_EQ(said.find(message, 1), std::string::npos) << "said once: " << said;
  EXPECT_TRUE(game.traced("   3: seguiu ")) << "the run goes on";
}

}  // namespace
}  // namespace taluvin
