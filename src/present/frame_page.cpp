// The frame picture, the end button and its label, laid out when a game is opened.
#include "present/frame_page.h"

#include "base/text.h"
#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/picture_placement.h"
#include "present/shown_later.h"
#include "present/window_shape.h"
#include "state/game_session.h"

#include <algorithm>

namespace taluvin {

FramePage::FramePage(QWidget* page, GameSession& session) : endButtonName_(session.screen.endButtonName) {
  framePicture = new CanvasView(page);
  framePicture->setObjectName("Imp");
  framePicture->setGeometry(0, 0, 900, 420);
  framePicture->setStretch(true);

  endButton = new PictureView(page);
  endButton->setObjectName("btFim");
  endButton->setGeometry(760, 365, 40, 40);
  endButton->setCursor(Qt::PointingHandCursor);

  endCaption = new QLabel(QString::fromUtf8("Encerrar"), page);
  endCaption->setObjectName("lbFim");
  endCaption->move(805, 368);
  endCaption->setFont(startFace());
  paintWidgetText(endCaption, QColor(0, 0, 0, 0), QColor(0, 0, 0));
  endCaption->setAutoFillBackground(false);
  // The frame's page is hidden until a game opens, which sets the caption's own font.
  adjustSizeWhenShown(endCaption);
  endCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FramePage::loadEndButton(const GameSession& s, const std::string& folder, const std::string& name) {
  endButtonName_ = name.empty() ? std::string("bot1.bmp") : name;
  QImage picture;
  if (!loadFolderPicture(s, folder, "U-" + endButtonName_, picture)) return;
  endButton->resize(picture.size());
  endButton->setPicture(std::move(picture));
}

void FramePage::applyGameLayout(MainWindow& window, GameSession& s) {
  // Content size: the window's client area and the frame picture follow it.
  const QSize content = lineSurface(s, 11, 12, window.outerBook()->size());
  // A window needs some area to be shown at all.
  const int width = std::max(content.width(), 1);
  const int height = std::max(content.height(), 1);
  window.setFixedSize(width, height);
  window.outerBook()->setGeometry(0, 0, width, height);
  framePicture->setGeometry(0, 0, width, height);

  const std::string& opening = s.settings.line(13);
  QImage picture;
  if (!opening.empty() && loadGamePicture(s, opening, picture))
    window.openingPicture()->setPicture(std::move(picture));
  const std::string& frameName = s.settings.line(14);
  if (!frameName.empty()) {
    if (loadGamePicture(s, frameName, picture)) framePicture->setPicture(std::move(picture));
    if (!lineOn(s, 93)) shapeWindowFromFrame(window, framePicture->picture());
  }

  endButton->move(linePosition(s, 64, endButton->x()), linePosition(s, 65, endButton->y()));
  loadEndButton(s, s.GameFolder, s.settings.line(66));
  const auto& face = s.settings.line(69);
  const int size = lineFontSize(s, 70, 12);
  const auto letters = readStyleLetters("B");
  endCaption->setFont(gameFont(face.empty() ? "Arial" : face, size, letters.bold));
  paintWidgetText(endCaption, QColor(0, 0, 0, 0), paintColor(s.settings.line(71), QColor(0, 0, 0)));
  endCaption->setAutoFillBackground(false);
  if (!s.settings.line(72).empty()) endCaption->setText(toQt(s.settings.line(72)));
  endCaption->move(endButton->x() + 45, endButton->y() + 3);
  adjustSizeWhenShown(endCaption);
}

}  // namespace taluvin
