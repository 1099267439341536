// The frame picture, the end button and its label, laid out when a game is opened.
#include "present/frame.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/picture_placement.h"
#include "present/window_shape.h"

#include <algorithm>

namespace taluvin {

Frame::Frame(QWidget* page) {
  imp = new CanvasView(page);
  imp->setObjectName("Imp");
  imp->setGeometry(0, 0, 900, 420);
  imp->setStretch(true);

  btFim = new PictureView(page);
  btFim->setObjectName("btFim");
  btFim->setGeometry(760, 365, 40, 40);
  btFim->setCursor(Qt::PointingHandCursor);

  lbFim = new QLabel(QString::fromUtf8("Encerrar"), page);
  lbFim->setObjectName("lbFim");
  lbFim->move(805, 368);
  lbFim->setFont(pixelFont("Arial", 16, true));
  paintWidgetText(lbFim, QColor(0, 0, 0, 0), QColor(0, 0, 0));
  lbFim->setAutoFillBackground(false);
  lbFim->adjustSize();
  lbFim->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Frame::loadEndButton(const std::string& folder, const std::string& name) {
  endButtonName_ = name.empty() ? std::string("bot1.bmp") : name;
  QImage picture;
  if (!loadGamePicture(folder, "U-" + endButtonName_, picture)) return;
  btFim->resize(picture.size());
  btFim->setPicture(std::move(picture));
}

void Frame::applyGameLayout(MainWindow& window, GameSession& s) {
  // Content size: the window's client area and the frame picture follow it.
  const QSize content = lineSurface(s, 11, 12, window.abok0()->size());
  // A window needs some area to be shown at all.
  const int width = std::max(content.width(), 1);
  const int height = std::max(content.height(), 1);
  window.setFixedSize(width, height);
  window.abok0()->setGeometry(0, 0, width, height);
  imp->setGeometry(0, 0, width, height);

  const std::string& opening = s.settings.line(13);
  QImage picture;
  if (!opening.empty() && loadGamePicture(s.GameFolder, opening, picture))
    window.telAber()->setPicture(std::move(picture));
  const std::string& framePicture = s.settings.line(14);
  if (!framePicture.empty()) {
    if (loadGamePicture(s.GameFolder, framePicture, picture)) imp->setPicture(std::move(picture));
    if (!lineOn(s, 93)) shapeWindowFromFrame(window, imp->picture());
  }

  btFim->move(linePosition(s, 64, btFim->x()), linePosition(s, 65, btFim->y()));
  loadEndButton(s.GameFolder, s.settings.line(66));
  const auto& face = s.settings.line(69);
  const int size = lineFontSize(s, 70, 12);
  const auto letters = readStyleLetters("B");
  lbFim->setFont(gameFont(face.empty() ? "Arial" : face, size, letters.bold));
  paintWidgetText(lbFim, QColor(0, 0, 0, 0), paintColor(s.settings.line(71), QColor(0, 0, 0)));
  lbFim->setAutoFillBackground(false);
  if (!s.settings.line(72).empty()) lbFim->setText(toQt(s.settings.line(72)));
  lbFim->move(btFim->x() + 45, btFim->y() + 3);
  lbFim->adjustSize();
}

}  // namespace taluvin
