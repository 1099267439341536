// Text alignment of the current model's message area, and the download page of the game screen.
#include "present/other_screen_commands.h"

#include "present/screen.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace taluvin {

namespace {

void alignText(QPlainTextEdit* edit, Qt::Alignment alignment) {
  // The memo's whole text takes one alignment, the lines still to come included.
  QTextOption option = edit->document()->defaultTextOption();
  option.setAlignment(alignment);
  edit->document()->setDefaultTextOption(option);
}

}  // namespace

Flow cmdAlign(ScriptInterpreter& ip) {
  // slot 1 = "left", "center" or "right"
  const std::string& word = ip.arg(1);
  Qt::Alignment alignment;
  if (word == "left")
    alignment = Qt::AlignLeft;
  else if (word == "center")
    alignment = Qt::AlignHCenter;
  else if (word == "right")
    alignment = Qt::AlignRight;
  else
    return Flow::Done;
  auto& s = ip.session();
  s.textAlignment = word;
  Screen& screen = ip.context().screen();
  if (s.Modelo == ScreenModel::Console)
    alignText(screen.consoleText(), alignment);
  else if (s.Modelo == ScreenModel::PictureScreen)
    alignText(screen.messageStrip(), alignment);
  else if (s.Modelo == ScreenModel::Monitor)
    s.screen.memoAlignment = word;
  return Flow::Done;
}

Flow cmdDownload(ScriptInterpreter& ip) {
  // no slots
  ip.context().screen().gameBook()->showPage("Down");
  return Flow::Done;
}

}  // namespace taluvin
