// Screen: the game's pages inside the main window and the buffers drawn into them.
#pragma once

#include "present/canvas.h"
#include "present/first_use.h"
#include "present/paged_book.h"
#include "state/surface.h"
#include "state/text_listener.h"

#include <QRect>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace taluvin {

class InputHold;
class MainWindow;
class ScriptInterpreter;
struct GameSession;
class FramePage;
class CommandPanel;
class ConsolePage;
class PicturePage;
class WebPageView;
class WebPageComposer;
class ScrollPage;
class MemoBox;
struct MapPage;
struct DownloadPage;
struct ImageStore;
class RainEffect;

// A clickable rectangle a text or picture records on a surface.
struct LinkZone {
  std::string label;
  std::string script;
  std::string hoverPicture;
  std::string sound;
  QRect rect;
  int cursor = 1;
};

// The model-"2" page file, in the game's folder.
inline constexpr const char* kPageFile = "tmp.htm";

class Screen {
 public:
  // Typed-out text holds the player's input in hold, which outlives the screen.
  Screen(MainWindow& window, GameSession& session, InputHold& hold);
  ~Screen();

  // Opening a game: every page laid out from the game's settings lines.
  void applyGameLayout();
  // The start click shows the outer book's first page, the current model's page of the game screen
  // and the command panel's page.
  void showFirstPages();
  void showModelPage();

  // A script run: interaction reset, per-run layout, quote text, and the end-of-run steps.
  void resetInteraction();
  void applyRunLayout();
  void showQuoteText(const std::string& text);
  void updateScreen();
  void settleAfterRun();

  // The pages and their parts.
  MainWindow& window() { return window_; }
  GameSession& session() { return session_; }
  InputHold& inputHold() { return inputHold_; }
  PagedBook* gameBook() const { return gameBook_; }
  FramePage& frame() { return *frame_; }
  CommandPanel& panel() { return *panel_; }
  ConsolePage& console() { return *console_; }
  PicturePage& picturePage() { return *picture_; }
  WebPageView& web() { return *web_; }
  WebPageComposer& webPage() { return *webPage_; }
  ScrollPage& scrollPage() { return *scroll_; }
  // The map page and the hidden stores are made the first time a game uses them: most games use
  // neither, and their widgets would cost every start.
  MapPage& mapPage();
  ImageStore& images() const;
  // Runs made once the map page is made (at once if it is).
  void whenMapPageMade(std::function<void(MapPage&)> made);
  RainEffect& rain() { return *rain_; }
  MemoBox& memoBox();

  // The surfaces other presentation code draws on, with the component names scripts, the replay
  // and tests know them by (their object names).
  CanvasView* pictureScreen() const;   // Tela
  Buffer& pictureBuffer();
  CanvasView* panelPicture() const;    // TelCmd
  Buffer& panelBuffer();
  CanvasView* framePicture() const;    // Imp
  PictureView* endButton() const;      // btFim
  CanvasView* loadingImage() const;    // BufShp
  CanvasView* pageImage() const;       // TelMod3
  CanvasView* scrollPicture() const;   // Tela3
  QLabel* caption() const;             // Legda
  QLabel* captionShadow() const;       // Sombra
  QPlainTextEdit* messageStrip() const;  // Msg
  QPlainTextEdit* consoleText() const;   // MsgMd0
  QLineEdit* commandLine() const;        // Input

  // Model "4" draws into the monitor buffer; the monitor window shows it.
  Buffer& monitorBuffer();

  // Who hears of each text the screen shows (the transcript, the voice).
  TextListeners& shownText() { return shownText_; }

  // The line store read back wherever a text argument is "$".
  void appendLineStore(const std::string& line);
  void setLineStore(const std::string& text);
  void clearLineStore();
  std::string lineStoreText(const char* separator) const;

  // Every surface cleared to the background colour ("cleartotal").
  void clearAllSurfaces();
  void letEventsRun();
  // Whether the program is ending: waits on the screen (typed-out text, scrolling) stop early.
  void setQuitCheck(std::function<bool()> check) { quitCheck_ = std::move(check); }
  bool quitting() const { return quitCheck_ && quitCheck_(); }
  // The player's text speed: typed-out and scrolled-in text at this percent of the game's own speed;
  // 0 shows it at once. The game's typing speed itself is left as the game set it.
  int textSpeed() const { return textSpeed_; }
  void setTextSpeed(int percent) { textSpeed_ = percent; }

  // A zone recorded in the slots of the surface it lies on.
  void recordZone(Surface surface, const LinkZone& zone);
  // The monitor window is shown maximized: its client area is the screen's available area.
  QSize monitorClientSize() const;

 private:
  void applyStyleFromSettings();
  // The end of a run in model "2": the page's end tags, the page file, and the page in WebB.
  void finishWebPage();
  // The composed page with its end tags, empty when the run composed nothing.
  std::string composedPage() const;
  void writePageFile(const std::string& html);
  void layGameBookSize(size_t widthLine, size_t heightLine);
  MapPage* makeMapPage();

  MainWindow& window_;
  GameSession& session_;
  int textSpeed_ = 100;
  InputHold& inputHold_;
  PagedBook* gameBook_;  // Abok1
  std::unique_ptr<FramePage> frame_;
  std::unique_ptr<CommandPanel> panel_;
  std::unique_ptr<ConsolePage> console_;
  std::unique_ptr<PicturePage> picture_;
  std::unique_ptr<WebPageView> web_;
  std::unique_ptr<WebPageComposer> webPage_;
  std::unique_ptr<ScrollPage> scroll_;
  QWidget* mapPageWidget_;  // page "Mapa"; its widgets wait in map_
  QSize mapSize_{596, 323};  // the map's scroll box, from lines 96 and 97
  std::unique_ptr<MapPage> map_;
  FirstUse<MapPage> mapPage_;  // made into map_
  std::unique_ptr<DownloadPage> download_;
  QWidget* imagesPage_;
  mutable std::unique_ptr<ImageStore> images_;
  std::unique_ptr<RainEffect> rain_;
  std::function<bool()> quitCheck_;
  TextListeners shownText_;
};


}  // namespace taluvin
