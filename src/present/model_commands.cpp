// Switching between the console, picture screen, web page, scroll page and monitor models.
#include "present/model_commands.h"

#include "base/text.h"
#include "present/command_panel.h"
#include "present/console_page.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/picture_page.h"
#include "present/screen.h"
#include "present/scroll_page.h"
#include "present/surface_budget.h"
#include "present/web_page_composer.h"
#include "present/web_page_view.h"
#include "script/command_context.h"

#include <QLineEdit>

namespace taluvin {

namespace {

void enterConsole(Screen& screen, GameSession& s) {
  screen.gameBook()->showPage("0");
  screen.panel().setInputShown(lineOn(s, 44));
  screen.gameBook()->resize(screen.gameBook()->width(), lineSurface(s, 24, 25, screen.gameBook()->size()).height());
  screen.console().clear();
  screen.console().paint(backgroundColour(s));
  screen.letEventsRun();
}

void enterPictureScreen(Screen& screen, GameSession& s) {
  const QColor background = backgroundColour(s);
  screen.pictureScreen()->style.brush = background;
  screen.pictureBuffer().fill(background);
  screen.messageStrip()->setVisible(lineOn(s, 35));
  screen.panel().setInputShown(lineOn(s, 44));
  screen.gameBook()->resize(screen.gameBook()->width(), lineSurface(s, 24, 25, screen.gameBook()->size()).height());
  screen.messageStrip()->clear();
  screen.gameBook()->showPage("1");
  screen.letEventsRun();
}

void enterWebPage(CommandContext& context, Screen& screen, GameSession& s) {
  screen.web().showEmptyPage(s.screen.style.background);
  screen.gameBook()->showPage("2");
  screen.panel().setInputShown(false);
  screen.gameBook()->resize(lineSurface(s, 51, 52, screen.gameBook()->size()));
  screen.web().fitToPage(screen.gameBook()->width(), screen.gameBook()->height());
  screen.letEventsRun();
  context.webPage().startPage();
  screen.web().browser()->setFocus();
}

void enterScrollPage(Screen& screen, GameSession& s) {
  screen.panel().setInputShown(false);
  screen.gameBook()->showPage("3");
  screen.gameBook()->resize(lineSurface(s, 49, 50, screen.gameBook()->size()));
  screen.scrollPage().enterModel(s, screen.gameBook()->size());
  screen.clearLineStore();
  screen.scrollPage().showPageImage();
  screen.letEventsRun();
}

// The virtual screen scaled into the monitor window, centred with equal borders.
void enterMonitor(ScriptInterpreter& ip, Screen& screen, GameSession& s) {
  MonitorWindow& monitor = ip.context().monitor();
  const std::string& width = ip.arg(2);
  const std::string& height = ip.arg(3);
  s.model4Width = commandSide(ip.Trace, toIntOr(width, 640));
  s.model4Height = commandSide(ip.Trace, toIntOr(height, 420));
  const QSize client = screen.monitorClientSize();
  auto& m = s.screen.monitor;
  const double byWidth = static_cast<double>(client.width()) / std::max(s.model4Width, 1);
  const double byHeight = static_cast<double>(client.height()) / std::max(s.model4Height, 1);
  m.scale = byWidth < byHeight ? byWidth : byHeight;
  m.scaledWidth = scaledBounded(s.model4Width * m.scale);
  m.scaledHeight = scaledBounded(s.model4Height * m.scale);
  m.left = (client.width() - m.scaledWidth) / 2;
  m.top = (client.height() - m.scaledHeight) / 2;
  resizeBuffer(screen.monitorBuffer(), m.scaledWidth, m.scaledHeight);
  monitor.enterModel(s);
  screen.gameBook()->setCurrentIndex(0);
  screen.panel().setInputShown(false);
  m.boxX = scaledBounded(m.scale * 5);
  m.boxY = scaledBounded(m.scale * 8);
  m.boxWidth = m.scaledWidth - scaledBounded(m.scale * 8);
  m.boxHeight = m.scaledHeight - scaledBounded(m.scale * 5) - m.boxY;
  screen.letEventsRun();
}

// Settings sizes past the budget that the model's page was laid out with go on this command's line.
void markLayoutNotes(ScriptInterpreter& ip) {
  for (const std::string& note : takeLayoutNotes(ip.session())) ip.Trace += " <--- " + note;
}

}  // namespace

Flow cmdMode(ScriptInterpreter& ip) {
  // slot 1 = model "0" to "4"; for "4" slot 2 = virtual width, slot 3 = virtual height
  Screen& screen = ip.context().screen();
  GameSession& s = ip.session();
  const std::string& model = ip.arg(1);
  const ScreenModel kind = screenModelOf(model);
  screen.commandLine()->clear();
  s.zones.resetZones();
  s.screen.monitor.scale = 1.0;
  // Only "modo=" leaves a model that is already shown alone.
  if (ip.Cmd == "modo=" && model == s.Modelo.text()) return Flow::Done;

  s.Modelo = model;
  // Left maximized over the main window, the monitor would hide the model that replaces it; the
  // keyboard goes back to the main window with it.
  if (MonitorWindow* monitor = ip.context().madeMonitor(); kind != ScreenModel::Monitor && monitor && monitor->isVisible()) {
    monitor->hide();
    ip.context().window().activateWindow();
  }
  screen.panel().showPanelBySettings(s);
  if (kind == ScreenModel::Console) {
    enterConsole(screen, s);
    markLayoutNotes(ip);
    return Flow::Done;
  }
  if (kind == ScreenModel::Monitor) {
    enterMonitor(ip, screen, s);
    return Flow::Done;
  }
  if (kind == ScreenModel::PictureScreen) enterPictureScreen(screen, s);
  if (kind == ScreenModel::WebPage) enterWebPage(ip.context(), screen, s);
  if (kind == ScreenModel::ScrollPage) enterScrollPage(screen, s);
  markLayoutNotes(ip);
  screen.letEventsRun();
  if (screen.commandLine()->isVisible()) screen.commandLine()->setFocus();
  return Flow::Done;
}

}  // namespace taluvin
