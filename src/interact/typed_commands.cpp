// Typed commands: the phrase a player enters is looked up in the vocabulary and its script run.
#include "interact/typed_commands.h"

#include "base/text.h"
#include "present/command_panel.h"
#include "present/console_output.h"
#include "present/console_page.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "script/command_context.h"
#include "script/script_file.h"
#include "state/game_session.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace taluvin {

namespace {

// Lower-case letters of Windows-1252 that a phrase raises, and their upper-case forms.
constexpr std::string_view kAccentedLower = "\xE7\xE1\xE9\xED\xF3\xFA\xE3\xF5\xE2\xEA\xF4\xE0\xFC\xF1";
constexpr std::string_view kAccentedUpper = "\xC7\xC1\xC9\xCD\xD3\xDA\xC3\xD5\xC2\xCA\xD4\xC0\xDC\xD1";

// What a phrase no vocabulary line knows gets, by model.
void answerUnknownPhrase(CommandContext& context) {
  GameSession& s = context.session();
  Screen& screen = context.screen();
  switch (s.Modelo.kind()) {
    case ScreenModel::Console: {
      const auto& words = s.typing.TypedWords;
      Lines vocabulary = readVocabulary(s).value_or(Lines{});
      const std::string hints = suggestPhrases(vocabulary, words[0], words[1]);
      const std::string reply = hints.empty() ? s.settings.line(73) : s.settings.line(74) + "\r\n\r\n" + hints;
      screen.shownText().tell(TextKind::Reply, reply);
      consoleOutput(screen, reply);
      break;
    }
    case ScreenModel::PictureScreen:
      screen.shownText().tell(TextKind::Reply, s.settings.line(73));
      screen.picturePage().setStripText(toQt(s.settings.line(73)).remove('\r'));
      break;
    case ScreenModel::WebPage:
      if (const std::string script = s.settings.line(75); !script.empty()) context.runScript(script);
      break;
    default:
      break;
  }
}

}  // namespace

std::string normalizeTyped(std::string_view typed) {
  std::string phrase = trim(typed);
  for (char& c : phrase) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (const size_t at = kAccentedLower.find(c); at != std::string_view::npos) {
      c = kAccentedUpper[at];
    }
  }
  return phrase;
}

std::optional<Lines> readVocabulary(const GameSession& session) {
  if (session.ScriptCmd.empty()) return std::nullopt;
  const auto path = scriptPath(session, session.ScriptCmd);
  if (!path || !fileExists(*path)) return std::nullopt;
  return readLines(*path);
}

std::string missingVocabularyMessage(const GameSession& session) {
  if (session.ScriptCmd.empty()) return "no vocabulary script is named (settings line 17 or defcom=)";
  return "vocabulary script " + session.ScriptCmd + ".scp does not exist";
}

void enterCommandLine(CommandContext& context) {
  GameSession& s = context.session();
  Screen& screen = context.screen();
  QLineEdit* line = screen.commandLine();
  const std::string typed = fromQt(line->text());
  const bool console = s.Modelo == ScreenModel::Console;
  if (trimView(typed).empty()) {
    // Enter alone looks around again: the place's script runs anew.
    line->clear();
    if (console) screen.console().clear();
    if (const std::string place = s.Posic; !place.empty()) context.runScript(place);
    return;
  }
  const std::string phrase = normalizeTyped(typed);
  s.typing.LastCommand = phrase;
  s.typing.TypedWords = splitWords(phrase);
  const auto vocabulary = readVocabulary(s);
  if (!vocabulary) {
    // The player's phrase stays in the line, so it is not lost while the game is mended.
    const std::string message = missingVocabularyMessage(s);
    context.traceLine(message);
    context.tellPlayer(message);
    return;
  }
  const std::string script = lookupPhrase(*vocabulary, phrase);
  line->clear();
  if (console) screen.console().clear();
  if (!script.empty()) {
    context.runScript(script);
    return;
  }
  answerUnknownPhrase(context);
}

void enterRegisterInput(CommandContext& context) {
  GameSession& s = context.session();
  QPlainTextEdit* box = context.screen().panel().registerInput();
  const RegisterInput target = s.typing.registerInput;
  if (s.registers.has(target.reg)) s.registers.set(target.reg, fromQt(box->toPlainText()));
  box->hide();
  if (!target.script.empty()) context.runScript(target.script);
}

}  // namespace taluvin
