// The voice: every shown text spoken as it appears, in the game's language, stopped by the
// player's next action; and the utterance log that lets speech be checked without a voice.
#pragma once

#include "state/text_listener.h"

#include <QLocale>
#include <QObject>
#include <QStringList>
#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <string>

class QTextToSpeech;

namespace taluvin {

struct GameSession;

// "none" asks for no engine, as if none were installed.
inline constexpr const char* kNoSpeechEngine = "none";

struct SpeechSetup {
  bool voice = false;      // speak aloud
  std::string logFile;     // every utterance as a UTF-8 line; empty: no log
  std::string engine;      // empty: chosen by chooseSpeechEngine
};

// The asked engine when it is installed (none otherwise); without one asked, Flite, which needs no
// service running, then speech-dispatcher, then whatever comes first. Empty: no engine.
QString chooseSpeechEngine(const QStringList& installed, const std::string& asked);

// The locale a game language code ("br", "pt", "en", "fr", "es") is spoken in; any other code
// is spoken in English.
QLocale speechLocale(const std::string& language);

class Speaker : public QObject, public TextListener {
 public:
  // `say` tells the player (in Windows-1252), once each, that no engine could be had or the log
  // could not be written.
  Speaker(const GameSession& session, const SpeechSetup& setup, std::function<void(const std::string&)> say);
  ~Speaker() override;

  void textShown(TextKind kind, const std::string& text) override;
  // The player acted (a click or a key press anywhere): what is being said and what waits to be said
  // are dropped.
  void stop();
  bool speaking() const { return tts_ != nullptr; }

 private:
  void makeVoice(const std::string& asked);
  void speakNext();
  void log(const std::string& utf8Line);

  const GameSession& session_;
  std::function<void(const std::string&)> say_;
  std::unique_ptr<QTextToSpeech> tts_;
  std::deque<QString> waiting_;
  std::string voiceLanguage_;  // the game language the voice last took its locale from
  std::FILE* log_ = nullptr;
  size_t logged_ = 0;
};

}  // namespace taluvin
