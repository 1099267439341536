// The template game's pictures: two rooms, the lamp, the opening and frame pictures, the end button.
#include "app/newgame/new_game_pictures.h"

#include "present/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPolygon>

namespace taluvin {

namespace {

constexpr QRgb kMagenta = 0xFF00FF;  // never painted: the transparent colour of every picture

std::string png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

QImage canvas(int width, int height, QColor fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

// Rows of stone blocks, offset every other row, so a wall reads as a wall at a glance.
void stones(QPainter& p, const QRect& wall, QColor joint) {
  p.setPen(QPen(joint, 1));
  for (int y = wall.top(), row = 0; y < wall.bottom(); y += 24, ++row) {
    p.drawLine(wall.left(), y, wall.right(), y);
    for (int x = wall.left() + (row % 2 ? 30 : 0); x < wall.right(); x += 60) p.drawLine(x, y, x, y + 24);
  }
}

void door(QPainter& p, const QRect& opening) {
  p.fillRect(opening.adjusted(-6, -6, 6, 0), QColor(0x8A, 0x6A, 0x40));
  p.fillRect(opening, QColor(0x1A, 0x12, 0x0C));
  p.setPen(QPen(QColor(0x5A, 0x40, 0x24), 2));
  for (int x = opening.left() + opening.width() / 4; x < opening.right(); x += opening.width() / 4)
    p.drawLine(x, opening.top() + 4, x, opening.bottom());
}

QImage hall() {
  QImage image = canvas(596, 271, QColor(0x4A, 0x3B, 0x2E));
  QPainter p(&image);
  stones(p, QRect(0, 0, 596, 211), QColor(0x3A, 0x2D, 0x22));
  p.fillRect(0, 211, 596, 60, QColor(0x2C, 0x22, 0x19));
  door(p, QRect(250, 60, 96, 151));
  // Two pillars either side of the door.
  for (int x : {150, 410}) {
    p.fillRect(x, 20, 36, 191, QColor(0x6A, 0x58, 0x46));
    p.fillRect(x - 6, 14, 48, 10, QColor(0x7A, 0x68, 0x56));
  }
  return image;
}

QImage study() {
  QImage image = canvas(596, 271, QColor(0x2E, 0x3B, 0x4A));
  QPainter p(&image);
  stones(p, QRect(0, 0, 596, 211), QColor(0x24, 0x30, 0x3C));
  p.fillRect(0, 211, 596, 60, QColor(0x1E, 0x22, 0x28));
  door(p, QRect(20, 60, 80, 151));
  // A table for the lamp, and a shelf on the wall.
  p.fillRect(330, 200, 200, 12, QColor(0x8A, 0x6A, 0x40));
  p.fillRect(345, 212, 10, 45, QColor(0x6A, 0x4A, 0x28));
  p.fillRect(505, 212, 10, 45, QColor(0x6A, 0x4A, 0x28));
  p.fillRect(180, 70, 110, 8, QColor(0x8A, 0x6A, 0x40));
  const QColor spines[] = {QColor(0x9A, 0x30, 0x30), QColor(0x30, 0x7A, 0x40), QColor(0xC0, 0xA0, 0x40)};
  for (int k = 0; k < 9; ++k) p.fillRect(186 + k * 11, 40 + (k % 3) * 4, 9, 30 - (k % 3) * 4, spines[k % 3]);
  return image;
}

// The lamp on magenta: the magenta is left out wherever the picture is drawn.
QImage lamp() {
  QImage image = canvas(48, 48, QColor::fromRgb(kMagenta));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x50, 0x50, 0x58));
  p.drawRect(14, 40, 20, 6);
  p.drawRect(20, 4, 8, 6);
  p.setBrush(QColor(0xF8, 0xD0, 0x50));
  p.drawEllipse(QRect(12, 10, 24, 30));
  p.setBrush(QColor(0xFF, 0xF4, 0xC0));
  p.drawEllipse(QRect(19, 18, 10, 14));
  return image;
}

QImage opening() {
  QImage image = canvas(900, 420, QColor(0x10, 0x18, 0x28));
  QPainter p(&image);
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 8; ++k) p.fillRect(0, 220 + k * 25, 900, 25, QColor(0x14 + k * 3, 0x1C + k * 2, 0x2C + k));
  p.setBrush(QColor(0xF0, 0xE8, 0xC0));
  p.drawEllipse(QRect(700, 50, 70, 70));
  // A house on a hill, its window lit.
  p.setBrush(QColor(0x08, 0x0C, 0x14));
  p.drawEllipse(QRect(150, 300, 600, 260));
  p.drawRect(360, 200, 180, 130);
  p.drawPolygon(QPolygon({QPoint(340, 205), QPoint(450, 120), QPoint(560, 205)}));
  p.setBrush(QColor(0xF8, 0xD0, 0x50));
  p.drawRect(430, 240, 40, 40);
  return image;
}

// The frame behind the game screen and the command panel, and the command line where the model shows one.
QImage frame(bool commandLine) {
  QImage image = canvas(900, 420, QColor(0x1C, 0x14, 0x0E));
  QPainter p(&image);
  p.setPen(QPen(QColor(0x8A, 0x6A, 0x40), 3));
  p.drawRect(35, 32, 603, 330);
  p.drawRect(671, 41, 217, 273);
  if (commandLine) p.drawRect(61, 378, 567, 37);
  return image;
}

// All magenta: a zone that shows nothing of its own over the room drawn beneath it.
QImage clear() { return canvas(8, 8, QColor::fromRgb(kMagenta)); }

QImage button(bool pressed) {
  QImage image = canvas(120, 40, QColor(0x1C, 0x14, 0x0E));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xC0, 0x98, 0x60), 2));
  p.setBrush(pressed ? QColor(0x3A, 0x28, 0x18) : QColor(0x6A, 0x4A, 0x2A));
  p.drawRoundedRect(QRectF(2, 2, 116, 36), 8, 8);
  return image;
}

}  // namespace

std::vector<TemplatePicture> templatePictures(int model) {
  return {
      {"sala1.png", png(hall())},       {"sala2.png", png(study())},
      {"lanterna.png", png(lamp())},    {"abertura.png", png(opening())},
      {"moldura.png", png(frame(model == 0 || model == 1))},
      {"U-bot1.bmp", encodeBmp(button(false))},
      {"D-bot1.bmp", encodeBmp(button(true))},
      {"vazio.bmp", encodeBmp(clear())},
  };
}

}  // namespace taluvin
