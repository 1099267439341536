// Input commands: what scripts ask of the register input box, the keyboard and the frame picture.
#include "interact/input_commands.h"

#include "base/numbers.h"
#include "base/text.h"
#include "interact/keyboard.h"
#include "present/colors.h"
#include "present/command_panel.h"
#include "present/console_page.h"
#include "present/font_faces.h"
#include "present/frame_page.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/picture_placement.h"
#include "present/screen.h"
#include "present/surface_budget.h"
#include "present/web_page_view.h"
#include "present/window_shape.h"
#include "script/command_context.h"
#include "script/markup.h"
#include "script/script_file.h"
#include "state/game_session.h"
#include "world/register_access.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>

namespace taluvin {

namespace {

const std::string kOutOfRange = " <--- registrador fora de faixa";

}  // namespace

Flow cmdRegisterInput(ScriptInterpreter& ip) {
  // slot 1 = register or "off", slots 2-5 = x, y, width, height, slot 6 = script run after Enter
  GameSession& s = ip.session();
  CommandPanel& panel = ip.context().screen().panel();
  if (ip.arg(1) == "off") {
    // A box never made shows nothing to hide.
    if (panel.registerInputMade()) panel.registerInput()->hide();
    if (MonitorWindow* monitor = ip.context().madeMonitor()) monitor->input->hide();
    return Flow::Done;
  }
  const int32_t reg = registerNumber(ip.arg(1));
  // The box shows the register's text; a register the table lacks has none to show or take.
  if (!s.registers.has(reg)) {
    if (ip.Trace.on()) ip.Trace += ip.arg(1) + kOutOfRange;
    return Flow::Done;
  }
  s.typing.registerInput = {reg, resolveScriptAlias(s, ip.arg(6))};
  QPlainTextEdit* box = panel.registerInput();
  box->setPlainText(toQt(s.registers.at(reg)));
  // Cut to the budget: the box's far edges are computed from its corner and size.
  box->setGeometry(commandPosition(ip.Trace, toIntOr(ip.arg(2), 0)), commandPosition(ip.Trace, toIntOr(ip.arg(3), 0)),
                   commandSide(ip.Trace, toIntOr(ip.arg(4), 0)), commandSide(ip.Trace, toIntOr(ip.arg(5), 0)));
  box->moveCursor(QTextCursor::End);
  using Mode = TypingState::MonitorInputMode;
  s.typing.monitorInputMode = Mode::Register;
  if (s.Modelo == ScreenModel::Monitor) {
    const double scale = s.screen.monitor.scale;
    const auto scaled = [scale](int v) { return scaledBounded(v * scale); };
    if (ip.Cmd == "inptcmd=") s.typing.monitorInputMode = Mode::Command;
    QPlainTextEdit* monitorInput = ip.context().monitor().input;
    monitorInput->setPlainText(toQt(s.registers.at(reg)));
    monitorInput->setGeometry(scaled(box->x()), scaled(box->y()), scaled(box->width()), scaled(box->height()));
    monitorInput->moveCursor(QTextCursor::End);
    monitorInput->show();
    monitorInput->raise();
    monitorInput->setFocus();
    return Flow::Done;
  }
  box->show();
  box->raise();
  box->setFocus();
  return Flow::Done;
}

Flow cmdRegisterInputStyle(ScriptInterpreter& ip) {
  // slot 1 = face, 2 = background RRGGBB, 3 = font colour RRGGBB, 4 = size, 5 = "1" for a border,
  // 6 = style letters ("biu": none)
  GameSession& s = ip.session();
  QPlainTextEdit* box = ip.context().screen().panel().registerInput();
  const auto letters = readStyleLetters(ip.arg(6).empty() ? std::string("biu") : ip.arg(6));
  const int size = toIntOr(ip.arg(4), s.screen.style.size);
  QFont font = gameFont(ip.arg(1).empty() ? fromQt(box->font().family()) : ip.arg(1), size, letters.bold,
                        letters.italic, letters.underline);
  box->setFont(font);
  paintWidgetText(box, paintColor(ip.arg(2), QColor(255, 255, 255)), paintColor(ip.arg(3), QColor(0, 0, 0)));
  // Flat either way: a single line or no border at all.
  box->setFrameStyle(ip.arg(5) == "1" ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  box->setLineWidth(1);
  if (s.Modelo == ScreenModel::Monitor) {
    QPlainTextEdit* monitorInput = ip.context().monitor().input;
    font.setPixelSize(boundedFontSize(scaledBounded(font.pixelSize() * s.screen.monitor.scale)));
    monitorInput->setFont(font);
    monitorInput->setPalette(box->palette());
    monitorInput->setFrameStyle(box->frameStyle());
    monitorInput->setLineWidth(1);
  }
  return Flow::Done;
}

Flow cmdSetFocus(ScriptInterpreter& ip) {
  // slot 1 = "web", "inp", "fnc", "vsr" or "msg"
  const std::string& target = ip.arg(1);
  ip.Trace += target;
  Screen& screen = ip.context().screen();
  MainWindow& window = ip.context().window();
  window.activateWindow();
  // Platforms without a window stack (the offscreen one) have nothing to raise the window above.
  if (QGuiApplication::platformName() != "offscreen") window.raise();
  if (target == "web") {
    screen.web().browser()->setFocus();
  } else if (target == "inp") {
    screen.commandLine()->setFocus();
  } else if (target == "fnc") {
    screen.panel().panelBook->raise();
  } else if (target == "vsr") {
    screen.gameBook()->raise();
  } else if (target == "msg") {
    if (ip.session().Modelo == ScreenModel::Console) screen.consoleText()->setFocus();
  }
  return Flow::Done;
}

Flow cmdDefineVocabulary(ScriptInterpreter& ip) {
  // slot 1 = vocabulary script name, kept even when its file is missing
  static const std::string kMissing = w(" <- script não existe");
  GameSession& s = ip.session();
  ip.Trace += ip.arg(1);
  s.ScriptCmd = ip.arg(1);
  if (!scriptExists(s, s.ScriptCmd)) ip.Trace += kMissing;
  return Flow::Done;
}

Flow cmdLoadFramePicture(ScriptInterpreter& ip) {
  // slot 1 = picture file
  static const std::string kNoName = w(" <--- não informou o nome do arquivo");
  static const std::string kMissing = w(" <--- arquivo não existe");
  GameSession& s = ip.session();
  const std::string& name = ip.arg(1);
  ip.Trace += name;
  if (name.empty()) {
    ip.Trace += kNoName;
    return Flow::Done;
  }
  if (!gameFileExists(s, name)) {
    ip.Trace += kMissing;
    return Flow::Done;
  }
  QImage picture;
  std::string failure;
  if (!loadGamePicture(s, name, picture, &failure)) {
    if (ip.Trace.on()) ip.Trace += unreadablePictureMarker(failure);
    return Flow::Done;
  }
  picture = picture.convertToFormat(QImage::Format_RGB888);
  MainWindow& window = ip.context().window();
  CanvasView* frame = ip.context().screen().frame().framePicture;
  const QSize size = picture.size();
  window.setFixedSize(size);
  window.outerBook()->setGeometry(0, 0, size.width(), size.height());
  frame->setGeometry(0, 0, size.width(), size.height());
  frame->setPicture(std::move(picture));
  if (!lineOn(s, 93)) shapeWindowFromFrame(window, frame->picture());
  return Flow::Done;
}

Flow cmdInkey(ScriptInterpreter& ip) {
  // slot 1 = register (0) that receives the name of the key held, empty when none is
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  GameSession& s = ip.session();
  const std::uint16_t code = s.typing.HeldKey;
  std::string name = keyName(code);
  // A key without a name gives its code as a character: letters and digits read as themselves.
  if (name.empty() && code != 0) name = std::string(1, static_cast<char>(code & 0xFF));
  s.registers.set(*n, name);
  ip.context().letEventsRun();
  return Flow::Done;
}

}  // namespace taluvin
