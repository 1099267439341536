// Ctrl+Up, Ctrl+Down and Ctrl+M change the player's volume over the game's own levels.
#include "interact/volume_keys.h"

#include "interact/key_router.h"
#include "script/command_context.h"
#include "services/audio_service.h"
#include "services/player_volume.h"

namespace taluvin {

namespace {

// What the player hears now, said over the window: the keys change nothing else that can be seen.
std::string volumeNotice(const PlayerVolume& volume) {
  if (volume.muted) return "sound muted (Ctrl+M brings it back)";
  return "volume " + std::to_string(volume.level * 100 / PlayerVolume::kSteps) + "%";
}

}  // namespace

void changePlayerVolume(CommandContext& context, AudioService& audio, const PlayerVolume& volume) {
  // At either end the level stays, and saying so shows the key was heard.
  if (volume != audio.playerVolume()) {
    audio.setPlayerVolume(volume);
    savePlayerVolume(playerVolumeFile(), volume);
  }
  context.tellPlayer(volumeNotice(volume));
}

void connectVolumeKeys(KeyRouter& router, CommandContext& context, AudioService& audio) {
  audio.setPlayerVolume(loadPlayerVolume(playerVolumeFile()));
  auto step = [&context, &audio](int by) { changePlayerVolume(context, audio, audio.playerVolume().stepped(by)); };
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_Up,
                      .action = [step] { step(1); },
                      .repeats = true,
                      .otherModifiersToo = true});
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_Down,
                      .action = [step] { step(-1); },
                      .repeats = true,
                      .otherModifiersToo = true});
  // A held key repeats its press; muting must not flicker on and off.
  router.addShortcut({.keys = Qt::CTRL | Qt::Key_M,
                      .action =
                          [&context, &audio] {
                            PlayerVolume toggled = audio.playerVolume();
                            toggled.muted = !toggled.muted;
                            changePlayerVolume(context, audio, toggled);
                          },
                      .otherModifiersToo = true});
}

}  // namespace taluvin
