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

class VolumeKeys : public QObject {
 public:
  VolumeKeys(QObject* owner, AudioService& audio) : QObject(owner), audio_(audio) {}

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
    if (volume == audio_.playerVolume()) return;
    audio_.setPlayerVolume(volume);
    savePlayerVolume(playerVolumeFile(), volume);
  }

  AudioService& audio_;
  std::set<int> held_;
};

}  // namespace

void connectVolumeKeys(CommandContext& context) {
  AudioService& audio = context.audio();
  audio.setPlayerVolume(loadPlayerVolume(playerVolumeFile()));
  // Owned by the main window, so the filter never outlives the audio it changes.
  qApp->installEventFilter(new VolumeKeys(&context.window(), audio));
}

}  // namespace taluvin
