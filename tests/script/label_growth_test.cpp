// Labels cost what a script has, not its square: a jump finds its label, and a traced label its
// mentions, without a scan of the script each time.
#include "support/test_game.h"
#include "support/thread_time.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>

using taluvin::testing::TestGame;
using taluvin::testing::threadCpuSeconds;

namespace {

// goto L0, :L0, goto L1, :L1, ...: every jump lands on a label of its own.
std::string labelChain(int labels) {
  std::string script = "goto L0\n";
  for (int i = 0; i < labels; ++i) {
    script += ":L" + std::to_string(i) + "\n";
    if (i + 1 < labels) script += "goto L" + std::to_string(i + 1) + "\n";
  }
  return script + "reg= 1,fim\n";
}

std::string labelsOnly(int labels) {
  std::string script;
  for (int i = 0; i < labels; ++i) script += ":L" + std::to_string(i) + "\n";
  return script + "reg= 1,fim\n";
}

// The least of three runs, so a moment of load on the machine does not count.
double secondsToRun(const std::string& script) {
  TestGame game;
  game.write("start.scp", "reg= 1,\n");
  game.write("rotulos.scp", script);
  game.start();
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    game.clearTrace();
    const double begin = threadCpuSeconds();
    game.run("rotulos");
    best = std::min(best, threadCpuSeconds() - begin);
    EXPECT_EQ(game.reg(1), "fim");
  }
  return std::max(best, 1e-4);
}

// Three times the labels cost three times as much when each costs the same; a scan of the script
// per jump or per note makes it nine times. The bound sits between the two, so a loaded machine
// does not fail a linear cost while a scan still fails: the larger script also falls out of the
// caches, more so while other processes run, which alone has measured 4.6 times.
constexpr double kMostGrowth = 6;

}  // namespace

TEST(LabelGrowth, ThirtyThousandJumpsCostAboutThreeTimesTenThousand) {
  const double small = secondsToRun(labelChain(10000));
  const double large = secondsToRun(labelChain(30000));
  EXPECT_LT(large, kMostGrowth * small) << small << " s for 10k labels, " << large << " s for 30k";
}

TEST(LabelGrowth, ThirtyThousandTracedLabelsCostAboutThreeTimesTenThousand) {
  const double small = secondsToRun(labelsOnly(10000));
  const double large = secondsToRun(labelsOnly(30000));
  EXPECT_LT(large, kMostGrowth * small) << small << " s for 10k labels, " << large << " s for 30k";
}
