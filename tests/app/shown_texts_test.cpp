// Every text a game shows reaches the speech log and the game's transcript, as the player read it.
#include "base/text.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

using taluvin::testing::fileBytes;
using taluvin::testing::runProgram;
using taluvin::testing::TestGame;

namespace {

std::string transcriptOf(const std::string& game) {
  return fileBytes(std::string(std::getenv("XDG_DATA_HOME")) + "/taluvin/transcripts/" + game + ".txt");
}

size_t count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

// A hall with a door; the door's script says where the player went.
void writeHall(TestGame& game) {
  QImage door(20, 10, QImage::Format_RGB32);
  door.fill(Qt::green);
  ASSERT_TRUE(door.save(QString::fromStdString(game.folder() + "porta.bmp")));
  game.write("start.scp", "modo= 1\nsetpos= sala\nmsg= Você está na sala.\nlinktel= porta.bmp,cozinha,30,40\n");
  game.write("cozinha.scp", "setpos= cozinha\nmsg= A cozinha cheira a pão.\n");
}

TEST(ShownTexts, TheSpeechLogAndTheTranscriptHoldTheStartMessageAndAZoneScriptsMessage) {
  TestGame game;
  writeHall(game);
  game.write("play.replay", "click 35 45\n");
  const std::string log = game.beside() + "speech.txt";
  const auto run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "play.replay",
                               "--speech-log", log});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(fileBytes(log), "Você está na sala.\nA cozinha cheira a pão.\n");
  // The transcript parts the places; nothing of it lies in the game's folder.
  EXPECT_EQ(transcriptOf("jogo"), "— sala —\nVocê está na sala.\n— cozinha —\nA cozinha cheira a pão.\n");
  EXPECT_FALSE(game.exists("speech.txt"));
}

TEST(ShownTexts, TheTranscriptKeepsConsoleRepliesAndPagesWithoutTheirMarkup) {
  TestGame game;
  game.settings({{17, "comandos"}, {44, "*"}, {73, "Não entendi."}, {74, "Tente:"}});
  game.write("start.scp", "modo= 0\nefeito= direto\nsetpos= porão\nmsg= Escuro.§Muito escuro.\n");
  game.write("comandos.scp", "PAGINA|pagina\n");
  game.write("pagina.scp", "modo= 2\nmsg= Uma <b>página</b>~de§texto\n");
  game.write("play.replay", "type xyzzy\nkey Return\ntype pagina\nkey Return\n");
  const auto run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "play.replay"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string transcript = transcriptOf("jogo");
  EXPECT_EQ(transcript.substr(0, transcript.find("Uma")),
            "— porão —\nEscuro.\nMuito escuro.\nNão entendi.\n");
  EXPECT_NE(transcript.find("Uma página de\ntexto\n"), std::string::npos) << transcript;
  EXPECT_EQ(transcript.find('<'), std::string::npos) << transcript;
}

TEST(ShownTexts, WithoutASpeechEngineThePlayerIsToldOnceAndTheGameGoesOn) {
  TestGame game;
  writeHall(game);
  game.write("play.replay", "click 35 45\nquit\n");
  const std::string log = game.beside() + "speech.txt";
  const auto run = runProgram({game.folder(), "--start", "--replay", game.folder() + "play.replay", "--speak",
                               "--speech-engine", "none", "--speech-log", log});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(count(run.err, "speech: no speech engine is installed"), 1u) << run.err;
  EXPECT_EQ(fileBytes(log), "Você está na sala.\nA cozinha cheira a pão.\n");
  // --speak is remembered for the next runs, in the player's own settings.
  EXPECT_EQ(fileBytes(std::string(std::getenv("XDG_CONFIG_HOME")) + "/taluvin/speech.ini"), "speak=1\n");
}

}  // namespace

// The keyboard's focus ring says where it is: the zone's label is spoken, and only spoken.
TEST(ShownTexts, AZoneTheKeyboardMovesOntoIsSpokenButNotWrittenDown) {
  TestGame game;
  writeHall(game);
  game.write("play.replay", "key Tab\n");
  const std::string log = game.beside() + "speech.txt";
  const auto run = runProgram({game.folder(), "--headless", "--start", "--replay", game.folder() + "play.replay",
                               "--speech-log", log});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(fileBytes(log), "Você está na sala.\ncozinha\n");
  EXPECT_EQ(transcriptOf("jogo"), "— sala —\nVocê está na sala.\n");
}
