// Windows-1252 letters folded to one case, and file names on disk read as the text they spell.
#include "base/name_case.h"

#include <gtest/gtest.h>

using namespace taluvin;

TEST(NameCase, EveryWindows1252CapitalFoldsToItsSmallLetterAndNothingElseChanges) {
  // Capitals and their small letters: A-Z, À-Þ but × (D7), and Š Œ Ž Ÿ.
  int folded = 0;
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool capital = (b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7) || b == 0x8A ||
                         b == 0x8C || b == 0x8E || b == 0x9F;
    if (!capital) {
      EXPECT_EQ(lowerCp1252(c), c) << b;
      continue;
    }
    ++folded;
    const char small = lowerCp1252(c);
    EXPECT_NE(small, c) << b;
    EXPECT_EQ(lowerCp1252(small), small) << b;
  }
  EXPECT_EQ(folded, 26 + 30 + 4);
  EXPECT_EQ(foldedName("S\xC3O JO\xC3O \xC7" "A\x8A\x8C\x8E\x9F.PNG"), "s\xE3o jo\xE3o \xE7" "a\x9A\x9C\x9E\xFF.png");
  EXPECT_EQ(foldedName("\xD7\xF7\xDF"), "\xD7\xF7\xDF");  // × ÷ ß stay
}

TEST(NameCase, NamesOnDiskAreReadAsUtf8WhenTheyAreThatElseAsWindows1252) {
  EXPECT_EQ(cp1252NameOf("Foto.PNG"), "Foto.PNG");
  EXPECT_EQ(cp1252NameOf("A\xC3\x87\xC3\x83O.txt"), "A\xC7\xC3O.txt");       // UTF-8 "AÇÃO"
  EXPECT_EQ(cp1252NameOf("\xC5\x92uvre \xE2\x82\xAC"), "\x8Cuvre \x80");     // Œ and € live in 0x80..0x9F
  EXPECT_EQ(cp1252NameOf("CORA\xC7\xC3O.txt"), "CORA\xC7\xC3O.txt");        // raw Windows-1252 bytes
  EXPECT_EQ(cp1252NameOf("\xE6\x97\xA5.txt"), "\xE6\x97\xA5.txt");          // UTF-8 of a letter 1252 lacks
  EXPECT_EQ(cp1252NameOf("\xC0\xA1"), "\xC0\xA1");                          // an overlong "!" is no UTF-8
  EXPECT_EQ(cp1252NameOf("caf\xC3"), "caf\xC3");                            // cut short
}
