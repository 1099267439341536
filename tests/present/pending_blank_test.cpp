// Blank pictures and buffers held as a size and a colour until something draws on them or reads them.
#include "present/canvas.h"
#include "support/named_widgets.h"
#include "support/test_game.h"

#include <QPainter>
#include <gtest/gtest.h>

using taluvin::Buffer;
using taluvin::CanvasView;
using taluvin::PictureView;
using taluvin::testing::named;
using taluvin::testing::screenOf;
using taluvin::testing::TestGame;

TEST(PendingBlanks, ABlankPictureIsPaintedInItsColourAndMadeOnlyWhenAskedFor) {
  CanvasView view;
  view.resize(30, 20);
  view.style.brush = QColor(10, 20, 30);
  view.fitPictureToWidget();
  EXPECT_TRUE(view.pendingBlank());
  EXPECT_EQ(view.pictureSize(), QSize(30, 20));

  const QImage seen = view.grab().toImage();
  EXPECT_EQ(seen.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(seen.pixel(29, 19), qRgb(10, 20, 30));
  EXPECT_TRUE(view.pendingBlank()) << "painting a blank does not make its picture";

  view.fillPicture(QColor(200, 0, 0));
  EXPECT_TRUE(view.pendingBlank());
  QImage& made = view.picture();
  EXPECT_FALSE(view.pendingBlank());
  EXPECT_EQ(made.size(), QSize(30, 20));
  EXPECT_EQ(made.format(), QImage::Format_RGB888);
  EXPECT_EQ(made.pixel(15, 10), qRgb(200, 0, 0));

  // Once made, the picture is the canvas: fitting it again at the same size keeps what was drawn.
  made.setPixel(3, 4, qRgb(0, 255, 0));
  view.fitPictureToWidget();
  EXPECT_EQ(view.picture().pixel(3, 4), qRgb(0, 255, 0));
  EXPECT_EQ(view.grab().toImage().pixel(3, 4), qRgb(0, 255, 0));
  view.resize(40, 20);
  view.fitPictureToWidget();
  EXPECT_TRUE(view.pendingBlank()) << "a new size is a new blank";
  EXPECT_EQ(view.picture().pixel(3, 4), qRgb(10, 20, 30));

  // A colour with alpha shows as the 24-bit picture made from it would.
  view.fillPicture(QColor(200, 100, 50, 128));
  const QRgb painted = view.grab().toImage().pixel(5, 5);
  EXPECT_TRUE(view.pendingBlank());
  EXPECT_EQ(painted, view.picture().pixel(5, 5));
}

TEST(PendingBlanks, ABufferStaysBlankThroughFillsAndCopiesUntilDrawnOn) {
  Buffer buffer;
  buffer.style.brush = QColor(255, 255, 255);
  taluvin::resizeBuffer(buffer, 40, 30);
  EXPECT_TRUE(buffer.pendingBlank());
  EXPECT_EQ(buffer.size(), QSize(40, 30));
  buffer.fill(QColor(0, 0, 255));
  EXPECT_TRUE(buffer.pendingBlank());

  CanvasView view;
  view.resize(40, 30);
  view.fitPictureToWidget();
  taluvin::showBufferOn(view, buffer);
  EXPECT_TRUE(view.pendingBlank());
  EXPECT_TRUE(buffer.pendingBlank());
  EXPECT_EQ(view.picture().pixel(39, 29), qRgb(0, 0, 255));

  // Drawn on, the buffer is copied pixel by pixel.
  QPainter(&buffer.image()).fillRect(QRect(5, 5, 2, 2), QColor(255, 0, 0));
  taluvin::showBufferOn(view, buffer);
  EXPECT_EQ(view.picture().pixel(5, 5), qRgb(255, 0, 0));
  EXPECT_EQ(view.picture().pixel(20, 20), qRgb(0, 0, 255));

  // What is shown goes back into the buffer, a blank as a blank.
  view.fillPicture(QColor(0, 128, 0));
  taluvin::takeBackShownPicture(buffer, view);
  EXPECT_TRUE(buffer.pendingBlank());
  EXPECT_EQ(buffer.image().pixel(5, 5), qRgb(0, 128, 0));

  // A blank smaller than the picture covers only its own corner.
  Buffer corner;
  corner.style.brush = QColor(255, 0, 0);
  taluvin::resizeBuffer(corner, 10, 10);
  view.fillPicture(QColor(255, 255, 255));
  taluvin::showBufferOn(view, corner);
  EXPECT_EQ(view.picture().pixel(9, 9), qRgb(255, 0, 0));
  EXPECT_EQ(view.picture().pixel(10, 10), qRgb(255, 255, 255));
}

TEST(PendingBlanks, AStartThatDrawsNothingMakesNoPictureOfItsPages) {
  TestGame game;
  game.write("start.scp", "fim\n");
  game.start();
  taluvin::Screen& screen = screenOf(game);
  for (const char* name : {"Tela", "TelCmd", "TelMod3", "Tela3"})
    EXPECT_TRUE(named<PictureView>(game, name)->pendingBlank()) << name;
  EXPECT_TRUE(screen.pictureBuffer().pendingBlank());
  EXPECT_TRUE(screen.panelBuffer().pendingBlank());
  EXPECT_TRUE(screen.monitorBuffer().pendingBlank());

  // What the player sees is the game's background all the same.
  const QImage seen = named<PictureView>(game, "Tela")->grab().toImage();
  EXPECT_EQ(seen.pixel(seen.width() - 1, seen.height() - 1), screen.pictureBuffer().image().pixel(0, 0));
  EXPECT_EQ(named<PictureView>(game, "Tela")->picture().size(), screen.pictureBuffer().size());
}
