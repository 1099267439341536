// taluvin --explain: a trace printed again with an English gloss under each marker, and its bad inputs.
#include "app/explain/explain_trace.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>

using namespace taluvin;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

void writeRaw(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Input made as it is read, and output only counted, so neither holds the line in the test.
class LongLineSource : public std::streambuf {
 public:
  LongLineSource(std::string head, size_t filler, std::string tail)
      : head_(std::move(head)), tail_(std::move(tail)), filler_(filler), block_(64 * 1024, 'x') {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    std::string* next = nullptr;
    if (!headDone_) {
      headDone_ = true;
      next = &head_;
    } else if (filler_ > 0) {
      const size_t n = std::min(filler_, block_.size());
      filler_ -= n;
      setg(block_.data(), block_.data(), block_.data() + n);
      return traits_type::to_int_type(*gptr());
    } else if (!tailDone_) {
      tailDone_ = true;
      next = &tail_;
    } else {
      return traits_type::eof();
    }
    setg(next->data(), next->data(), next->data() + next->size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string head_, tail_;
  size_t filler_;
  std::string block_;
  bool headDone_ = false, tailDone_ = false;
};

class CountingSink : public std::streambuf {
 public:
  size_t count = 0;
  std::string kept;  // the last bytes written

 protected:
  std::streamsize xsputn(const char* data, std::streamsize n) override {
    count += static_cast<size_t>(n);
    kept.append(data, static_cast<size_t>(n));
    if (kept.size() > 4096) kept.erase(0, kept.size() - 4096);
    return n;
  }
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) xsputn(reinterpret_cast<const char*>(&c), 1);
    return c;
  }
};

long peakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

TEST(ExplainTrace, ATraceTheGameWroteIsPrintedWithItsGlossesAndTheGamesRegisterCount) {
  TestGame game;
  game.settings({{5, "40"}});
  game.writeLines("start.scp", {"display= falta.png,tel,0,0", "reg= 300,x", "msg= olá"});
  const std::string trace = game.beside() + "trace.txt";
  auto played = runProgram({game.folder(), "--start", "--headless", "--trace", trace});
  ASSERT_EQ(played.exitCode, 0) << played.err;

  auto run = runProgram({"--explain", trace});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string missing =
      "   0: display= falta.png <--- arquivo inexistente!\n"
      "    = the file \"falta.png\" does not exist in the game folder\n";
  EXPECT_NE(run.out.find(missing), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("   1: reg= 300 <--- registrador fora de faixa\n    = register 300 is outside the register "
                         "table (registers 0 to the count of settings line 5); the command does nothing\n"),
            std::string::npos)
      << run.out;
  // Every line of the trace is there, in its order, the glosses only added.
  std::istringstream lines(run.out);
  std::string kept;
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("    = ", 0) != 0) kept += line + "\n";
  EXPECT_EQ(kept, taluvin::testing::fileBytes(trace));

  // With the game's folder the table's size is known.
  auto known = runProgram({game.folder(), "--explain", trace});
  EXPECT_NE(known.out.find("register 300 is outside the register table (registers 0 to 40)"), std::string::npos)
      << known.out;
}

TEST(ExplainTrace, FilesThatAreNoTraceGetOneMessageOrArePrintedAsTheyAre) {
  TestGame game;
  auto missing = runProgram({"--explain", game.beside() + "none.txt"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err,
            "taluvin: cannot read the trace file " + game.beside() + "none.txt: No such file or directory\n");
  EXPECT_EQ(runProgram({"--explain", game.folder()}).exitCode, 2);
  EXPECT_EQ(runProgram({"--explain"}).exitCode, 2);

  // Bytes that are no text, a last line without its end, CR LF ends: copied as they are.
  const std::string junk = std::string("\x00\xff\xfe<-\x80 <--- \n", 13) + "  a <- \r\nlast <--- arquivo\r";
  const std::string path = game.beside() + "junk.bin";
  writeRaw(path, junk);
  auto run = runProgram({"--explain", path});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, std::string("\x00\xff\xfe<-\x80 <--- \n", 13) + "  a <- \nlast <--- arquivo\n");

  // A trace saved in Windows-1252 keeps its bytes and still gets its glosses, in UTF-8.
  const std::string eightBit = game.beside() + "eight_bit.txt";
  writeRaw(eightBit, "   0: reg= 5 <--- divis\xe3o por zero\r\n");
  EXPECT_EQ(runProgram({"--explain", eightBit}).out,
            "   0: reg= 5 <--- divis\xe3o por zero\n    = a division by zero: the register is unchanged\n");
}

TEST(ExplainTrace, ALineLongerThanAnyTracesGoesOutInPiecesWithinItsBudget) {
  // A line of 64 MB whose marker stands at its end: printed whole, not glossed, never held whole.
  const size_t filler = 64u * 1024 * 1024;
  const std::string head = "   0: display= ";
  const std::string tail = " <--- arquivo inexistente!\n   1: reg= 9 <--- registrador fora de faixa\n";
  LongLineSource source(head, filler, tail);
  std::istream in(&source);
  CountingSink sink;
  std::ostream out(&sink);
  const long before = peakKb();
  explainTrace(in, {}, out);
  const long grown = peakKb() - before;
  const std::string gloss =
      "    = register 9 is outside the register table (registers 0 to the count of settings line 5); the command "
      "does nothing\n";
  EXPECT_EQ(sink.count, head.size() + filler + tail.size() + gloss.size());
  EXPECT_EQ(sink.kept.substr(sink.kept.size() - tail.size() - gloss.size()), tail + gloss);
  // At most a line of the budget is held, and the chunk being read.
  EXPECT_LT(grown, static_cast<long>(2 * kLongestExplainedLine / 1024 + 8 * 1024)) << grown << " kB";
}
