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
  table.slot(table.take(ZoneGroup::Screen)) = zoneAt(5, 10, 10, 4);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 5, 10), 0);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 15, 14), 0);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 16, 12), -1);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 4, 12), -1);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 10, 15), -1);

  table.slot(table.take(ZoneGroup::Screen)) = zoneAt(0, 0, 100, 100);
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 8, 12), 1);
  table.slot(1).active = false;
  EXPECT_EQ(table.hitTest(ZoneGroup::Screen, 8, 12), 0);

  // Another surface's range is never consulted.
  EXPECT_EQ(table.hitTest(ZoneGroup::Panel, 8, 12), -1);
}

TEST(ZoneTable, EachRangeRotatesOnItsOwnCounter) {
  ZoneTable table;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(ZoneGroup::Screen), i);
  EXPECT_EQ(table.take(ZoneGroup::Screen), 0);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(ZoneGroup::Frame), 40 + i);
  EXPECT_EQ(table.take(ZoneGroup::Frame), 40);
  EXPECT_EQ(table.take(ZoneGroup::Panel), 20);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(table.take(ZoneGroup::Page), 60 + i);
  EXPECT_EQ(table.take(ZoneGroup::Page), 60);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(table.take(ZoneGroup::Visor), 100 + i);
  EXPECT_EQ(table.take(ZoneGroup::Visor), 100);

  // A reused slot starts empty rather than keeping the old zone's pictures and sound.
  table.slot(1).sound = "old.wav";
  table.slot(1).active = true;
  EXPECT_EQ(table.take(ZoneGroup::Screen), 1);
  EXPECT_TRUE(table.slot(1).sound.empty());
  EXPECT_FALSE(table.slot(1).active);
}

TEST(ZoneTable, ResetKeepsFramePictureZonesAndRestartsEveryCounter) {
  ZoneTable table;
  for (int i = 0; i < ZoneTable::kSlots; ++i) table.slot(i).active = true;
  table.take(ZoneGroup::Screen);
  table.take(ZoneGroup::Frame);
  table.take(ZoneGroup::Frame);
  table.take(ZoneGroup::Visor);
  for (int i = 0; i < ZoneTable::kSlots; ++i) table.slot(i).active = true;
  table.reset();
  for (int i = 0; i < ZoneTable::kSlots; ++i) EXPECT_EQ(table.slot(i).active, i >= 40 && i <= 59) << i;
  EXPECT_EQ(table.nextSlot(ZoneGroup::Screen), 0);
  EXPECT_EQ(table.nextSlot(ZoneGroup::Panel), 20);
  EXPECT_EQ(table.nextSlot(ZoneGroup::Frame), 40);
  EXPECT_EQ(table.nextSlot(ZoneGroup::Page), 60);
  EXPECT_EQ(table.nextSlot(ZoneGroup::Visor), 100);
}

}  // namespace
}  // namespace taluvin
