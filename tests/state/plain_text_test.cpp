// Shown texts reduced to what the player reads: page markup, canvas link tokens, line ends.
#include "base/text.h"
#include "state/plain_text.h"

#include <gtest/gtest.h>

namespace taluvin {
namespace {

std::string plain(TextKind kind, const std::string& utf8) { return cp1252ToUtf8(plainShownText(kind, w(utf8))); }

TEST(PlainText, APageReadsAsItsTextWithoutHeadTagsOrEntities) {
  const std::string page =
      "<!DOCTYPE html>\r\n<head>\r\n<title>Taluvin: jogo</title>\r\n</head>\r\n<body bgcolor=#000000>\r\n"
      "<font face=\"Arial\">Você está na <b>sala</b>.<br>Há&nbsp;uma porta &amp; uma\r\njanela.\r\n"
      "<a href= file:///x/Scp=norte>Ir ao norte</a> <img src=x.png border=0>&#233;&#x41;&bogus; 1 &lt; 2\r\n"
      "<script>var x = '<b>';</script><p>Fim</p></font></body>";
  EXPECT_EQ(plain(TextKind::WebPage, page),
            "Você está na sala.\nHá uma porta & uma janela. Ir ao norte éA&bogus; 1 < 2\nFim");
  // A tag never closed hides the rest, as a browser would.
  EXPECT_EQ(plain(TextKind::WebPage, "antes<b depois"), "antes");
}

TEST(PlainText, CanvasTextsReadTheirLinkLabelsAndBreakAtTheMarker) {
  EXPECT_EQ(plain(TextKind::Box, "Veja @a porta|porta| e §@sair|fora ali"), "Veja a porta e\nsair ali");
  // In a memo a word starting with "#" is a directive; in a box it is text.
  EXPECT_EQ(plain(TextKind::Memo, "#color,FF0000 Vermelho #size,20 grande"), "Vermelho grande");
  EXPECT_EQ(plain(TextKind::Box, "#1 lugar"), "#1 lugar");
}

TEST(PlainText, LinesAreTrimmedAndBlankRunsKeptToOneEmptyLine) {
  EXPECT_EQ(plain(TextKind::Console, "\r\n  Um  \r\n\r\n\r\nDois\rTrês§Quatro\r\n\r\n"), "Um\n\nDois\nTrês\nQuatro");
  EXPECT_EQ(plain(TextKind::Message, " \r\n \t"), "");
}

}  // namespace
}  // namespace taluvin
