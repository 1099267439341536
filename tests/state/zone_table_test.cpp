// The zone table: inclusive edges, overlaps, rotation within each range and the reset.
#include "state/zone_table.h"

#include <gtest/gtest.h>

namespace taluvin {
namespace {

HotZone zoneAt(int left, int top, int width, int height) {
  HotZone z;
  z.active = true;
  z.left = left;
  z.top = top;
  z.width = width;
  z.height = height;
  return z;
}

TEST(ZoneTable, HitTestIncludesBothEdgesAndHighestSlotWins) {
  ZoneTable table;
  table.slot(table.take(Surface::PictureScreen)) = zoneAt(5, 10, 10, 4);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 5, 10), 0);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 15, 14), 0);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 16, 12), -1);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 4, 12), -1);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 10, 15), -1);

  table.slot(table.take(Surface::PictureScreen)) = zoneAt(0, 0, 100, 100);
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 8, 12), 1);
  table.slot(1).active = false;
  EXPECT_EQ(table.hitTest(Surface::PictureScreen, 8, 12), 0);

  // Another surface's range is never consulted.
  EXPECT_EQ(table.hitTest(Surface::CommandPanel, 8, 12), -1);
}

TEST(ZoneTable, EachRangeRotatesOnItsOwnCounter) {
  ZoneTable table;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(Surface::PictureScreen), i);
  EXPECT_EQ(table.take(Surface::PictureScreen), 0);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(Surface::FramePicture), 40 + i);
  EXPECT_EQ(table.take(Surface::FramePicture), 40);
  EXPECT_EQ(table.take(Surface::CommandPanel), 20);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(table.take(Surface::ScrollPage), 60 + i);
  EXPECT_EQ(table.take(Surface::ScrollPage), 60);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(Surface::Visor), 100 + i);
  EXPECT_EQ(table.take(Surface::Visor), 100);

  // A reused slot starts empty rather than keeping the old zone's pictures and sound.
  table.slot(1).sound = "old.wav";
  table.slot(1).active = true;
  EXPECT_EQ(table.take(Surface::PictureScreen), 1);
  EXPECT_TRUE(table.slot(1).sound.empty());
  EXPECT_FALSE(table.slot(1).active);
}

TEST(ZoneTable, ResetKeepsFramePictureZonesAndRestartsEveryCounter) {
  ZoneTable table;
  for (int i = 0; i < ZoneTable::kSlots; ++i) table.slot(i).active = true;
  table.take(Surface::PictureScreen);
  table.take(Surface::FramePicture);
  table.take(Surface::FramePicture);
  table.take(Surface::Visor);
  for (int i = 0; i < ZoneTable::kSlots; ++i) table.slot(i).active = true;
  table.reset();
  for (int i = 0; i < ZoneTable::kSlots; ++i) EXPECT_EQ(table.slot(i).active, i >= 40 && i <= 59) << i;
  EXPECT_EQ(table.nextSlot(Surface::PictureScreen), 0);
  EXPECT_EQ(table.nextSlot(Surface::CommandPanel), 20);
  EXPECT_EQ(table.nextSlot(Surface::FramePicture), 40);
  EXPECT_EQ(table.nextSlot(Surface::ScrollPage), 60);
  EXPECT_EQ(table.nextSlot(Surface::Visor), 100);
}

}  // namespace
}  // namespace taluvin
