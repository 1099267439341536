// Paints the built-in title screen: a dusk valley, a lit tower and the program's name.
#include "present/opening_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <random>

namespace taluvin {

namespace {

void paintSky(QPainter& p, int w, int h) {
  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0.0, QColor(12, 14, 40));
  sky.setColorAt(0.55, QColor(70, 40, 90));
  sky.setColorAt(0.8, QColor(220, 110, 70));
  sky.setColorAt(1.0, QColor(250, 190, 110));
  p.fillRect(0, 0, w, h, sky);

  // A fixed seed keeps the stars where they were on every start.
  std::mt19937 rng(1987);
  std::uniform_int_distribution<int> x(0, w), y(0, h / 2), bright(120, 255);
  for (int i = 0; i < 140; ++i) {
    const int b = bright(rng);
    p.setPen(QColor(b, b, std::min(255, b + 20)));
    p.drawPoint(x(rng), y(rng));
  }

  QRadialGradient moon(QPointF(w * 0.78, h * 0.22), 60);
  moon.setColorAt(0.0, QColor(255, 250, 225));
  moon.setColorAt(0.35, QColor(255, 240, 200, 230));
  moon.setColorAt(1.0, QColor(255, 240, 200, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(moon);
  p.drawEllipse(QPointF(w * 0.78, h * 0.22), 60, 60);
}

void paintRidge(QPainter& p, int w, int h, double base, double amp, double freq, QColor color) {
  QPainterPath ridge;
  ridge.moveTo(0, h);
  for (int x = 0; x <= w; x += 6) {
    const double t = x * freq;
    ridge.lineTo(x, h * base - amp * (std::sin(t) * 0.6 + std::sin(t * 2.7 + 1.3) * 0.3 + std::sin(t * 6.1) * 0.1));
  }
  ridge.lineTo(w, h);
  ridge.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(ridge);
}

void paintTower(QPainter& p, int w, int h) {
  const double cx = w * 0.24, baseY = h * 0.78;
  p.setBrush(QColor(18, 16, 30));
  QPolygonF tower;
  tower << QPointF(cx - 22, baseY) << QPointF(cx - 15, baseY - 150) << QPointF(cx + 15, baseY - 150)
        << QPointF(cx + 22, baseY);
  p.drawPolygon(tower);
  QPolygonF roof;
  roof << QPointF(cx - 24, baseY - 150) << QPointF(cx, baseY - 200) << QPointF(cx + 24, baseY - 150);
  p.drawPolygon(roof);
  QRadialGradient glow(QPointF(cx, baseY - 120), 26);
  glow.setColorAt(0, QColor(255, 210, 120, 200));
  glow.setColorAt(1, QColor(255, 210, 120, 0));
  p.setBrush(glow);
  p.drawEllipse(QPointF(cx, baseY - 120), 26, 26);
  p.setBrush(QColor(255, 220, 140));
  p.drawRect(QRectF(cx - 4, baseY - 128, 8, 14));
}

void paintTitle(QPainter& p, int w, int h) {
  QFont title("DejaVu Serif", 64, QFont::Bold);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 10);
  p.setFont(title);
  const QRect titleBox(0, static_cast<int>(h * 0.18), w, 100);
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(titleBox.translated(4, 4), Qt::AlignHCenter | Qt::AlignVCenter, "TALUVIN");
  p.setPen(QColor(250, 225, 160));
  p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignVCenter, "TALUVIN");

  QFont sub("DejaVu Serif", 15, QFont::Normal, true);
  p.setFont(sub);
  p.setPen(QColor(235, 215, 200));
  p.drawText(QRect(0, titleBox.bottom() + 2, w, 30), Qt::AlignHCenter, "tales told in pictures and words");

  QFont hint("DejaVu Sans", 12, QFont::Bold);
  p.setFont(hint);
  p.setPen(QColor(255, 245, 220));
  p.drawText(QRect(0, h - 46, w, 24), Qt::AlignHCenter,
             "click to begin  \xE2\x80\xA2  double click to resume");
}

}  // namespace

QImage builtInOpeningPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  paintSky(p, width, height);
  paintRidge(p, width, height, 0.70, 40, 0.011, QColor(60, 40, 70));
  paintRidge(p, width, height, 0.80, 30, 0.017, QColor(38, 28, 52));
  paintTower(p, width, height);
  paintRidge(p, width, height, 0.90, 18, 0.023, QColor(20, 16, 30));
  paintTitle(p, width, height);
  return image;
}

}  // namespace taluvin
