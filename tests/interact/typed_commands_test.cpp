// The typed-command line: phrases looked up in the vocabulary, answers to unknown ones, F-keys, arrows.
#include "app/replay/replay_keys.h"
#include "base/text.h"
#include "interact/typed_commands.h"
#include "state/game_session.h"
#include "support/named_widgets.h"
#include "support/program_run.h"
#include "support/test_game.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using taluvin::testing::TestGame;
using taluvin::testing::runProgram;
using taluvin::testing::screenOf;

namespace taluvin {
namespace {

// A model-"1" game whose command line is shown and whose vocabulary is "comandos".
void writeTypingGame(TestGame& game, const std::string& start = "mode= 1\n") {
  game.settings({{17, "comandos"}, {44, "*"}, {73, "Não entendi."}, {74, "Tente:"}, {75, "perdido"},
                 {76, "olhar"}, {77, "inventario"}, {78, "ajuda"}});
  game.write("start.scp", start);
  for (const char* script : {"olhar", "segundo", "maca", "inventario", "ajuda", "perdido", "norte", "sala", "segredo"})
    game.write(std::string(script) + ".scp", "fim\n");
}

QLineEdit* commandLine(TestGame& game) {
  QLineEdit* line = screenOf(game).commandLine();
  line->setFocus();
  return line;
}

void type(TestGame& game, const std::string& text) {
  commandLine(game);
  replayType(game.player(), ReplayStep{0, "type", {text}, text});
}

void key(TestGame& game, const std::string& name) {
  commandLine(game);
  replayKey(game.player(), ReplayStep{0, "key", {name}, name});
}

TEST(TypedCommands, NormalisingRaisesAsciiAndAccentedLettersAndTrimsBlanks) {
  EXPECT_EQ(normalizeTyped(utf8ToCp1252("  pegar maçã e pão ")), utf8ToCp1252("PEGAR MAÇÃ E PÃO"));
  EXPECT_EQ(normalizeTyped(utf8ToCp1252("áéíóú àâêô õ ü ñ")), utf8ToCp1252("ÁÉÍÓÚ ÀÂÊÔ Õ Ü Ñ"));
  // Letters outside the list, and everything else, stay as they are.
  EXPECT_EQ(normalizeTyped(utf8ToCp1252("ß ÿ è œ 1-2")), utf8ToCp1252("ß ÿ è œ 1-2"));
}

TEST(TypedCommands, ATypedPhraseRunsTheScriptOfTheFirstLineItMatches) {
  TestGame game;
  writeTypingGame(game);
  game.write("comandos.scp",
             "sem barra\n"
             "olhar|minusculo\n"
             "OLHAR    | olhar \n"
             "OLHAR|segundo\n"
             "PEGAR MAÇÃ|maca\n");
  game.start();
  ASSERT_TRUE(screenOf(game).commandLine()->isVisible());

  type(game, "olhar");
  EXPECT_EQ(screenOf(game).commandLine()->text(), "OLHAR") << "the line shows what is typed in upper case";
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: olhar.scp")) << "blanks before the bar do not count";
  EXPECT_FALSE(game.traced("Executando script: segundo.scp"));
  EXPECT_FALSE(game.traced("Executando script: minusculo.scp"));
  EXPECT_EQ(screenOf(game).commandLine()->text(), "");
  EXPECT_EQ(game.player().session().typing.LastCommand, "OLHAR");

  // Text set without the line's own upper-casing still reaches the vocabulary raised.
  commandLine(game)->setText(QString::fromUtf8("  pegar maçã "));
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: maca.scp"));
  EXPECT_EQ(game.player().session().typing.TypedWords[1], utf8ToCp1252("MAÇÃ"));

  // A character the game's code page lacks is looked up as "?", and nothing breaks.
  game.clearTrace();
  commandLine(game)->setText(QString::fromUtf8("olhar \u4E2D"));
  key(game, "Return");
  EXPECT_EQ(game.player().session().typing.LastCommand, "OLHAR ?");
  EXPECT_FALSE(game.traced("Executando script: olhar.scp"));
}

TEST(TypedCommands, UnknownPhrasesGetSuggestionsOrTheReplyOfEachModel) {
  TestGame game;
  writeTypingGame(game, "mode= 0\nveltec= 0\n");
  std::string vocabulary = "/ABRIR PORTA SECRETA|segredo\nABRIR JANELA|olhar\n";
  for (int i = 0; i < 14; ++i) vocabulary += "ABRIR PORTA " + std::to_string(i) + "|olhar\n";
  game.write("comandos.scp", vocabulary);
  game.start();

  type(game, "abrir porta");
  key(game, "Return");
  const std::string console = screenOf(game).consoleText()->toPlainText().toStdString();
  EXPECT_EQ(console.rfind("Tente:", 0), 0u) << console;
  EXPECT_NE(console.find("ABRIR PORTA 11"), std::string::npos) << console;
  EXPECT_EQ(console.find("ABRIR PORTA 12"), std::string::npos) << "twelve at most:\n" << console;
  EXPECT_EQ(console.find("SECRETA"), std::string::npos) << "lines starting with / are never offered";
  EXPECT_EQ(console.find("JANELA"), std::string::npos) << "both typed words must be in a suggestion";

  // The hidden phrase still works when typed exactly; a phrase nothing resembles gets the reply.
  type(game, "/abrir porta secreta");
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: segredo.scp"));
  type(game, "dançar");
  key(game, "Return");
  EXPECT_EQ(screenOf(game).consoleText()->toPlainText(), QString::fromUtf8("Não entendi."));

  // Model "1" answers in the message strip; model "2" runs the script of line 75.
  game.write("modo1.scp", "mode= 1\n");
  game.run("modo1");
  type(game, "dançar");
  key(game, "Return");
  EXPECT_EQ(screenOf(game).messageStrip()->toPlainText(), QString::fromUtf8("Não entendi."));
  game.write("modo2.scp", "mode= 2\n");
  game.run("modo2");
  // Model "2" hides the line; a game that shows it again gets the same handling.
  screenOf(game).commandLine()->show();
  commandLine(game)->setText("DANCAR");
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: perdido.scp"));
}

TEST(TypedCommands, EnterOnAnEmptyLineClearsTheConsoleAndRunsThePlaceAgain) {
  TestGame game;
  writeTypingGame(game, "mode= 0\nveltec= 0\nsetpos= sala\nmsg= Você está na sala.\n");
  game.write("comandos.scp", "OLHAR|olhar\n");
  game.start();
  ASSERT_FALSE(screenOf(game).consoleText()->toPlainText().isEmpty());
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: sala.scp"));
  EXPECT_TRUE(screenOf(game).consoleText()->toPlainText().isEmpty());
}

TEST(TypedCommands, KeysCarryTheirTextAndTheConsoleSendsThePlayerToTheCommandLine) {
  TestGame game;
  writeTypingGame(game, "mode= 0\nveltec= 0\nmsg= Bem-vindo.\n");
  game.write("comandos.scp", "OLHAR|olhar\n");
  game.start();
  key(game, "A");
  key(game, "Shift+B");
  key(game, "Escape");
  EXPECT_EQ(screenOf(game).commandLine()->text(), "AB");

  // A key or a click in the console moves the keyboard to the command line.
  QPlainTextEdit* console = screenOf(game).consoleText();
  console->setFocus();
  ASSERT_TRUE(console->hasFocus());
  QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
  QApplication::sendEvent(console, &press);
  EXPECT_TRUE(screenOf(game).commandLine()->hasFocus());
}

TEST(TypedCommands, FunctionKeysEnterTheirPhrasesAndF3RecallsTheLastWithoutRunningIt) {
  TestGame game;
  writeTypingGame(game);
  game.write("comandos.scp", "OLHAR|olhar\nINVENTARIO|inventario\nAJUDA|ajuda\n");
  game.start();

  key(game, "F1");
  EXPECT_TRUE(game.traced("Executando script: olhar.scp")) << "F1 enters settings line 76 at once";
  key(game, "F2");
  EXPECT_TRUE(game.traced("Executando script: inventario.scp"));
  key(game, "F4");
  EXPECT_TRUE(game.traced("Executando script: ajuda.scp"));

  game.clearTrace();
  key(game, "F3");
  EXPECT_EQ(screenOf(game).commandLine()->text(), "AJUDA");
  EXPECT_FALSE(game.traced("Executando script: ajuda.scp")) << "F3 only puts the phrase back";
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: ajuda.scp"));
}

TEST(TypedCommands, ArrowKeysWalkTheExitsThePlaceHas) {
  TestGame game;
  writeTypingGame(game, "mode= 1\nnorte= norte\nleste= \n");
  game.write("comandos.scp", "OLHAR|olhar\n");
  game.start();

  type(game, "olh");
  key(game, "Down");
  key(game, "Right");
  EXPECT_EQ(screenOf(game).commandLine()->text(), "OLH") << "no exit there: nothing happens";
  EXPECT_FALSE(game.traced("Executando script: norte.scp"));
  key(game, "Up");
  EXPECT_TRUE(game.traced("Executando script: norte.scp"));
  EXPECT_EQ(screenOf(game).commandLine()->text(), "");
}

TEST(TypedCommands, AMissingVocabularyIsSaidAndThePhraseStays) {
  TestGame game;
  writeTypingGame(game);
  game.start();
  type(game, "olhar");
  key(game, "Return");
  EXPECT_TRUE(game.traced("vocabulary script comandos.scp does not exist"));
  EXPECT_EQ(screenOf(game).commandLine()->text(), "OLHAR");
  EXPECT_FALSE(game.traced("Executando script: olhar.scp"));

  // "defcom=" names the vocabulary whether or not it exists; the next phrase reads the new one.
  game.write("vocab2.scp", "OLHAR|segundo\n");
  game.write("troca.scp", "defcom= falta\ndefcom= vocab2\n");
  game.run("troca");
  EXPECT_TRUE(game.traced("   0: defcom= falta <- script não existe"));
  EXPECT_TRUE(game.traced("   1: defcom= vocab2"));
  EXPECT_EQ(game.player().session().ScriptCmd, "vocab2");
  type(game, "olhar");
  key(game, "Return");
  EXPECT_TRUE(game.traced("Executando script: segundo.scp"));

  // Without any vocabulary named the phrase stays too.
  game.write("nenhum.scp", "defcom= \n");
  game.run("nenhum");
  type(game, "olhar");
  key(game, "Return");
  EXPECT_TRUE(game.traced("no vocabulary script is named (settings line 17 or defcom=)"));
  EXPECT_EQ(screenOf(game).commandLine()->text(), "OLHAR");
}

TEST(TypedCommands, AReplayTypesTextWithItsBlanksAndEntersItWithTheReturnKey) {
  TestGame game;
  writeTypingGame(game);
  game.write("comandos.scp", "OLHAR  A SALA|olhar\nOLHAR|segundo\nINVENTARIO|inventario\n");
  game.write("passos.replay",
             "start\n"
             "type olhar  a sala\n"
             "key Return\n"
             "key F2\n"
             "type x\n"
             "key Escape\n"
             "quit\n");
  const std::string trace = game.folder() + "trace.txt";
  auto run = runProgram({game.folder(), "--headless", "--replay", game.folder() + "passos.replay", "--trace", trace});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string all = game.read("trace.txt");
  EXPECT_NE(all.find("Executando script: olhar.scp\n"), std::string::npos) << all;
  EXPECT_EQ(all.find("Executando script: segundo.scp\n"), std::string::npos) << "the blanks inside were typed";
  EXPECT_NE(all.find("Executando script: inventario.scp\n"), std::string::npos) << "F2 reaches the line";
}

}  // namespace
}  // namespace taluvin
