// Pictures the tests write into a game folder, made so that a pixel read back tells where it came from.
#pragma once

#include "present/picture_file.h"
#include "support/test_game.h"

#include <QImage>
#include <gtest/gtest.h>
#include <string>

namespace taluvin::testing {

inline constexpr QRgb kMagenta = 0xFFFF00FF;

// A picture of one colour, 24-bit like the decoded pictures of a game.
inline QImage solid(int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

// A picture of one colour whose top-left pixel is magenta, the colour drawing leaves out.
inline void writePicture(TestGame& game, const std::string& name, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  image.setPixel(0, 0, kMagenta);
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

// Every pixel of a strip tells where on it it lies: red and green the column, blue the row.
inline QRgb stripPixel(int x, int y) { return qRgb(x % 256, x / 256, y); }

inline void writeStrip(TestGame& game, const std::string& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, stripPixel(x, y));
  ASSERT_TRUE(writeBmp(game.folder() + name, image));
}

}  // namespace taluvin::testing
