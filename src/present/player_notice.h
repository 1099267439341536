// PlayerNotice: the player's own short messages, laid over a game window and faded out.
#pragma once

#include <QLabel>
#include <QString>

class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QTimer;

namespace taluvin {

// A line of the player's (a save, a restore, the volume, a failure the player must see) shown over
// the top of a window for a few seconds. It is a widget of its own above the game's surfaces, so no
// game picture, buffer or text ever holds it.
class PlayerNotice : public QLabel {
  Q_OBJECT
 public:
  explicit PlayerNotice(QWidget* window);

  // Shows text (replacing any notice still shown) and starts the time it stays.
  void say(const QString& text);

  static constexpr int kShownMs = 3500;
  static constexpr int kFadeMs = 600;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void place();

  QGraphicsOpacityEffect* opacity_;
  QPropertyAnimation* fade_;
  QTimer* stay_;
};

// The notice of a window, made at its first use.
PlayerNotice& noticeOf(QWidget* window);

}  // namespace taluvin
