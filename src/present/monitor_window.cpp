// The monitor window of screen model "4": its controls in their design layout, and showing its buffer.
#include "present/monitor_window.h"

#include "present/font_faces.h"
#include "present/layout_settings.h"
#include "present/memo_box.h"
#include "present/shown_later.h"
#include "state/game_session.h"

#include <QGuiApplication>

namespace taluvin {

MonitorWindow::MonitorWindow(GameSession& session) : session_(session) {
  setObjectName("TForm10");
  setWindowTitle("Monitor");
  setWindowFlags(Qt::FramelessWindowHint);
  paintWidget(this, QColor(192, 192, 192));
  setCursor(Qt::DragMoveCursor);

  panel = new QWidget(this);
  panel->setObjectName("PanMon");
  panel->setGeometry(0, 0, 656, 451);
  paintWidget(panel, QColor(0, 0, 0));

  monitorPicture = new CanvasView(panel);
  monitorPicture->setObjectName("Monitor");
  monitorPicture->setGeometry(0, 0, 640, 420);
  monitorPicture->fitPictureToWidget();

  captionShadow = new QLabel(panel);
  captionShadow->setObjectName("Sombra");
  captionShadow->setGeometry(140, 285, 113, 27);
  caption = new QLabel(panel);
  caption->setObjectName("Legda");
  caption->setGeometry(125, 275, 113, 27);
  for (QLabel* label : {captionShadow, caption}) {
    label->setFont(pixelFont("Arial", 24));
    label->setWordWrap(true);
    label->setAttribute(Qt::WA_TranslucentBackground);
  }
  paintWidgetText(captionShadow, QColor(0, 0, 0, 0), QColor(128, 0, 0));
  paintWidgetText(caption, QColor(0, 0, 0, 0), QColor(255, 255, 255));

  input = new QPlainTextEdit(panel);
  input->setObjectName("Inpt4");
  input->setGeometry(50, 5, 185, 26);
  // The input is shown only in model "4"; its font waits for that.
  setFontWhenShown(input, pixelFont("Courier New", 19, true));
  input->setLineWrapMode(QPlainTextEdit::NoWrap);
  input->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  input->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  input->hide();

  memo = new MemoBox(panel, session.screen.memoScroll);
  // The wheel anywhere over the window scrolls the text box.
  installEventFilter(memo);
  monitorPicture->onWheel = [this](int delta) { memo->wheel(delta); };
}

void MonitorWindow::enterModel(const GameSession& s) {
  const auto& m = s.screen.monitor;
  const QColor background = paintColor(s.screen.monitorBackground);
  showMaximized();
  paintWidget(this, background);
  paintWidget(panel, background);
  panel->setGeometry(m.left, m.top, m.scaledWidth, m.scaledHeight);
  monitorPicture->setGeometry(0, 0, m.scaledWidth, m.scaledHeight);
  monitorPicture->fitPictureToWidget();
  // Platforms without a window stack (the offscreen one) have nothing to raise the window above.
  if (QGuiApplication::platformName() != "offscreen") raise();
  activateWindow();
}

void MonitorWindow::showBuffer() {
  monitorPicture->fitPictureToWidget();
  showBufferOn(*monitorPicture, session_.buffers.monitor);
  monitorPicture->update();
}

void MonitorWindow::takeBackShownPicture() { taluvin::takeBackShownPicture(session_.buffers.monitor, *monitorPicture); }

void MonitorWindow::resetInteraction() {
  input->hide();
  memo->memoPanel->hide();
}

void MonitorWindow::clearCaptions() {
  caption->clear();
  captionShadow->clear();
}

}  // namespace taluvin
