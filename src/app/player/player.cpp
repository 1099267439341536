// The program's life: start-up, the opening actions, running scripts and the exit steps.
#include "app/player/player.h"

#include "app/inspect/debug_session.h"
#include "app/player/player_menu_actions.h"
#include "app/saves/save_slot_actions.h"
#include "app/player/unpainted_windows.h"
#include "app/saves/undo_actions.h"
#include "base/text.h"
#include "interact/focus_keys.h"
#include "interact/keyboard.h"
#include "interact/monitor_pointer.h"
#include "interact/key_router.h"
#include "interact/page_links.h"
#include "interact/pointer_handlers.h"
#include "interact/reveal_key.h"
#include "interact/volume_keys.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/monitor_window.h"
#include "present/picture_placement.h"
#include "present/player_notice.h"
#include "present/quote_forms.h"
#include "present/readable_text.h"
#include "present/screen.h"
#include "present/zone_reveal.h"
#include "state/game_paths.h"
#include "state/lifecycle.h"
#include "state/state_writer.h"
#include "state/text_file.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <thread>
#include <utility>

namespace taluvin {

namespace {

// What opening the program or a game cut to fit the budgets of its tables, said once.
void sayNotices(GameSession& session, const TraceLog& trace) {
  for (const std::string& notice : std::exchange(session.notices, {})) {
    trace.line(notice);
    std::cerr << "taluvin: " << cp1252ToUtf8(notice) << '\n';
  }
}

}  // namespace

Player::Player(const Options& options, const std::string& programFolder, const std::string& programName)
    : options_(options), engine_(*this), session_(engine_.session()), trace_(engine_.trace()) {
  main_ = std::make_unique<MainWindow>(session_, engine_.inputHold());
  interpreter().setContext(this);
  interpreter().setStopFlag(&ending_);
  router_ = std::make_unique<KeyRouter>(engine_.inputHold(), [this] { return busy(); });
  startKeyboardPlay(*this, [this] { return busy(); }, main_.get(), *router_);
  connectPointerHandlers(*this);
  connectKeyboardHandlers(*this, *router_);
  connectVolumeKeys(*router_, *this, engine_.audio());
  connectPageLinks(*this);
  connectSaveSlotKeys(*this, *router_);
  connectPlayerMenu(*this);
  zoneReveal_ = std::make_unique<ZoneReveal>(main_->screen());
  watchRevealKey(*zoneReveal_, *router_);
  keepTextReadable(main_->screen(), *zoneReveal_, loadReadableText(readableTextFile()));
  // The writer reports from its own thread; the player says it once, on its own thread.
  StateWriter::instance().setFailureReport([this](const std::string& message) {
    QMetaObject::invokeMethod(
        main_.get(),
        [this, message] {
          const std::string text = utf8ToCp1252(message);
          trace_.line(text);
          trace_.flush();
          tellPlayer(text);
        },
        Qt::QueuedConnection);
  });

  startUpSession(session_, programFolder, programName);
  sayNotices(session_, trace_);
  showOpeningPictureFromSettings();
  main_->onStartClick = [this] { startClick(); };
  main_->onResume = [this] { resume(); };
  main_->onClose = [this] { endProgram(); };
  main_->screen().setQuitCheck([this] { return quitRequested(); });
  debug_ = std::make_unique<DebugSession>(*this, options_);
}

Player::~Player() { StateWriter::instance().setFailureReport(nullptr); }

void Player::showOpeningPictureFromSettings() {
  // An empty line, or a picture that cannot be read, keeps the built-in title screen.
  const std::string& name = session_.settings.line(13);
  if (name.empty()) return;
  QImage picture;
  if (loadFolderPicture(session_, session_.ProgramFolder, name, picture)) main_->openingPicture()->setPicture(std::move(picture));
}

Screen& Player::screen() { return main_->screen(); }
WebPageComposer& Player::webPage() { return main_->screen().webPage(); }

void Player::leaveWindowsUnpainted() {
  if (unpainted_) return;
  unpainted_ = true;
  leaveUnpainted(*main_);
  if (monitor_) leaveUnpainted(*monitor_);
}

void Player::show() {
  main_->centreOnScreen();
  main_->show();
}

namespace {

// Counts the opening actions in progress; they let events run before their script starts.
struct OpeningGuard {
  explicit OpeningGuard(int& count) : count(count) { ++count; }
  ~OpeningGuard() { --count; }
  int& count;
};

}  // namespace

void Player::startClick() {
  OpeningGuard opening(openingGame_);
  const auto startScript = resolveInFolder(session_.ProgramFolder, "start.scp", session_.folderNames);
  if (!startScript || !fileExists(*startScript)) {
    letEventsRun();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    requestQuit();
    return;
  }
  main_->hide();
  letEventsRun();
  if (!openGame(session_.GameName)) return;
  main_->screen().showFirstPages();
  main_->show();
  letEventsRun();
  keepUndoStepBeforeStart(*this);
  runScript("start");
}

void Player::resume(const std::function<void()>& afterOpening) {
  OpeningGuard opening(openingGame_);
  if (session_.GameName.empty()) return;
  if (!openGame(session_.GameName)) return;
  if (afterOpening) afterOpening();
  session_.Script = session_.Posic.empty() ? std::string("start") : session_.Posic;
  runScript(session_.Script);
}

bool Player::openGame(const std::string& name) {
  if (const std::string message = openGameFiles(session_, name); !message.empty()) {
    // Nothing of the game is read or written; the program ends as it does without a start script.
    trace_.line(message);
    std::cerr << "taluvin: " << cp1252ToUtf8(message) << '\n';
    if (!options_.headless) QMessageBox::critical(main_.get(), "Taluvin", toQt(message));
    exitCode_ = 2;  // a game that cannot be played is a failure for whoever started it
    requestQuit();
    return false;
  }
  sayNotices(session_, trace_);
  main_->screen().applyGameLayout();
  sayLayoutNotes(true);
  return true;
}

void Player::sayLayoutNotes(bool alsoOnStderr) {
  for (const std::string& note : takeLayoutNotes(session_)) {
    trace_.line(note);
    if (alsoOnStderr) std::cerr << "taluvin: " << cp1252ToUtf8(note) << '\n';
  }
}

void Player::runScript(const std::string& name) {
  if (runsHeld_ && runner().depth() == 0) {
    // A timer that fires again and again while the menu is open asks once; a few distinct runs wait.
    constexpr size_t kMostHeldRuns = 16;
    if ((heldRuns_.empty() || heldRuns_.back() != name) && heldRuns_.size() < kMostHeldRuns) heldRuns_.push_back(name);
    return;
  }
  keepUndoStep(*this);
  runner().run(name);
}

void Player::holdRuns(bool held) {
  runsHeld_ = held;
  if (held || heldRuns_.empty()) return;
  // Out of the key press that closed the menu: a run waits on events, which must not happen inside it.
  QTimer::singleShot(0, main_.get(), [this] {
    std::vector<std::string> waiting;
    waiting.swap(heldRuns_);
    for (const std::string& name : waiting) {
      if (quitRequested() || runsHeld_) break;
      runScript(name);
    }
  });
}

bool Player::busy() const {
  if (debug_ && debug_->stopped()) return false;
  return openingGame_ > 0 || engine_.runner().depth() > 0 || main_->startClickPending();
}

void Player::endProgram() {
  ending_ = 1;
  requestQuit();
}

void Player::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  writeExitFiles(session_, windowGeometry());
  // A save that failed since the event loop last ran is still said before the program ends.
  QCoreApplication::sendPostedEvents(main_.get(), QEvent::MetaCall);
}

MonitorWindow& Player::monitor() {
  if (!monitor_) {
    // Only model "4" shows the monitor, which most games never enter: it is made at its first use,
    // as each run would leave it.
    monitor_ = std::make_unique<MonitorWindow>(session_);
    if (unpainted_) leaveUnpainted(*monitor_);
    monitor_->resetInteraction();
    monitor_->clearCaptions();
    connectMonitorHandlers(*this);
    if (zoneReveal_) zoneReveal_->addMonitor(*monitor_);
  }
  return *monitor_;
}

void Player::resetInteraction() {
  main_->screen().resetInteraction();
  if (monitor_) monitor_->resetInteraction();
}

void Player::applyRunLayout() {
  main_->screen().applyRunLayout();
  if (monitor_) monitor_->clearCaptions();
  sayLayoutNotes(false);
}

void Player::showQuoteText(const std::string& text) { main_->screen().showQuoteText(text); }
std::string Player::quoteFormForPage(const std::string& line) { return expandQuoteForm(session_, line); }

void Player::updateScreen() {
  main_->screen().updateScreen();
  if (session_.Modelo == ScreenModel::Monitor) monitor().showBuffer();
}

void Player::leaveMonitor() {
  // Outside model "4" the monitor shows nothing, and its picture would only blank the picture screen.
  if (session_.Modelo != ScreenModel::Monitor) return;
  Screen& screen = main_->screen();
  CanvasView* tela = screen.pictureScreen();
  tela->fitPictureToWidget();
  const QImage shown = monitor().monitorPicture->picture().scaled(std::max(session_.model4Width, 1),
                                                                  std::max(session_.model4Height, 1));
  drawImageOnto(tela->picture(), shown);
  tela->update();
  screen.gameBook()->setCurrentIndex(0);
  monitor().hide();
}

void Player::tellPlayer(const std::string& text) {
  const QString shown = toQt(text);
  noticeOf(main_.get()).say(shown);
  // In model "4" the monitor covers the main window: the notice goes over what the player sees.
  if (monitor_ && monitor_->isVisible()) noticeOf(monitor_.get()).say(shown);
}

ExitGeometry Player::windowGeometry() const {
  ExitGeometry geometry;
  geometry.left = main_->x();
  geometry.top = main_->y();
  geometry.contentWidth = main_->outerBook()->width();
  geometry.contentHeight = main_->outerBook()->height();
  return geometry;
}

void Player::settleAfterRun() {
  main_->screen().settleAfterRun();
  debug_->runEnded();
}

void Player::letEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Player::showRunAbort(const std::string& message) {
  if (options_.headless) {
    std::cerr << "taluvin: " << cp1252ToUtf8(message) << '\n';
    return;
  }
  QMessageBox::critical(main_.get(), "Taluvin", toQt(message));
}

void Player::requestQuit() {
  quitRequested_ = true;
  QCoreApplication::exit(exitCode_);
}

}  // namespace taluvin
