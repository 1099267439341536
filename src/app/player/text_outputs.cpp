// The transcript and the voice hear every shown text; Ctrl+T shows the transcript.
#include "app/player/text_outputs.h"

#include "app/speech_options.h"
#include "app/player/player.h"
#include "interact/key_router.h"
#include "base/text.h"
#include "present/main_window.h"
#include "present/screen.h"
#include "present/transcript_view.h"
#include "services/player_speech.h"
#include "services/speaker.h"
#include "services/transcript.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <iostream>
#include <memory>

namespace taluvin {

namespace {

constexpr const char* kOutputsName = "TextOutputs";

// Owned by the main window, whose screen goes before the window's children: no text is told to the
// listeners once they are gone, so they never leave the screen's list.
class TextOutputs : public QObject {
 public:
  TextOutputs(Player& player, const SpeechOptions& options) : QObject(&player.mainWindow()), player_(player) {
    setObjectName(kOutputsName);
    const auto say = [&player](const std::string& message) {
      player.trace().line(message);
      std::cerr << "taluvin: " << cp1252ToUtf8(message) << '\n';
    };
    transcript_ = std::make_unique<Transcript>(player.session(), say);
    player.mainWindow().screen().shownText().add(transcript_.get());
    const std::string settingFile = speechSettingFile();
    if (options.speak) saveSpeechSetting(settingFile, *options.speak);
    SpeechSetup setup;
    // --headless has no sound device to speak through; the log still hears everything.
    setup.voice = options.speak.value_or(loadSpeechSetting(settingFile)) && !player.headless();
    setup.logFile = options.log;
    setup.engine = options.engine;
    if (setup.voice || !setup.logFile.empty()) {
      speaker_ = std::make_unique<Speaker>(player.session(), setup, say);
      player.mainWindow().screen().shownText().add(speaker_.get());
    }
    if (Speaker* speaker = speaker_.get()) player.keyRouter().watchEveryPress([speaker] { speaker->stop(); });
    // Taken whole, press and release, so the game never sees it as a typed letter.
    player.keyRouter().addShortcut({.keys = Qt::CTRL | Qt::Key_T, .action = [&player] { showTranscript(player); }});
  }

  Transcript& transcript() { return *transcript_; }

 private:
  Player& player_;
  std::unique_ptr<Transcript> transcript_;
  std::unique_ptr<Speaker> speaker_;
};

}  // namespace

void connectTextOutputs(Player& player, const SpeechOptions& options) { new TextOutputs(player, options); }

void showTranscript(Player& player) {
  MainWindow& window = player.mainWindow();
  if (auto* outputs = window.findChild<TextOutputs*>(kOutputsName, Qt::FindDirectChildrenOnly))
    outputs->transcript().flush();
  std::string problem;
  const std::string file = transcriptFile(player.session().GameName, problem);
  if (file.empty()) {
    player.tellPlayer(problem);
    return;
  }
  // The cap keeps the file small enough to read whole; a missing file is a game that showed nothing.
  QFile in(QString::fromStdString(file));
  const QString text = in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.read(2 * kTranscriptCapBytes)) : QString();
  auto* view = window.findChild<TranscriptView*>("Transcript", Qt::FindDirectChildrenOnly);
  if (!view) {
    view = new TranscriptView(&window);
    view->setWindowFlag(Qt::Window);
  }
  view->showTranscript(toQt(player.session().GameName), text);
  view->show();
  view->raise();
  view->activateWindow();
}

}  // namespace taluvin
