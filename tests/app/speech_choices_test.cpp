// The speech options, the engine chosen, and the transcript window's search.
#include "app/speech_options.h"
#include "present/transcript_view.h"
#include "services/speaker.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace taluvin {
namespace {

TEST(SpeechChoices, TheSpeechOptionsLeaveTheRestOfTheCommandLineAsItWas) {
  std::vector<std::string> args = {"jogo", "--speak", "--speech-log", "fala.txt", "--start", "--no-speak",
                                   "--speech-engine", "flite"};
  SpeechOptions speech;
  EXPECT_EQ(takeSpeechOptions(args, speech), "");
  EXPECT_EQ(args, (std::vector<std::string>{"jogo", "--start"}));
  EXPECT_EQ(speech.speak, false);  // the last word counts
  EXPECT_EQ(speech.log, "fala.txt");
  EXPECT_EQ(speech.engine, "flite");
  std::vector<std::string> cut = {"--speech-log"};
  EXPECT_EQ(takeSpeechOptions(cut, speech), "--speech-log needs a file name");
}

TEST(SpeechChoices, FliteComesFirstThenSpeechDispatcherAndAnAskedEngineMustBeInstalled) {
  EXPECT_EQ(chooseSpeechEngine({"mock", "speechd", "flite"}, ""), "flite");
  EXPECT_EQ(chooseSpeechEngine({"mock", "speechd"}, ""), "speechd");
  EXPECT_EQ(chooseSpeechEngine({"mock"}, ""), "mock");
  EXPECT_EQ(chooseSpeechEngine({}, ""), "");
  EXPECT_EQ(chooseSpeechEngine({"flite", "speechd"}, "speechd"), "speechd");
  EXPECT_EQ(chooseSpeechEngine({"flite", "speechd"}, kNoSpeechEngine), "");
  EXPECT_EQ(speechLocale("br"), QLocale(QLocale::Portuguese, QLocale::Brazil));
  EXPECT_EQ(speechLocale("xx").language(), QLocale::English);
}

TEST(SpeechChoices, TheTranscriptSearchFindsOnwardAndBackAndWrapsRound) {
  TranscriptView view(nullptr);
  view.showTranscript("jogo", "porta azul\nsala\nporta verde\n");
  const auto selectedLine = [&view] { return view.text()->textCursor().block().text(); };
  view.search()->setText("porta");
  // The view opens at the end, so the first search wraps round to the top.
  ASSERT_TRUE(view.findNext());
  EXPECT_EQ(selectedLine(), "porta azul");
  ASSERT_TRUE(view.findNext());
  EXPECT_EQ(selectedLine(), "porta verde");
  ASSERT_TRUE(view.findNext());
  EXPECT_EQ(selectedLine(), "porta azul");
  ASSERT_TRUE(view.findPrevious());
  EXPECT_EQ(selectedLine(), "porta verde");
  view.search()->setText("janela");
  EXPECT_FALSE(view.findNext());
  EXPECT_EQ(selectedLine(), "porta verde");  // the place found last stays
}

}  // namespace
}  // namespace taluvin
