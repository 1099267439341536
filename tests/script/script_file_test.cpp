// Script files: line splitting, labels, label diagnostics and vocabulary lookups.
#include "script/script_file.h"
#include "base/text.h"
#include "state/text_file.h"

#include <gtest/gtest.h>

using namespace taluvin;

TEST(ScriptFile, LinesEndAtCrLfCrOrLfAndFinalBreakAddsNothing) {
  EXPECT_EQ(splitLines("a\r\nb\rc\nd\r\n"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(splitLines("  keep blanks  "), (Lines{"  keep blanks  "}));
  EXPECT_TRUE(splitLines("").empty());
}

TEST(ScriptFile, LabelsAreFoundTrimmedExactlyAndFirstWins) {
  const Lines lines = {"x", ":fim ", ":Fim", "\t:dois nomes", ":fim"};
  EXPECT_EQ(findLabel(lines, "fim"), 1);
  EXPECT_EQ(findLabel(lines, "Fim"), 2);
  EXPECT_EQ(findLabel(lines, "FIM"), -1);
  EXPECT_EQ(findLabel(lines, "dois nomes"), 3);
  EXPECT_EQ(findLabel(lines, "nada"), -1);
}

TEST(ScriptFile, LabelListSkipsLabelsWithBlanksAndSaysWhenThereAreNone) {
  EXPECT_EQ(labelList({":a", " :b ", ":dois nomes", "goto a"}), ":a :b ");
  EXPECT_EQ(cp1252ToUtf8(labelList({"msg= oi", "fim"})), "Este script não tem labels!");
}

TEST(ScriptFile, LabelReferenceNoteCountsEveryLineNamingTheLabel) {
  const Lines lines = {"goto sala", "x", ":sala", "ifreg= 1,2,sala"};
  EXPECT_EQ(labelReferenceNote(lines, ":sala"), "3x nas linhas: 0 2 3 ");
  EXPECT_EQ(cp1252ToUtf8(labelReferenceNote({":so"}, ":so")), "Referência na linha: 0 ");
  EXPECT_EQ(cp1252ToUtf8(labelReferenceNote({"x"}, ":fora")), "Não encontrei referência a este label!");
}

TEST(ScriptFile, SplitWordsTakesThreeWordsAndTheRest) {
  auto w = splitWords("ABRIR A PORTA VERDE AGORA");
  EXPECT_EQ(w[0], "ABRIR");
  EXPECT_EQ(w[2], "PORTA");
  EXPECT_EQ(w[3], "VERDE AGORA");
  auto two = splitWords("OLHAR SALA");
  EXPECT_EQ(two[1], "SALA");
  EXPECT_EQ(two[2], "");
}

TEST(ScriptFile, VocabularyLookupIsExactAndSuggestionsSkipHiddenPhrasesAndStopAtTwelve) {
  Lines vocab = {"ABRIR PORTA | porta1", "/ABRIR | segredo", "sem barra", "OLHAR PORTA|olhar"};
  EXPECT_EQ(lookupPhrase(vocab, "ABRIR PORTA"), "porta1");
  EXPECT_EQ(lookupPhrase(vocab, "/ABRIR"), "segredo");
  EXPECT_EQ(lookupPhrase(vocab, "abrir porta"), "");
  // Each phrase follows a CR LF, untrimmed; a line without "|" offers nothing.
  EXPECT_EQ(suggestPhrases(vocab, "ABRIR", ""), "\r\nABRIR PORTA ");
  EXPECT_EQ(suggestPhrases(vocab, "PORTA", "OLHAR"), "\r\nOLHAR PORTA");
  EXPECT_EQ(suggestPhrases(vocab, "barra", ""), "");
  for (int i = 0; i < 13; ++i) vocab.push_back("PEGAR " + std::to_string(i) + " | x");
  const auto many = suggestPhrases(vocab, "PEGAR", "");
  EXPECT_NE(many.find("PEGAR 11 "), std::string::npos);
  EXPECT_EQ(many.find("PEGAR 12 "), std::string::npos);
}
