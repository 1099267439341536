// The trace's file: every line arrives whole, in order and as UTF-8, however long, once flushed.
#include "base/text.h"
#include "script/trace_file.h"
#include "script/trace_log.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace taluvin;
using taluvin::testing::fileBytes;
using taluvin::testing::TestGame;

TEST(TraceFile, LinesOfAnyLengthArriveWholeInOrderAsUtf8OnceFlushed) {
  TestGame game;
  const std::string path = game.folder() + "trace.txt";
  auto file = TraceFile::create(path);
  ASSERT_TRUE(file);
  TraceLog log;
  file->attach(log);
  // Lines longer than the buffer, and enough short ones to fill it several times over.
  const std::string huge(200 * 1024, '\xE3');
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string line = i % 5000 == 7 ? huge : "   " + std::to_string(i) + ": reg= 1,S\xE3o " + std::string(i % 40, 'x');
    log.line(line);
    expected += cp1252ToUtf8(line) + "\n";
  }
  log.flush();
  EXPECT_EQ(fileBytes(path), expected);
  log.line("after the flush");
  file.reset();
  // A file gone leaves the log without a sink, and everything it held is written.
  EXPECT_FALSE(log.enabled());
  EXPECT_EQ(fileBytes(path), expected + "after the flush\n");
}

TEST(TraceFile, TheFileTheErrorStreamAndATestSinkTakeTheSameSubroutineLines) {
  // Returns from two lines of one script, from another script to the same line number, and a
  // separator something is added to: each line's own words, whichever way the trace goes out.
  TestGame game;
  game.write("start.scp", "gosub :sub\ngosub :sub\ngosub outro\ngosub :nada\nret\nscript outro2\n:sub\nret\n");
  game.write("outro.scp", "ret\n");
  game.write("outro2.scp", "/ outro2\n/ -\ngosub :y\nfim\n:y\nret\n");
  const std::string dashes(48, '-');
  const std::vector<std::string> expected = {
      "Executando script: start.scp", "Labels neste script...", ":sub ", "",
      "   0: gosub sub <- label em subrotina!",
      "   7: ret  <- retorno ao script start na linha: 0", dashes,
      "   1: gosub sub <- label em subrotina!",
      "   7: ret  <- retorno ao script start na linha: 1", dashes,
      "   2: gosub outro <- script em subrotina", dashes,
      "Executando script: outro.scp", "Labels neste script...", "Este script não tem labels!", "",
      "   0: ret  <- retorno ao script start na linha: 2", dashes,
      "   3: gosub nada <- label em subrotina!",
      dashes + "nada <--- não existe este label",
      "   4: ret  <- retorno ao script start na linha: 3", dashes,
      "   4: ret  <--- não há gosub em execução!",
      "   5: script outro2",
      "   0: / outro2",
      "   1: / -",
      "   2: gosub y <- label em subrotina!",
      "   5: ret  <- retorno ao script outro2 na linha: 2", dashes,
      "   3: fim <-Encerrou a execução", std::string(48, '=')};
  std::string text;
  for (const std::string& line : expected) text += line + "\n";

  const std::string path = game.folder() + "trace.txt";
  auto toFile = taluvin::testing::runProgram({game.folder(), "--headless", "--start", "--trace", path});
  EXPECT_EQ(toFile.exitCode, 0) << toFile.err;
  EXPECT_EQ(fileBytes(path), text);
  auto toErrors = taluvin::testing::runProgram({game.folder(), "--headless", "--start", "--trace", "-"});
  EXPECT_EQ(toErrors.exitCode, 0) << toErrors.err;
  EXPECT_NE(toErrors.err.find(text), std::string::npos) << toErrors.err;
  game.start();
  EXPECT_EQ(game.trace(), expected);
}

TEST(TraceFile, AFolderThatCannotHoldTheFileIsRefusedAtOnce) {
  TestGame game;
  EXPECT_FALSE(TraceFile::create(game.folder() + "no/such/folder/trace.txt"));
  auto run = taluvin::testing::runProgram({game.folder(), "--headless", "--start", "--trace", game.folder() + "no/trace.txt"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("cannot write the trace file"), std::string::npos) << run.err;
}

TEST(TraceFile, ALimitEndsTheFileWithWholeLinesAndALastLineAndLetsTheLogGo) {
  TestGame game;
  const std::string path = game.folder() + "trace.txt";
  auto file = TraceFile::create(path);
  ASSERT_TRUE(file);
  file->setLimit(100000, "stopped");
  TraceLog log;
  file->attach(log);
  std::string expected;
  for (int i = 0; log.enabled() && i < 100000; ++i) {
    const std::string line = "   " + std::to_string(i) + ": reg+ 1,1";
    log.line(line);
    expected += line + "\n";
  }
  log.flush();
  // Lines go out a buffer at a time; the one that would pass the limit was cut at a line's end.
  EXPECT_FALSE(log.enabled());
  const std::string written = fileBytes(path);
  EXPECT_LE(written.size(), 100000u);
  EXPECT_GT(written.size(), 90000u);
  const std::string last = "stopped\n";
  ASSERT_GE(written.size(), last.size());
  EXPECT_EQ(written.substr(written.size() - last.size()), last);
  const std::string lines = written.substr(0, written.size() - last.size());
  EXPECT_EQ(expected.compare(0, lines.size(), lines), 0);
  EXPECT_EQ(lines.back(), '\n');
  log.line("after the limit");
  file.reset();
  EXPECT_EQ(fileBytes(path), written);
}

TEST(TraceFile, TraceLimitKeepsALoopingTraceNearItAndRefusesBadSizes) {
  TestGame game;
  // About fifteen bytes of trace a turn: some nine megabytes in all.
  game.write("start.scp", ":volta\nreg+ 1,1\nifreg< 1,600000,volta\nreg= 2,fim\n");
  const std::string path = game.folder() + "trace.txt";
  const auto run = taluvin::testing::runProgram({game.folder(), "--headless", "--start", "--trace", path, "--trace-limit", "5"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(game.readLines("jogo.rgs")[2], "fim");  // the game ran to its end, untraced past the limit
  const std::string written = fileBytes(path);
  constexpr size_t kLimit = 5 * 1024 * 1024;
  EXPECT_LE(written.size(), kLimit);
  EXPECT_GT(written.size(), kLimit - 70 * 1024);
  const std::string last = "taluvin: the trace stops here, at its limit of 5 MB (--trace-limit)\n";
  ASSERT_GT(written.size(), last.size());
  EXPECT_EQ(written.substr(written.size() - last.size()), last);

  for (const char* bad : {"0", "-3", "abc", "1.5", "", "5MB", "1048577"}) {
    SCOPED_TRACE(bad);
    const auto refused = taluvin::testing::runProgram({game.folder(), "--headless", "--trace-limit", bad});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("--trace-limit takes a whole number of megabytes from 1 to 1048576, not '" +
                               std::string(bad) + "'"),
              std::string::npos)
        << refused.err;
  }
  EXPECT_EQ(taluvin::testing::runProgram({game.folder(), "--trace-limit"}).exitCode, 2);
}

TEST(Text, Windows1252ToUtf8MatchesQtWhereverTheHighBytesFall) {
  // ASCII runs are copied in blocks of sixteen and eight bytes, the last block overlapping bytes
  // already written: one or two high bytes at every pair of places of every length up to past two
  // blocks must come out as Qt converts them.
  for (unsigned high : {0x80u, 0x81u, 0x9Fu, 0xA0u, 0xE3u, 0xFFu}) {
    for (size_t length = 1; length <= 40; ++length) {
      for (size_t first = 0; first < length; ++first) {
        for (size_t second = first; second <= length; ++second) {
          std::string bytes(length, 'a');
          for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 26);
          bytes[first] = static_cast<char>(high);
          if (second < length) bytes[second] = '\x93';
          std::string converted = "kept ";
          appendCp1252AsUtf8(converted, bytes);
          ASSERT_EQ(converted, "kept " + toQt(bytes).toStdString())
              << "byte " << high << " at " << first << " and " << second << " of " << length;
        }
      }
    }
  }
  std::string plain(37, 'p');
  EXPECT_EQ(cp1252ToUtf8(plain), plain);
  EXPECT_EQ(cp1252ToUtf8(""), "");
}

TEST(Text, AsciiCopiedInBlocksStillConvertsAHighByteOnlyTheLastBlockSees) {
  // ASCII texts are copied a block at a time and checked once at the end; a high byte anywhere,
  // the last byte included (seen only by the overlapping last block), sends the text through the
  // conversion from its start.
  for (size_t length = 0; length <= 100; ++length) {
    std::string bytes(length, 'a');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 26);
    ASSERT_EQ(cp1252ToUtf8(bytes), bytes) << length;
    for (size_t at : {size_t{0}, length / 2, length - 1}) {
      if (length == 0) break;
      std::string high = bytes;
      high[at] = '\x80';
      ASSERT_EQ(cp1252ToUtf8(high), toQt(high).toStdString()) << "at " << at << " of " << length;
    }
  }
}
