// The main window: frame, outer book and the opening page.
#include "present/main_window.h"

#include "present/opening_picture.h"
#include "present/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>
#include <utility>

namespace taluvin {

MainWindow::MainWindow(GameSession& session, InputHold& hold) {
  setObjectName("TForm1");
  setWindowFlags(Qt::FramelessWindowHint);
  setWindowTitle("Taluvin");
  setFixedSize(900, 420);

  outerBook_ = new PagedBook(this);
  outerBook_->setObjectName("Abok0");
  outerBook_->setGeometry(0, 0, 900, 420);
  outerBook_->addPage("Default");
  outerBook_->addPage("Imagens");
  QWidget* opening = outerBook_->addPage("Abertura");

  openingPicture_ = new PictureView(opening);
  openingPicture_->setObjectName("TelAber");
  openingPicture_->setGeometry(0, 0, 900, 420);
  openingPicture_->setStretch(true);
  // Most games bring their own opening picture, so the built-in one is drawn only when shown.
  openingPicture_->setPendingPicture([] { return builtInOpeningPicture(); });

  // A double click also delivers a first click; waiting out the double-click interval keeps the
  // start click from hiding the opening page before a resume can be recognised.
  pendingStart_ = new QTimer(this);
  pendingStart_->setSingleShot(true);
  connect(pendingStart_, &QTimer::timeout, this, [this] {
    if (onStartClick) onStartClick();
  });
  openingPicture_->onRelease = [this](QPoint, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    // The release that ends a double click is not a click of its own: it would start a new game
    // over the one just resumed.
    if (std::exchange(doubleClickHeld_, false)) return;
    pendingStart_->start(QApplication::doubleClickInterval());
  };
  openingPicture_->onDoubleClick = [this](QPoint) {
    pendingStart_->stop();
    doubleClickHeld_ = true;
    if (onResume) onResume();
  };

  screen_ = std::make_unique<Screen>(*this, session, hold);
  outerBook_->showPage("Abertura");
}

MainWindow::~MainWindow() = default;

bool MainWindow::startClickPending() const { return pendingStart_->isActive(); }

void MainWindow::centreOnScreen() {
  if (auto* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is the player asking to leave: a run in progress stops, and the exit steps
  // run when the loop ends.
  event->accept();
  if (onClose)
    onClose();
  else
    QApplication::quit();
}

}  // namespace taluvin
