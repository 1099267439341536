// Speaking shown texts through Qt's text-to-speech engines, and logging each utterance.
#include "services/speaker.h"

#include "base/text.h"
#include "state/game_session.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QTextToSpeech>
#include <cerrno>
#include <cstring>

namespace taluvin {

namespace {

// Utterances not yet said when more arrive: the oldest go, a player cannot catch up with more.
constexpr size_t kMaxWaiting = 64;
// The log stops past this size, with a last line saying so.
constexpr size_t kMaxLogBytes = 64u << 20;

}  // namespace

QString chooseSpeechEngine(const QStringList& installed, const std::string& asked) {
  if (!asked.empty()) {
    const QString name = QString::fromStdString(asked);
    return installed.contains(name) ? name : QString();
  }
  for (const char* preferred : {"flite", "speechd"})
    if (installed.contains(preferred)) return preferred;
  return installed.isEmpty() ? QString() : installed.front();
}

QLocale speechLocale(const std::string& language) {
  if (language == "br") return QLocale(QLocale::Portuguese, QLocale::Brazil);
  if (language == "pt") return QLocale(QLocale::Portuguese, QLocale::Portugal);
  if (language == "fr") return QLocale(QLocale::French, QLocale::France);
  if (language == "es") return QLocale(QLocale::Spanish, QLocale::Spain);
  return QLocale(QLocale::English, QLocale::UnitedStates);
}

Speaker::Speaker(const GameSession& session, const SpeechSetup& setup, std::function<void(const std::string&)> say)
    : session_(session), say_(std::move(say)) {
  if (!setup.logFile.empty()) {
    log_ = std::fopen(setup.logFile.c_str(), "wb");
    if (!log_ && say_) say_(utf8ToCp1252("speech: could not write the speech log " + setup.logFile + ": " + std::strerror(errno)));
  }
  if (setup.voice) makeVoice(setup.engine);
}

Speaker::~Speaker() {
  if (tts_) tts_->stop();
  if (log_) std::fclose(log_);
}

void Speaker::makeVoice(const std::string& asked) {
  const QString engine = chooseSpeechEngine(QTextToSpeech::availableEngines(), asked);
  if (engine.isEmpty()) {
    if (say_) say_("speech: no speech engine is installed");
    return;
  }
  auto tts = std::make_unique<QTextToSpeech>(engine);
  if (tts->state() == QTextToSpeech::Error) {
    if (say_) say_(fromQt("speech: the speech engine " + engine + " does not start: " + tts->errorString()));
    return;
  }
  tts_ = std::move(tts);
  connect(tts_.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
    if (state == QTextToSpeech::Ready) speakNext();
  });
}

void Speaker::textShown(TextKind, const std::string& text) {
  const std::string utf8 = cp1252ToUtf8(text);
  std::string line = utf8;
  for (char& c : line)
    if (c == '\n') c = ' ';
  log(line);
  if (!tts_) return;
  if (waiting_.size() >= kMaxWaiting) waiting_.pop_front();
  waiting_.push_back(QString::fromStdString(utf8));
  if (tts_->state() == QTextToSpeech::Ready) speakNext();
}

void Speaker::speakNext() {
  if (!tts_ || waiting_.empty() || tts_->state() != QTextToSpeech::Ready) return;
  // putlng changes the language as the game goes; the voice follows at the next utterance.
  if (session_.Language != voiceLanguage_) {
    voiceLanguage_ = session_.Language;
    const QLocale wanted = speechLocale(session_.Language);
    const QList<QLocale> locales = tts_->availableLocales();
    QLocale chosen = wanted;
    if (!locales.contains(wanted)) {
      chosen = QLocale(QLocale::English, QLocale::UnitedStates);
      for (const QLocale& l : locales)
        if (l.language() == wanted.language()) chosen = l;
    }
    if (locales.contains(chosen) || locales.isEmpty()) tts_->setLocale(chosen);
  }
  const QString text = waiting_.front();
  waiting_.pop_front();
  tts_->say(text);
}

void Speaker::stop() {
  waiting_.clear();
  if (tts_ && tts_->state() == QTextToSpeech::Speaking) tts_->stop();
}

void Speaker::log(const std::string& utf8Line) {
  if (!log_) return;
  if (logged_ + utf8Line.size() + 1 > kMaxLogBytes) {
    std::fputs("taluvin: the speech log stops here, at its limit\n", log_);
    std::fclose(log_);
    log_ = nullptr;
    return;
  }
  std::fwrite(utf8Line.data(), 1, utf8Line.size(), log_);
  std::fputc('\n', log_);
  std::fflush(log_);
  logged_ += utf8Line.size() + 1;
}

}  // namespace taluvin
