// Messages in every model, the console effect and typing delay, and the scroll page's text position.
#include "present/message_commands.h"

#include "base/text.h"
#include "present/canvas_text.h"
#include "present/console_output.h"
#include "present/console_page.h"
#include "present/layout_settings.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/shown_text.h"
#include "present/web_page_composer.h"
#include "script/command_context.h"
#include "script/markup.h"

#include <QPainter>

namespace taluvin {

namespace {

// What a message command writes after its word: the first five characters and "...".
void traceMessage(ScriptInterpreter& ip, const std::string& text) { ip.Trace += text.substr(0, 5) + "..."; }

// The page image takes the background as brush and the text style as font.
void preparePageFont(Screen& screen, const GameSession& s) { takeTextStyle(screen.pageImage()->style, s, backgroundColour(s)); }

}  // namespace

Flow cmdMsgSet(ScriptInterpreter& ip) {
  // slot 1 = the whole rest of the line
  static const std::string kNoText = "<-Falta texto!!!";
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  traceMessage(ip, ip.arg(1));
  if (ip.arg(1).empty()) ip.Trace += kNoText;
  const std::string text = expandAllMarkup(ip.arg(1), s.Modelo);
  const ScreenModel model = s.Modelo.kind();
  screen.shownText().tellMessage(model, text, true);
  if (model == ScreenModel::Console) {
    consoleOutput(screen, text);
  } else if (model == ScreenModel::PictureScreen) {
    screen.picturePage().setStripText(toQt(text).remove('\r'));
  } else if (model == ScreenModel::WebPage) {
    ip.context().webPage().addMessage(text);
  } else if (model == ScreenModel::ScrollPage) {
    preparePageFont(screen, s);
    const DrawStyle& d = screen.pageImage()->style;
    QPainter painter(&screen.pageImage()->picture());
    painter.setFont(canvasFont(d));
    const QString shown = toQt(shownWithinBudget(text));
    // An opaque brush paints the text's cell, as the page canvas writes text.
    const QRect cell(s.screen.textX, s.screen.textY, painter.fontMetrics().horizontalAdvance(shown),
                     painter.fontMetrics().height());
    painter.fillRect(cell, d.brush);
    painter.setPen(d.fontColor);
    textOut(painter, s.screen.textX, s.screen.textY, shown);
  }
  return Flow::Done;
}

Flow cmdMsgAppend(ScriptInterpreter& ip) {
  // slot 1 = the whole rest of the line
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  traceMessage(ip, ip.arg(1));
  const std::string text = expandAllMarkup(ip.arg(1), s.Modelo);
  const ScreenModel model = s.Modelo.kind();
  screen.shownText().tellMessage(model, text);
  if (model == ScreenModel::Console)
    consoleOutput(screen, text);
  else if (model == ScreenModel::PictureScreen)
    screen.picturePage().appendToStrip(toQt(text));
  else if (model == ScreenModel::WebPage)
    ip.context().webPage().addLine(text);
  else if (model == ScreenModel::ScrollPage)
    preparePageFont(screen, s);
  return Flow::Done;
}

Flow cmdClearMsg(ScriptInterpreter& ip) {
  // no arguments
  Screen& screen = ip.context().screen();
  const ScreenModel model = ip.session().Modelo.kind();
  if (model == ScreenModel::Console)
    screen.console().clear();
  else if (model == ScreenModel::PictureScreen)
    screen.messageStrip()->clear();
  else if (model == ScreenModel::WebPage)
    ip.context().webPage().startPage();
  else if (model == ScreenModel::ScrollPage)
    screen.clearLineStore();
  return Flow::Done;
}

Flow cmdLineFeed(ScriptInterpreter& ip) {
  // no arguments
  static const std::string kLineBreak = "\r\n";
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  const ScreenModel model = s.Modelo.kind();
  if (model == ScreenModel::Console)
    consoleOutput(screen, kLineBreak);
  else if (model == ScreenModel::PictureScreen)
    screen.picturePage().appendToStrip(toQt(kLineBreak));
  else if (model == ScreenModel::WebPage)
    ip.context().webPage().addLineBreak();
  else if (model == ScreenModel::ScrollPage)
    s.screen.textY = boundedCoordinate(int64_t{s.screen.textY} + lineHeightFor(screen.pageImage()->style.size));
  return Flow::Done;
}

Flow cmdTextPosition(ScriptInterpreter& ip) {
  // slot 1 = x, slot 2 = y; empty or "$" keeps that coordinate
  static const std::string kNotModel3 = w(" <--- não está no modo 3");
  GameSession& s = ip.session();
  if (s.Modelo != ScreenModel::ScrollPage) {
    ip.Trace += kNotModel3;
    return Flow::Done;
  }
  if (ip.Trace.on()) ip.Trace += ip.arg(1) + "," + ip.arg(2);
  const auto keeps = [](const std::string& v) { return v.empty() || v == "$"; };
  if (!keeps(ip.arg(1))) s.screen.textX = commandPosition(ip.Trace, toIntOrAbort(ip.arg(1)));
  if (!keeps(ip.arg(2))) s.screen.textY = commandPosition(ip.Trace, toIntOrAbort(ip.arg(2)));
  return Flow::Done;
}

Flow cmdLineFeedBy(ScriptInterpreter& ip) {
  // slot 1 = pixels (default "10")
  GameSession& s = ip.session();
  if (s.Modelo != ScreenModel::ScrollPage) return Flow::Done;
  const int64_t y = s.screen.textY + int64_t{toIntOr(ip.arg(1).empty() ? std::string("10") : ip.arg(1), 0)};
  s.screen.textY = boundedCoordinate(y);
  ScrollPage& page = ip.context().screen().scrollPage();
  const bool fits = s.screen.textY <= page.pageImage->picture().height() || page.setPageHeight(s.screen.textY);
  if (!fits || !coordinateWithinBudget(y)) ip.Trace += beyondBudgetMarker(y);
  return Flow::Done;
}

Flow cmdPageHeight(ScriptInterpreter& ip) {
  // slot 1 = height of the page image (default: the scroll box's height less 10)
  ScrollPage& page = ip.context().screen().scrollPage();
  const int fallback = page.scrollBox->height() - 10;
  const int height = toIntOr(ip.arg(1), fallback);
  ip.Trace.appendNumber(height);
  if (!page.setPageHeight(height) && height > 0) ip.Trace += beyondBudgetMarker(height);
  return Flow::Done;
}

Flow cmdTextAppend(ScriptInterpreter& ip) {
  // slot 1 = text
  ip.context().screen().appendLineStore(ip.arg(1));
  return Flow::Done;
}

Flow cmdTextSet(ScriptInterpreter& ip) {
  // slot 1 = text
  ip.context().screen().setLineStore(ip.arg(1));
  return Flow::Done;
}

Flow cmdEffect(ScriptInterpreter& ip) {
  // slot 1 = effect name: empty (typewriter), "direto" or "scrollup"
  static const std::string kUnsupported = w(" <- efeito não implementado");
  const std::string& name = ip.arg(1);
  ip.Trace += name;
  if (name.empty() || name == "direto" || name == "scrollup")
    ip.session().screen.consoleEffect = name;
  else
    ip.Trace += kUnsupported;
  return Flow::Done;
}

Flow cmdTypingDelay(ScriptInterpreter& ip) {
  // slot 1 = milliseconds per character (default "0")
  const int delay = toIntOr(ip.arg(1).empty() ? std::string("0") : ip.arg(1), 7);
  ip.session().typingSpeed = delay;
  ip.Trace.appendNumber(delay);
  return Flow::Done;
}

}  // namespace taluvin
