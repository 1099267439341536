// Decimal number forms: the general form of decimal quotients and the grouped form of page lines.
#include "present/quote_forms.h"
#include "state/game_session.h"
#include "base/number_format.h"

#include <gtest/gtest.h>

using taluvin::formatDecimal;
using taluvin::formatGroupedNumber;

TEST(NumberFormat, DecimalFormKeepsFifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(formatDecimal(3.5), "3,5");
  EXPECT_EQ(formatDecimal(4), "4");
  EXPECT_EQ(formatDecimal(-0.125), "-0,125");
  EXPECT_EQ(formatDecimal(1.0 / 3), "0,333333333333333");
  EXPECT_EQ(formatDecimal(2147483647.0 / 3), "715827882,333333");
  EXPECT_EQ(formatDecimal(-2147483648.0), "-2147483648");
  EXPECT_EQ(formatDecimal(0.00001), "0,00001");
  EXPECT_EQ(formatDecimal(1.0 / 2147483647), "4,6566128752458E-10");
  EXPECT_EQ(formatDecimal(1e15), "1E15");
  EXPECT_EQ(formatDecimal(0), "0");
}

TEST(NumberFormat, GroupedFormShowsThousandsAndAtMostFiveDecimals) {
  EXPECT_EQ(formatGroupedNumber("1234567"), "1.234.567");
  EXPECT_EQ(formatGroupedNumber("-1234,5"), "-1.234,5");
  EXPECT_EQ(formatGroupedNumber("999"), "999");
  EXPECT_EQ(formatGroupedNumber(" 0,123456789 "), "0,12346");
  EXPECT_EQ(formatGroupedNumber("-0,000001"), "0");
  EXPECT_EQ(formatGroupedNumber("4,6566128752458E-10"), "0");
  EXPECT_EQ(formatGroupedNumber("1,5E3"), "1.500");
  EXPECT_FALSE(formatGroupedNumber(""));
  EXPECT_FALSE(formatGroupedNumber("abc"));
  EXPECT_FALSE(formatGroupedNumber("1.5"));
}

TEST(NumberFormat, QuoteTextInlineFormsReadRegisters) {
  taluvin::GameSession session;
  session.registers.reset(5);
  session.registers.set(2, "1234567,891");
  session.registers.set(3, "texto");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#reg$,2"), "1.234.567,891");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#reg?,3"), "texto");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#reg$,3"), "");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#reg?,9"), "");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#reg?,-1"), "");
  EXPECT_EQ(taluvin::expandQuoteForm(session, "#3"), "texto");
}
