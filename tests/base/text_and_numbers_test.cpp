// Byte text, integer conversion and the trace prefix.
#include "base/numbers.h"
#include "base/run_abort.h"
#include "base/text.h"
#include "script/trace_log.h"

#include <QString>
#include <gtest/gtest.h>

using namespace taluvin;

TEST(Text, Windows1252RoundTripsThroughUtf8AndQt) {
  const std::string bytes = "S\xE3o Jo\xE3o \x80 \xA7 \x93x\x94";
  EXPECT_EQ(cp1252ToUtf8(bytes), "São João € § “x”");
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(bytes)), bytes);
  EXPECT_EQ(fromQt(toQt(bytes)), bytes);
  EXPECT_EQ(utf8ToCp1252("日本"), "??");
  EXPECT_EQ(trim("\t  a b \r\n"), "a b");
}

TEST(Numbers, IntegerSyntaxAcceptsBlanksSignAndHexPrefixesOnly) {
  EXPECT_EQ(parseInt("42"), 42);
  EXPECT_EQ(parseInt("  -7"), -7);
  EXPECT_EQ(parseInt("+3"), 3);
  EXPECT_EQ(parseInt("$1F"), 31);
  EXPECT_EQ(parseInt("x10"), 16);
  EXPECT_EQ(parseInt("0x10"), 16);
  EXPECT_EQ(parseInt("$FFFFFFFF"), -1);
  EXPECT_EQ(parseInt("2147483647"), 2147483647);
  EXPECT_EQ(parseInt("-2147483648"), INT32_MIN);
  EXPECT_FALSE(parseInt("2147483648"));
  EXPECT_FALSE(parseInt("12 "));
  EXPECT_FALSE(parseInt("1a"));
  EXPECT_FALSE(parseInt(""));
  EXPECT_FALSE(parseInt("-"));
  EXPECT_FALSE(parseInt("$"));
  EXPECT_EQ(toIntOr("abc", 9), 9);
  EXPECT_EQ(wrapAdd(INT32_MAX, 1), INT32_MIN);
}

TEST(Numbers, UnreadableIntegerAbortsWithThePlayersMessage) {
  try {
    toIntOrAbort("doze");
    FAIL();
  } catch (const RunAbort& e) {
    EXPECT_STREQ(e.what(), "'doze' is not a valid integer value");
  }
}

TEST(TraceLog, PrefixIsRightAlignedInFourCharactersKeepingTheLastDigits) {
  auto prefix = [](int n) {
    std::string s;
    TraceLog::appendPrefix(s, n);
    return s;
  };
  EXPECT_EQ(prefix(7), "   7: ");
  EXPECT_EQ(prefix(0), "   0: ");
  EXPECT_EQ(prefix(1234), "1234: ");
  EXPECT_EQ(prefix(12345), "2345: ");
}
