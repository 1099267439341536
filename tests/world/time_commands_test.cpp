// Date and time commands: the two stamps, their difference, and their fixed date and time forms.
#include "base/date_time.h"
#include "support/test_game.h"

#include <gtest/gtest.h>

using taluvin::DateTime;
using taluvin::testing::TestGame;

namespace {

// The clock stands still at a known moment while a test runs.
struct PinnedClock {
  explicit PinnedClock(DateTime moment) { taluvin::pinLocalClock(moment); }
  ~PinnedClock() { taluvin::pinLocalClock(std::nullopt); }
  void moveTo(DateTime moment) { taluvin::pinLocalClock(moment); }
};

}  // namespace

TEST(TimeCommands, DiftimeHashSplitsTheDifferenceWhicheverStampIsLater) {
  TestGame game;
  game.write("start.scp",
             "settoday 07/12/2026 10:00:00\n"
             "setnow 07/12/2026 11:30:15\n"
             "diftime# 10\n"
             "setnow 07/12/2026 10:00:00\n"
             "settoday 07/12/2026 11:30:15\n"
             "diftime# 20\n"
             "diftime 30\n");
  game.start();
  for (int base : {10, 20}) {
    EXPECT_EQ(game.reg(base), "0");
    EXPECT_EQ(game.reg(base + 1), "1");
    EXPECT_EQ(game.reg(base + 2), "30");
    EXPECT_EQ(game.reg(base + 3), "15");
  }
  EXPECT_EQ(game.reg(30), "0");
  EXPECT_EQ(game.reg(31), "01:30:15");
}

TEST(TimeCommands, WholeDaysAndTheRestAcrossMonthsAndLeapDays) {
  TestGame game;
  game.write("start.scp",
             "sethoje 05/12/2026 09:00:00\n"
             "setagora 07/12/2026 12:00:00\n"
             "diftime 1\n"
             "diftime# 3,7,8,9\n"
             "sethoje 28/02/2024 23:00:00\n"
             "setagora 01/03/2024 01:00:00\n"
             "diftime 4,5\n"
             "sethoje 31/12/2025 23:59:59\n"
             "setagora 1/1/26 0:00\n"
             "diftime 11,12\n");
  game.start();
  EXPECT_EQ(game.reg(1), "2");
  EXPECT_EQ(game.reg(2), "03:00:00");
  EXPECT_EQ(game.reg(3), "2");
  EXPECT_EQ(game.reg(7), "3");
  EXPECT_EQ(game.reg(8), "0");
  EXPECT_EQ(game.reg(9), "0");
  // 2024 has a 29th of February.
  EXPECT_EQ(game.reg(4), "1");
  EXPECT_EQ(game.reg(5), "02:00:00");
  EXPECT_EQ(game.reg(11), "0");
  EXPECT_EQ(game.reg(12), "00:00:01");
}

TEST(TimeCommands, StampsHoldTheStartMomentUntilSetAgain) {
  PinnedClock clock({2026, 12, 7, 9, 5, 3});
  TestGame game;
  game.settings({{5, "250"}});
  game.write("start.scp", "");
  game.start();
  clock.moveTo({2026, 12, 8, 10, 0, 0});
  game.write("ver.scp",
             "showdate 1,now\n"
             "showtime 2,agora\n"
             "showdate 3,hoje\n"
             "setnow\n"
             "showdate 4,now\n"
             "showtime 5,now\n"
             "reg= 6,x\n"
             "showdate 6,amanhã\n"
             "showtime 7,today\n"
             "showdate 300,hoje\n"
             "reg= 8,nunca\n");
  game.run("ver");
  EXPECT_EQ(game.reg(1), "07/12/2026");
  EXPECT_EQ(game.reg(2), "09:05:03");
  EXPECT_EQ(game.reg(3), "07/12/2026");
  EXPECT_EQ(game.reg(4), "08/12/2026");
  EXPECT_EQ(game.reg(5), "10:00:00");
  EXPECT_EQ(game.reg(6), "");
  EXPECT_EQ(game.reg(7), "09:05:03");
  // These registers are not checked: one outside the table ends the run.
  EXPECT_TRUE(game.traced("List index out of bounds (300)"));
  EXPECT_EQ(game.reg(8), "");
}

TEST(TimeCommands, UnreadableStampsTakeTheClockAndTimesAloneLieOnDayZero) {
  PinnedClock clock({2026, 12, 7, 9, 5, 3});
  TestGame game;
  game.write("start.scp",
             "settoday amanhã\n"
             "showdate 1,today\n"
             "showtime 2,today\n"
             "settoday 31/02/2026 10:00:00\n"
             "showdate 3,today\n"
             "settoday 07/12/2026 24:00:00\n"
             "showtime 4,today\n"
             "setnow 10:00:00\n"
             "showdate 5,now\n"
             "showtime 6,now\n"
             "settoday 11:30\n"
             "diftime 7\n"
             "setnow 25/12/2026\n"
             "showtime 9,now\n");
  game.start();
  EXPECT_EQ(game.reg(1), "07/12/2026");
  EXPECT_EQ(game.reg(2), "09:05:03");
  EXPECT_EQ(game.reg(3), "07/12/2026");
  EXPECT_EQ(game.reg(4), "09:05:03");
  EXPECT_EQ(game.reg(5), "30/12/1899");
  EXPECT_EQ(game.reg(6), "10:00:00");
  EXPECT_EQ(game.reg(7), "0");
  EXPECT_EQ(game.reg(8), "01:30:00");
  EXPECT_EQ(game.reg(9), "00:00:00");
}
