// The player's volume keys over a real player: the game's levels scaled, the keys kept from the
// game, the setting remembered in the user's config folder and nowhere in the game's.
#include "app/replay/replay_keys.h"
#include "present/screen.h"
#include "services/audio_service.h"
#include "services/player_volume.h"
#include "state/state_writer.h"
#include "support/named_widgets.h"
#include "support/sample_sounds.h"
#include "support/test_game.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <SDL2/SDL_mixer.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

using taluvin::testing::TestGame;

namespace taluvin {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::string fileText(const std::string& path) {
  StateWriter::instance().drain();
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void key(TestGame& game, const char* name) { replayKey(game.player(), ReplayStep{0, "key", {name}}); }

TEST(VolumeKeys, CtrlArrowsAndMuteScaleTheGamesLevelsAndAreKeptFromTheGame) {
  TestGame game;
  const std::string config = game.beside() + "config";
  ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
  taluvin::testing::writeToneWav(game.folder() + "tema.wav", 20.0);
  game.settings({{44, "*"}});
  game.write("start.scp", "mode= 1\nnorte= norte\nplaymusic tema.wav\nvolume= 500\n");
  game.write("norte.scp", "fim\n");
  game.start();
  AudioService& audio = game.player().audio();
  ASSERT_TRUE(audio.hasDevice());
  taluvin::testing::screenOf(game).commandLine()->setFocus();
  EXPECT_EQ(Mix_VolumeMusic(-1), 64) << "the game's own level at the player's full volume";

  key(game, "Ctrl+Down");
  key(game, "Ctrl+Down");
  EXPECT_EQ(audio.playerVolume(), (PlayerVolume{8, false}));
  EXPECT_EQ(Mix_VolumeMusic(-1), 51) << "64 at eight tenths";
  EXPECT_EQ(Mix_Volume(-1, -1), 102) << "effects at eight tenths of full";
  EXPECT_EQ(audio.musicVolume(), 64) << "the game's own level is unchanged";
  EXPECT_FALSE(game.traced("Executando script: norte.scp")) << "Ctrl+Down is the player's, not the game's";
  const std::string file = config + "/taluvin/audio.ini";
  EXPECT_EQ(fileText(file), "volume=8\nmute=0\n");

  key(game, "Ctrl+M");
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
  EXPECT_EQ(Mix_Volume(-1, -1), 0);
  EXPECT_EQ(fileText(file), "volume=8\nmute=1\n");
  key(game, "Ctrl+M");
  EXPECT_EQ(Mix_VolumeMusic(-1), 51);

  // A new track opens at the game's full level, still scaled by the player's.
  game.write("outra.scp", "playmusic tema.wav\n");
  game.run("outra");
  EXPECT_EQ(Mix_VolumeMusic(-1), 102);
  for (int i = 0; i < 5; ++i) key(game, "Ctrl+Up");
  EXPECT_EQ(audio.playerVolume(), (PlayerVolume{10, false})) << "no louder than the game's own level";
  EXPECT_EQ(Mix_VolumeMusic(-1), 128);
  EXPECT_FALSE(game.traced("Executando script: norte.scp")) << "Ctrl+Up does not walk north";
  key(game, "Ctrl+M");
  key(game, "Up");
  EXPECT_TRUE(game.traced("Executando script: norte.scp")) << "the plain arrow still walks";

  // Remembered for the next time the program starts, and nothing was written in the game.
  game.quit();
  game.restart();
  game.start();
  EXPECT_EQ(game.player().audio().playerVolume(), (PlayerVolume{10, true}));
  EXPECT_EQ(Mix_Volume(-1, -1), 0);
  for (const auto& entry : std::filesystem::recursive_directory_iterator(game.folder()))
    EXPECT_NE(entry.path().filename(), "audio.ini") << entry.path();
}

TEST(VolumeKeys, TheSettingLivesInTheUsersConfigFolderAndADamagedOneKeepsTheDefaults) {
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
    ScopedEnv home("HOME", "/home/ana");
    EXPECT_EQ(playerVolumeFile(), "/cfg/taluvin/audio.ini");
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg");
    ScopedEnv home("HOME", "/home/ana");
    EXPECT_EQ(playerVolumeFile(), "/home/ana/.config/taluvin/audio.ini") << "a relative folder is ignored";
  }
  {
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    EXPECT_EQ(playerVolumeFile(), "") << "nowhere to remember it";
    EXPECT_EQ(loadPlayerVolume(playerVolumeFile()), PlayerVolume{});
  }

  EXPECT_EQ(parsePlayerVolume("volume=3\r\nmute=1\r\n"), (PlayerVolume{3, true}));
  EXPECT_EQ(parsePlayerVolume("mute=1\nvolume=0"), (PlayerVolume{0, true}));
  EXPECT_EQ(parsePlayerVolume("volume=11\nmute=2\n"), PlayerVolume{}) << "out of range";
  EXPECT_EQ(parsePlayerVolume("volume=-1\nvolume=4x\nvolume=\nmute=yes\n"), PlayerVolume{});
  EXPECT_EQ(parsePlayerVolume(std::string("volume=5\0garbage\n", 18)), PlayerVolume{});
  EXPECT_EQ(parsePlayerVolume(""), PlayerVolume{});
  const PlayerVolume quiet{2, true};
  EXPECT_EQ(parsePlayerVolume(formatPlayerVolume(quiet)), quiet);

  TestGame game;
  const std::string file = game.beside() + "deep/folder/audio.ini";
  EXPECT_EQ(loadPlayerVolume(file), PlayerVolume{}) << "a missing file";
  savePlayerVolume(file, quiet);
  StateWriter::instance().drain();
  EXPECT_EQ(loadPlayerVolume(file), quiet) << "the folders are made";
  EXPECT_EQ(PlayerVolume{}.stepped(3), PlayerVolume{}) << "at most full";
  EXPECT_EQ((PlayerVolume{1, true}).stepped(-4), (PlayerVolume{0, false})) << "a step brings the sound back";
}

}  // namespace
}  // namespace taluvin
