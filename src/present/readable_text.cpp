// Readable text: the player's setting file, and the keeper that holds the console and strip to it.
#include "present/readable_text.h"


#include "present/screen.h"
#include "present/zone_reveal.h"
#include "services/player_volume.h"
#include "state/player_file.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>

namespace taluvin {

namespace {

constexpr double kLarger = 1.5;

std::optional<bool> readSwitch(const std::string& value) {
  if (value == "1") return true;
  if (value == "0") return false;
  return std::nullopt;
}

bool sameSize(const QFont& a, const QFont& b) {
  return a.pixelSize() > 0 ? a.pixelSize() == b.pixelSize() : a.pointSizeF() == b.pointSizeF();
}

// Scripts set the widget's font and palette at every run and style command; the keeper puts the
// player's choice back over each change, starting from the size the game asked for.
class TextKeeper : public QObject {
 public:
  TextKeeper(QPlainTextEdit* text, ReadableText choice) : QObject(text), text_(text), choice_(choice) {
    text->installEventFilter(this);
    keep();
  }

  bool eventFilter(QObject*, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (!applying_ && (type == QEvent::FontChange || type == QEvent::PaletteChange)) keep();
    return false;
  }

 private:
  void keep() {
    applying_ = true;
    if (choice_.largeText) enlarge();
    if (choice_.highContrast) contrast();
    applying_ = false;
  }

  void enlarge() {
    QFont font = text_->font();
    if (applied_ && font == *applied_) return;
    // A font made from the enlarged one (a new face or style) keeps the size the game gave before.
    if (!applied_ || !sameSize(font, *applied_)) asked_ = font;
    if (asked_.pixelSize() > 0)
      font.setPixelSize(static_cast<int>(std::lround(asked_.pixelSize() * kLarger)));
    else
      font.setPointSizeF(asked_.pointSizeF() * kLarger);
    text_->setFont(font);
    applied_ = text_->font();
  }

  void contrast() {
    QPalette p = text_->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button}) p.setColor(role, Qt::black);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
      p.setColor(role, Qt::white);
    if (p != text_->palette()) text_->setPalette(p);
  }

  QPlainTextEdit* text_;
  ReadableText choice_;
  std::optional<QFont> applied_;
  QFont asked_;
  bool applying_ = false;
};

}  // namespace

ReadableText parseReadableText(const std::string& text) {
  ReadableText choice;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = line.substr(0, equals);
    if (key == "text-speed") {
      const std::string value = line.substr(equals + 1);
      if (value == "instant") {
        choice.textSpeed = 0;
      } else if (!value.empty() && value.size() <= 4 && value.find_first_not_of("0123456789") == std::string::npos) {
        const int percent = std::stoi(value);
        if (percent >= 10 && percent <= 1000) choice.textSpeed = percent;
      }
      continue;
    }
    const std::optional<bool> on = readSwitch(line.substr(equals + 1));
    if (!on) continue;
    if (key == "large-text") choice.largeText = *on;
    if (key == "high-contrast") choice.highContrast = *on;
  }
  return choice;
}

std::string formatReadableText(const ReadableText& choice) {
  return std::string("large-text=") + (choice.largeText ? "1" : "0") + "\nhigh-contrast=" +
         (choice.highContrast ? "1" : "0") + "\ntext-speed=" +
         (choice.textSpeed == 0 ? std::string("instant") : std::to_string(choice.textSpeed)) + "\n";
}

void saveReadableText(const std::string& file, const ReadableText& choice) { keepPlayerFile(file, formatReadableText(choice)); }

std::string readableTextFile() {
  const std::string audio = playerVolumeFile();
  if (audio.empty()) return {};
  return std::filesystem::path(audio).replace_filename("reading.ini").string();
}

ReadableText loadReadableText(const std::string& file) {
  const auto text = readPlayerFile(file);
  return text ? parseReadableText(*text) : ReadableText();
}

void keepTextReadable(Screen& screen, ZoneReveal& reveal, const ReadableText& choice) {
  reveal.setHighContrast(choice.highContrast);
  screen.setTextSpeed(choice.textSpeed);
  if (!choice.largeText && !choice.highContrast) return;
  for (QPlainTextEdit* text : {screen.consoleText(), screen.messageStrip()}) new TextKeeper(text, choice);
}

}  // namespace taluvin
