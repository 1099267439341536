// The argument forms of the text box and memo commands; the drawing is the canvas renderers'.
#include "present/box_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "present/canvas_text.h"
#include "present/memo_box.h"
#include "present/memo_format.h"
#include "present/monitor_window.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "script/command_context.h"
#include "state/game_session.h"

#include <QPlainTextEdit>

namespace taluvin {

namespace {
bool isPosition(const std::string& v) { return v.empty() || v == "$"; }
}  // namespace

Flow cmdTextBox(ScriptInterpreter& ip) {
  // slot 1 = text, 2 = x, 3 = y, 4 = width, 5 = height, 6 = colour, 7 = style, 8 = box colour, 9 = size
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  const auto& st = s.screen.style;
  const ScreenModel model = s.Modelo.kind();
  TextBox box;
  std::string beyond;  // markers of values past the surface budget, after the usual trace
  box.surface = model == ScreenModel::ScrollPage ? Surface::ScrollPage : Surface::PictureScreen;
  box.text = ip.arg(1);
  box.x = isPosition(ip.arg(2)) ? s.screen.textX : commandPosition(beyond, toIntOrAbort(ip.arg(2)));
  box.y = isPosition(ip.arg(3)) ? s.screen.textY : commandPosition(beyond, toIntOrAbort(ip.arg(3)));
  if (!ip.arg(4).empty())
    box.width = commandSide(beyond, toIntOrAbort(ip.arg(4)));
  else if (model == ScreenModel::ScrollPage)
    box.width = screen.pageImage()->picture().width() - s.screen.textX;
  else if (model == ScreenModel::Monitor)
    box.width = s.model4Width;
  else
    box.width = screen.pictureScreen()->width() - box.x;
  if (!ip.arg(5).empty())
    box.height = commandSide(beyond, toIntOrAbort(ip.arg(5)));
  else if (model == ScreenModel::ScrollPage)
    box.height = screen.pageImage()->picture().height() - s.screen.textY;
  else if (model == ScreenModel::Monitor)
    box.height = s.model4Height;
  else
    box.height = screen.pictureScreen()->height() - box.y;
  box.colour = ip.arg(6).empty() ? st.text : ip.arg(6);
  box.style = ip.arg(7).empty() ? std::string("biu") : ip.arg(7);
  box.boxColour = ip.arg(8).empty() ? st.background : ip.arg(8);
  box.size = ip.arg(9).empty() ? st.size : commandFontSize(beyond, toIntOrAbort(ip.arg(9)));
  if (ip.Trace.on()) ip.Trace += box.text.substr(0, 5) + "," + std::to_string(box.x) + "," + std::to_string(box.y) + "," +
              std::to_string(box.width) + "," + std::to_string(box.height) + "," + box.colour + "," + box.style +
              "," + box.boxColour + "," + std::to_string(box.size);
  ip.Trace += beyond;
  screen.shownText().tell(TextKind::Box, box.text == "$" ? screen.lineStoreText(" ") : box.text);
  if (model == ScreenModel::Monitor) {
    auto& m = s.screen.monitor;
    m.boxX = scaledBounded(box.x * m.scale);
    m.boxY = scaledBounded(box.y * m.scale);
    m.boxWidth = scaledBounded(box.width * m.scale);
    m.boxHeight = scaledBounded(box.height * m.scale);
    m.boxFontSize = box.size;
    drawMonitorTextBox(screen, box.text);
    return Flow::Done;
  }
  if (!drawTextBox(screen, box)) ip.Trace += beyondBudgetMarker(int64_t{box.y} + box.height);
  return Flow::Done;
}

Flow cmdMemo(ScriptInterpreter& ip) {
  // slot 1 = text or "$", 2 = x, 3 = y, 4 = width, 5 = height, 6 = line height, 7 = thumb colour,
  // 8 = track colour, 9 = link decoration
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  const ScreenModel model = s.Modelo.kind();
  if (model != ScreenModel::PictureScreen && model != ScreenModel::Monitor) return Flow::Done;
  MemoRequest r;
  r.text = ip.arg(1);
  if (r.text == "$") {
    r.text.clear();
    if (model == ScreenModel::PictureScreen) {
      const QStringList lines = screen.messageStrip()->toPlainText().split('\n');
      for (const QString& line : lines) r.text += fromQt(line.trimmed()) + " \xA7";
    } else {
      for (const auto& line : s.screen.lineStore) r.text += (r.text.empty() ? "" : " ") + trim(line);
    }
  }
  r.x = commandPosition(ip.Trace, toIntOr(ip.arg(2), 0));
  r.y = commandPosition(ip.Trace, toIntOr(ip.arg(3), 0));
  const int defaultWidth = model == ScreenModel::PictureScreen ? screen.gameBook()->width() : s.model4Width;
  const int defaultHeight = model == ScreenModel::PictureScreen ? screen.gameBook()->height() : s.model4Height;
  r.width = commandSide(ip.Trace, toIntOr(ip.arg(4), defaultWidth));
  r.height = commandSide(ip.Trace, toIntOr(ip.arg(5), defaultHeight));
  r.lineHeight = commandSide(ip.Trace, toIntOr(ip.arg(6), 0));
  r.thumbColour = ip.arg(7).empty() ? s.screen.style.text : ip.arg(7);
  r.trackColour = ip.arg(8).empty() ? s.screen.style.background : ip.arg(8);
  r.decoration = ip.arg(9);
  screen.shownText().tell(TextKind::Memo, r.text);
  if (model == ScreenModel::Monitor) {
    MonitorWindow& monitor = ip.context().monitor();
    monitor.memoDecoration = r.decoration;
    formatMemo(screen, *monitor.memo, r);
    return Flow::Done;
  }
  formatMemo(screen, screen.memoBox(), r);
  return Flow::Done;
}

Flow cmdMargins(ScriptInterpreter& ip) {
  // slot 1 = left, 2 = right, 3 = top, 4 = bottom (each default 0)
  GameSession& s = ip.session();
  const double scale = s.Modelo == ScreenModel::Monitor ? s.screen.monitor.scale : 1.0;
  auto& m = s.screen.memoMargins;
  m.left = scaledBounded(commandPosition(ip.Trace, toIntOr(ip.arg(1), 0)) * scale);
  m.right = scaledBounded(commandPosition(ip.Trace, toIntOr(ip.arg(2), 0)) * scale);
  m.top = scaledBounded(commandPosition(ip.Trace, toIntOr(ip.arg(3), 0)) * scale);
  m.bottom = scaledBounded(commandPosition(ip.Trace, toIntOr(ip.arg(4), 0)) * scale);
  return Flow::Done;
}

Flow cmdScrollBar(ScriptInterpreter& ip) {
  // slot 1 = "on", "off" or "auto"
  const std::string& mode = ip.arg(1);
  if (mode == "on")
    ip.session().screen.memoScrollBar.clear();
  else if (mode == "off" || mode == "auto")
    ip.session().screen.memoScrollBar = mode;
  return Flow::Done;
}

}  // namespace taluvin
