// Builds the game's pages inside the main window and lays them out from the settings.
#include "present/screen.h"

#include "base/text.h"
#include "present/command_panel.h"
#include "present/console_output.h"
#include "present/console_page.h"
#include "present/extra_pages.h"
#include "present/font_faces.h"
#include "present/frame_page.h"
#include "present/layout_settings.h"
#include "present/main_window.h"
#include "present/map_commands.h"
#include "present/memo_box.h"
#include "present/picture_commands.h"
#include "present/picture_page.h"
#include "present/rain_effect.h"
#include "present/scroll_page.h"
#include "present/visor_view.h"
#include "present/web_page_composer.h"
#include "present/web_page_view.h"
#include "present/zone_drawing.h"
#include "script/interpreter.h"
#include "state/game_paths.h"
#include "state/game_session.h"
#include "state/state_writer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace taluvin {

Screen::Screen(MainWindow& window, GameSession& session, InputHold& hold)
    : window_(window), session_(session), inputHold_(hold), mapPage_([this] { return makeMapPage(); }) {
  installFontSubstitutes();
  QWidget* page = window.defaultPage();
  frame_ = std::make_unique<FramePage>(page, session);
  panel_ = std::make_unique<CommandPanel>(page, session);

  gameBook_ = new PagedBook(page);
  gameBook_->setObjectName("Abok1");
  gameBook_->setGeometry(39, 36, 596, 323);
  picture_ = std::make_unique<PicturePage>(gameBook_->addPage("1"), session);
  console_ = std::make_unique<ConsolePage>(gameBook_->addPage("0"), session);
  web_ = std::make_unique<WebPageView>(gameBook_->addPage("2"), session);
  webPage_ = std::make_unique<WebPageComposer>(session);
  mapPageWidget_ = gameBook_->addPage("Mapa");
  imagesPage_ = window.imagesPage();
  rain_ = std::make_unique<RainEffect>(*this);
  scroll_ = std::make_unique<ScrollPage>(gameBook_->addPage("3"), window.imagesPage());
  download_ = std::make_unique<DownloadPage>(gameBook_->addPage("Down"));
  gameBook_->showPage("1");

  // The command line lies over the game screen book, as in the window's design.
  panel_->commandLine->raise();
  window.installEventFilter(picture_->memo);
  frame_->loadEndButton(session, session.ProgramFolder, "bot1.bmp");
  resizeBuffer(session.buffers.monitor, 640, 420);
}

Screen::~Screen() = default;

MemoBox& Screen::memoBox() { return *picture_->memo; }
CanvasView* Screen::pictureScreen() const { return picture_->pictureScreen; }
Buffer& Screen::pictureBuffer() { return session_.buffers.pictureScreen; }
CanvasView* Screen::panelPicture() const { return panel_->panelPicture; }
Buffer& Screen::panelBuffer() { return session_.buffers.commandPanel; }
Buffer& Screen::monitorBuffer() { return session_.buffers.monitor; }
CanvasView* Screen::framePicture() const { return frame_->framePicture; }
PictureView* Screen::endButton() const { return frame_->endButton; }
CanvasView* Screen::loadingImage() const { return images().loadingImage; }

MapPage& Screen::mapPage() { return mapPage_.get(); }

void Screen::whenMapPageMade(std::function<void(MapPage&)> made) { mapPage_.whenMade(std::move(made)); }

MapPage* Screen::makeMapPage() {
  map_ = std::make_unique<MapPage>(mapPageWidget_);
  map_->mapScroll->resize(mapSize_);
  // Made after its page may have been shown, the box shows with it all the same.
  map_->mapScroll->show();
  return map_.get();
}

ImageStore& Screen::images() const {
  if (!images_) images_ = std::make_unique<ImageStore>(imagesPage_);
  return *images_;
}
CanvasView* Screen::pageImage() const { return scroll_->pageImage; }
CanvasView* Screen::scrollPicture() const { return scroll_->scrollPicture; }
QLabel* Screen::caption() const { return picture_->caption; }
QLabel* Screen::captionShadow() const { return picture_->captionShadow; }
QPlainTextEdit* Screen::messageStrip() const { return picture_->messageStrip; }
QPlainTextEdit* Screen::consoleText() const { return console_->consoleText; }
QLineEdit* Screen::commandLine() const { return panel_->commandLine; }

void Screen::letEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Screen::applyStyleFromSettings() {
  auto& st = session_.screen.style;
  const auto& settings = session_.settings;
  st.face = settings.line(15);
  st.size = lineFontSize(session_, 16, st.size);
  const auto letters = readStyleLetters(settings.line(67));
  st.bold = letters.bold;
  st.italic = letters.italic;
  st.underline = letters.underline;
  st.background = settings.line(18);
  st.text = settings.line(19);
}

void Screen::layGameBookSize(size_t widthLine, size_t heightLine) {
  gameBook_->resize(lineSurface(session_, widthLine, heightLine, gameBook_->size()));
}

void Screen::applyGameLayout() {
  auto& s = session_;
  // The opening runs outside any script run: a colour line that does not read is said and painted
  // as the built-in colour, and the settings go back to what the file holds afterwards.
  struct KeepSettings {
    GameSession& session;
    Settings kept;
    ~KeepSettings() { session.settings = std::move(kept); }
  } keep{s, s.settings};
  setAsideUnreadableColours(s);
  frame_->applyGameLayout(window_, s);
  applyStyleFromSettings();
  s.screen.style.link = s.settings.line(20);
  s.screen.style.visited = s.settings.line(21);
  gameBook_->setGeometry(QRect(QPoint(linePosition(s, 22, gameBook_->x()), linePosition(s, 23, gameBook_->y())),
                            lineSurface(s, 24, 25, gameBook_->size())));
  const QColor background = backgroundColour(s);
  paintWidget(gameBook_, background);
  gameBook_->showPage(toQt(s.Modelo.text()));

  // Each page is laid out while it is the page shown; page "3" stays shown.
  gameBook_->showPage("0");
  console_->applyGameLayout(s, gameBook_->size());
  gameBook_->showPage("1");
  picture_->applyGameLayout(s);
  if (s.Modelo == ScreenModel::Monitor) gameBook_->resize(picture_->pictureScreen->size());
  // The web and scroll pages are painted for the game when its model is entered; a game that
  // opens in one of them enters it here.
  if (s.Modelo == ScreenModel::WebPage) web_->showEmptyPage(s.screen.style.background);
  gameBook_->showPage("2");
  const QSize webPage = lineSurface(s, 51, 52, gameBook_->size());
  web_->fitToPage(webPage.width(), webPage.height());
  gameBook_->showPage("3");
  scroll_->applyGameLayout(s);
  if (s.Modelo == ScreenModel::ScrollPage) scroll_->paintBox(background, textColour(s));
  mapSize_ = lineSurface(s, 96, 97, mapSize_);
  if (MapPage* map = mapPage_.ifMade()) map->mapScroll->resize(mapSize_);

  panel_->applyGameLayout(s);
  showModelPage();
  session_.zones.resetZones();
  session_.zones.clearPointer();
}

void Screen::showModelPage() {
  // A game opened in the console or page model shows that model's page, even when its first script
  // keeps the model with "modo=": the picture page would leave its text on a page nobody sees.
  const ScreenModel model = session_.Modelo.kind();
  if (model == ScreenModel::Console || model == ScreenModel::WebPage || model == ScreenModel::ScrollPage)
    gameBook_->showPage(toQt(session_.Modelo.text()));
  else
    gameBook_->showPage("1");
}

void Screen::showFirstPages() {
  window_.outerBook()->showPage("Default");
  showModelPage();
  panel_->panelBook->setCurrentIndex(0);
}

void Screen::resetInteraction() {
  if (panel_->registerInputMade()) panel_->registerInput()->hide();
  picture_->memo->reset();
  window_.outerBook()->showPage("Default");
  // Platforms without a window stack (the offscreen one) have nothing to raise the window above.
  if (session_.Modelo != ScreenModel::Monitor && QGuiApplication::platformName() != "offscreen") window_.raise();
  rain_->reset();
  stopVisor(*this);
  session_.zones.resetZones();
  picture_->pictureScreen->setCursor(Qt::ArrowCursor);
  session_.zones.clearPointer();
}

void Screen::applyRunLayout() {
  auto& s = session_;
  applyStyleFromSettings();
  for (QLabel* caption : {picture_->caption, picture_->captionShadow}) {
    caption->clear();
    caption->move(caption->x(), 1000);
  }
  if (s.Modelo == ScreenModel::Monitor) return;

  const QString page = gameBook_->currentPageName();
  std::string styleLetters = s.settings.line(67);
  if (page == "0") {
    layGameBookSize(24, 25);
    console_->applyRunLayout(s, gameBook_->size());
    styleLetters = s.settings.line(57);
  } else if (page == "1") {
    layGameBookSize(24, 25);
    picture_->applyRunLayout(s);
  } else if (page == "2") {
    panel_->setInputShown(false);
    layGameBookSize(51, 52);
    webPage_->startPage();
  } else if (page == "3") {
    panel_->setInputShown(false);
    layGameBookSize(49, 50);
    scroll_->applyRunLayout(s);
    clearLineStore();
  }
  panel_->applyRunLayout(s, styleLetters, s.Modelo == ScreenModel::Console || s.Modelo == ScreenModel::PictureScreen);
}

void Screen::showQuoteText(const std::string& text) {
  const ScreenModel model = session_.Modelo.kind();
  shownText_.tellMessage(model, text);
  if (model == ScreenModel::Console) {
    consoleOutput(*this, text);
  } else if (model == ScreenModel::PictureScreen) {
    picture_->appendToStrip(toQt(text));
  } else if (model == ScreenModel::WebPage) {
    webPage_->addMessage(text);
  } else if (model == ScreenModel::ScrollPage || model == ScreenModel::Monitor) {
    appendLineStore(text);
  }
}

void Screen::updateScreen() {
  drawHudIntoBuffer(*this);
  if (session_.Modelo == ScreenModel::PictureScreen) {
    picture_->pictureScreen->fitPictureToWidget();
    showBufferOn(*picture_->pictureScreen, session_.buffers.pictureScreen);
    // The scene stays around a view smaller than the screen.
    if (session_.visor.defined) showVisorView(*this);
    picture_->pictureScreen->update();
  }
  panel_->showBuffer();
}

void Screen::settleAfterRun() {
  const ScreenModel model = session_.Modelo.kind();
  // A program that is ending shows nothing more: it keeps the page file, which costs little, and
  // lays out no page, which could cost the end its promptness.
  if (quitting()) {
    if (model == ScreenModel::WebPage) writePageFile(composedPage());
    return;
  }
  // A register input box the run opened keeps the keyboard: the player is to answer it first.
  if ((model == ScreenModel::Console || model == ScreenModel::PictureScreen) && panel_->commandLine->isVisible() &&
      !(panel_->registerInputMade() && panel_->registerInput()->isVisible()))
    panel_->commandLine->setFocus();
  if (gameBook_->currentPageName() == "Mapa") refreshMap(*this);
  if (model == ScreenModel::ScrollPage) {
    scroll_->showPageImage();
    if (session_.visor.defined) showVisorView(*this);
  }
  if (model == ScreenModel::WebPage) finishWebPage();
}

std::string Screen::composedPage() const {
  const Lines& page = session_.PageLines;
  // A run that added nothing leaves the page shown before it.
  if (page.empty()) return {};
  // The tail goes to the file and the view only: the composed lines stay as the run left them, so
  // a later run that starts no page of its own cannot close this one twice.
  Lines tail;
  if (!webPage_->closingTags().empty()) tail.push_back(webPage_->closingTags());
  tail.insert(tail.end(), {"</font></div>", "</html>", "</body>"});
  std::string html;
  for (const std::string& line : page) html += line + "\r\n";
  for (const std::string& line : tail) html += line + "\r\n";
  return html;
}

void Screen::writePageFile(const std::string& html) {
  // The page file is the player's own, rewritten whole at every run like the state files; a
  // "tmp.htm" that leads out of the folder is left alone and the page is shown all the same.
  if (html.empty() || !session_.gameOpen()) return;
  if (const auto path = session_.resolveName(kPageFile)) {
    StateSet set;
    set.addBytes(*path, html);
    set.submit();
  }
}

void Screen::finishWebPage() {
  const std::string html = composedPage();
  if (html.empty()) return;
  writePageFile(html);
  shownText_.tell(TextKind::WebPage, html);
  web_->showPage(html);
  letEventsRun();
}

void Screen::appendLineStore(const std::string& line) {
  session_.screen.lineStore.push_back(line);
  images().lineStoreMemo->appendPlainText(toQt(line));
}

void Screen::setLineStore(const std::string& text) {
  session_.screen.lineStore.assign(1, text);
  images().lineStoreMemo->setPlainText(toQt(text));
}

void Screen::clearLineStore() {
  session_.screen.lineStore.clear();
  images().lineStoreMemo->clear();
}

std::string Screen::lineStoreText(const char* separator) const {
  std::string text;
  const auto& lines = session_.screen.lineStore;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += separator;
    text += lines[i];
  }
  return text;
}

void Screen::clearAllSurfaces() {
  const QColor background = backgroundColour(session_);
  console_->clear();
  panel_->commandLine->clear();
  picture_->messageStrip->clear();
  picture_->pictureScreen->fillPicture(background);
  Buffer& buffer = session_.buffers.pictureScreen;
  growBuffer(buffer, picture_->pictureScreen->width(), picture_->pictureScreen->height(), background);
  buffer.fill(background);
  scroll_->pageImage->picture().fill(background);
  panel_->panelPicture->fillPicture(background);
  scroll_->showPageImage();
  letEventsRun();
}

void Screen::recordZone(Surface surface, const LinkZone& zone) { recordLinkZone(session_.zones, surface, zone); }

QSize Screen::monitorClientSize() const {
  if (auto* s = QGuiApplication::primaryScreen()) return s->availableGeometry().size();
  return QSize(1024, 768);
}


}  // namespace taluvin
