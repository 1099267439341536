// Full screen: Qt's factor changed at run time, the stage centred in the window, black around it.
#include "present/stage_fit.h"

#include "present/main_window.h"

#include <QEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

namespace taluvin {

namespace {

constexpr const char* kLateFactorWarning = "QHighDpiScaling::setFactor: Should only be called when no windows exist.";

QtMessageHandler passedOn = nullptr;

void dropLateFactorWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message == QLatin1String(kLateFactorWarning)) return;
  if (passedOn) passedOn(type, context, message);
}

}  // namespace

double fillingFactor(QSize stage, QSize screenPixels) {
  if (stage.isEmpty() || screenPixels.isEmpty()) return 1;
  const double fill = std::min(static_cast<double>(screenPixels.width()) / stage.width(),
                               static_cast<double>(screenPixels.height()) / stage.height());
  const double whole = std::floor(fill);
  return whole >= 1 && whole >= kWholeFactorShare * fill ? whole : fill;
}

void setWindowScaleFactor(double factor) {
  passedOn = qInstallMessageHandler(dropLateFactorWarning);
  QHighDpiScaling::setGlobalFactor(factor);
  qInstallMessageHandler(passedOn);
  passedOn = nullptr;
}

StageFit::StageFit(MainWindow& window, double windowedFactor)
    : QObject(&window), window_(window), windowedFactor_(windowedFactor) {
  window.installEventFilter(this);
  window.outerBook()->installEventFilter(this);
}

void StageFit::enter() {
  if (fullscreen_) return;
  const QScreen* screen = window_.QWidget::screen();
  if (!screen) return;
  screenPixels_ = screen->handle()->geometry().size();
  fullscreen_ = true;
  refit();
  window_.showFullScreen();
}

void StageFit::fitInto(QSize screenPixels) {
  screenPixels_ = screenPixels;
  fullscreen_ = true;
  refit();
}

void StageFit::leave() {
  if (!fullscreen_) return;
  fullscreen_ = false;
  setWindowScaleFactor(windowedFactor_);
  QWidget* stage = window_.outerBook();
  if (!stage->mask().isEmpty()) window_.setMask(stage->mask());
  stage->clearMask();
  stage->move(0, 0);
  window_.showNormal();
  window_.setFixedSize(stage->size());
  window_.centreOnScreen();
}

void StageFit::refit() {
  refitQueued_ = false;
  if (!fullscreen_) return;
  QWidget* stage = window_.outerBook();
  // Qt's factor for a screen is its own factor times the screen's; only the first is changed.
  const QScreen* screen = window_.QWidget::screen();
  const double screenShare = QHighDpiScaling::factor(screen) / currentGlobalFactor_;
  const double global = fillingFactor(stage->size(), screenPixels_) / screenShare;
  if (global != currentGlobalFactor_) {
    setWindowScaleFactor(global);
    currentGlobalFactor_ = global;
  }
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  // The game shapes the window; full screen its shape is the stage's, over the black.
  if (!window_.mask().isEmpty()) {
    stage->setMask(window_.mask());
    window_.clearMask();
  }
  // The screen is rarely a whole number of design pixels high (1080 / 2.133 is 506.25): a shown
  // window is given the screen's own device pixels, which no rounding of design pixels can name.
  QPlatformWindow* shown = window_.windowHandle() ? window_.windowHandle()->handle() : nullptr;
  if (shown && window_.isFullScreen() && screen) {
    shown->setGeometry(screen->handle()->geometry());
  } else {
    const QSizeF logical = QSizeF(screenPixels_) / QHighDpiScaling::factor(screen);
    window_.resize(qRound(logical.width()), qRound(logical.height()));
  }
  placeStage();
  window_.update();
}

void StageFit::placeStage() {
  QWidget* stage = window_.outerBook();
  stage->move((window_.width() - stage->width()) / 2, (window_.height() - stage->height()) / 2);
}

void StageFit::refitLater() {
  if (refitQueued_) return;
  refitQueued_ = true;
  QTimer::singleShot(0, this, [this] { refit(); });
}

bool StageFit::eventFilter(QObject* watched, QEvent* event) {
  if (!fullscreen_) return false;
  if (watched == &window_) {
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      // Shown again after a hide (the start click does that), the window system has let go of
      // full screen: it is asked for again once the show is over.
      QTimer::singleShot(0, this, [this] {
        if (!fullscreen_ || !window_.isVisible()) return;
        window_.setWindowState(window_.windowState() & ~Qt::WindowFullScreen);
        window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
        refit();
      });
    } else if (event->type() == QEvent::Paint) {
      QPainter(&window_).fillRect(window_.rect(), Qt::black);
    } else if (event->type() == QEvent::Resize) {
      placeStage();
      // A fixed size or a shape the game gave the window is undone once its steps are over.
      if (window_.minimumSize() == window_.maximumSize() || !window_.mask().isEmpty()) refitLater();
    }
  } else if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
    // Opening a game puts the stage back at the window's corner, at whatever size it has.
    refitLater();
  }
  return false;
}

}  // namespace taluvin
