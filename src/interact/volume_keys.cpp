// Ctrl+Up, Ctrl+Down and Ctrl+M change the player's volume over the game's own levels.
#include "interact/volume_keys.h"

#include "present/main_window.h"
#include "script/command_context.h"
#include "services/audio_service.h"
#include "services/player_volume.h"

#include <QApplication>
#include <QKeyEvent>

#include <set>

namespace taluvin {

namespace {

// What the player hears now, said over the window: the keys change nothing else that can be seen.
std::string volumeNotice(const PlayerVolume& volume) {
  if (volume.muted) return "sound muted (Ctrl+M brings it back)";
  return "volume " + std::to_string(volume.level * 100 / PlayerVolume::kSteps) + "%";
}

class VolumeKeys : public QObject {
 public:
  VolumeKeys(QObject* owner, CommandContext& context, AudioService& audio)
      : QObject(owner), context_(context), audio_(audio) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!(key->modifiers() & Qt::ControlModifier)) return QObject::eventFilter(watched, event);
      switch (key->key()) {
        case Qt::Key_Up: change(audio_.playerVolume().stepped(1)); break;
        case Qt::Key_Down: change(audio_.playerVolume().stepped(-1)); break;
        case Qt::Key_M:
          // A held key repeats its press; muting must not flicker on and off.
          if (!key->isAutoRepeat()) {
            PlayerVolume toggled = audio_.playerVolume();
            toggled.muted = !toggled.muted;
            change(toggled);
          }
          break;
        default: return QObject::eventFilter(watched, event);
      }
      held_.insert(key->key());
      return true;
    }
    if (event->type() == QEvent::KeyRelease) {
      // Ctrl may be let go first: the key's release is the player's whatever modifiers it has.
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!held_.contains(key->key())) return QObject::eventFilter(watched, event);
      if (!key->isAutoRepeat()) held_.erase(key->key());
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void change(const PlayerVolume& volume) {
    // At either end the level stays, and saying so shows the key was heard.
    if (volume != audio_.playerVolume()) {
      audio_.setPlayerVolume(volume);
      savePlayerVolume(playerVolumeFile(), volume);
    }
    context_.tellPlayer(volumeNotice(volume));
  }

  CommandContext& context_;
  AudioService& audio_;
  std::set<int> held_;
};

}  // namespace

void connectVolumeKeys(CommandContext& context, AudioService& audio) {
  audio.setPlayerVolume(loadPlayerVolume(playerVolumeFile()));
  // Owned by the main window, so the filter never outlives the audio it changes.
  qApp->installEventFilter(new VolumeKeys(&context.window(), context, audio));
}

}  // namespace taluvin
