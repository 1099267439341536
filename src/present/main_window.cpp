// The main window: frame, outer book and the opening page.
#include "present/main_window.h"

#include "present/opening_picture.h"
#include "present/screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

namespace taluvin {

MainWindow::MainWindow(GameSession& session) {
  setObjectName("TForm1");
  setWindowFlags(Qt::FramelessWindowHint);
  setWindowTitle("Taluvin");
  setFixedSize(900, 420);

  abok0_ = new PagedBook(this);
  abok0_->setObjectName("Abok0");
  abok0_->setGeometry(0, 0, 900, 420);
  abok0_->addPage("Default");
  abok0_->addPage("Imagens");
  QWidget* opening = abok0_->addPage("Abertura");

  telAber_ = new PictureView(opening);
  telAber_->setObjectName("TelAber");
  telAber_->setGeometry(0, 0, 900, 420);
  telAber_->setStretch(true);
  telAber_->setPicture(builtInOpeningPicture());

  // A double click also delivers a first click; waiting out the double-click interval keeps the
  // start click from hiding the opening page before a resume can be recognised.
  pendingStart_ = new QTimer(this);
  pendingStart_->setSingleShot(true);
  connect(pendingStart_, &QTimer::timeout, this, [this] {
    if (onStartClick) onStartClick();
  });
  telAber_->onRelease = [this](QPoint, Qt::MouseButton button) {
    if (button == Qt::LeftButton) pendingStart_->start(QApplication::doubleClickInterval());
  };
  telAber_->onDoubleClick = [this](QPoint) {
    pendingStart_->stop();
    if (onResume) onResume();
  };

  screen_ = std::make_unique<Screen>(*this, session);
  abok0_->showPage("Abertura");
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
