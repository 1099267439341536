// Palette painting of the window's components.
#include "present/layout_settings.h"

#include <QPalette>
#include <QWidget>

namespace taluvin {

void paintWidget(QWidget* widget, QColor background) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, background);
  p.setColor(QPalette::Base, background);
  p.setColor(QPalette::Button, background);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void paintWidgetText(QWidget* widget, QColor background, QColor text) {
  paintWidget(widget, background);
  QPalette p = widget->palette();
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::ButtonText, text);
  widget->setPalette(p);
}

void takeTextStyle(DrawStyle& d, const GameSession& s, QColor background) {
  const auto& st = s.screen.style;
  d.brush = background;
  d.brushClear = false;
  d.face = st.face.empty() ? std::string("Arial") : st.face;
  d.size = st.size;
  d.fontColor = textColour(s);
  d.setStyleFlags(st.bold, st.italic, st.underline);
}

}  // namespace taluvin
