// Picks the player's language and holds its one loaded translation.
#include "app/player_language.h"

#include "services/player_volume.h"
#include "state/state_writer.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace taluvin {

namespace {

constexpr const char* kLanguageKey = "language=";
constexpr std::streamsize kMaxFileBytes = 4096;

// Qt keeps installed translators process-wide, and --help is answered before any application
// exists, so the one translation lives here rather than in an object passed around.
struct LoadedLanguage {
  PlayerLanguage language = PlayerLanguage::English;
  std::unique_ptr<QTranslator> translator;
  bool installed = false;
};

LoadedLanguage& loaded() {
  static LoadedLanguage language;
  return language;
}

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

LocaleVariables localeVariablesOfProcess() {
  return {variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG"), variable("LANGUAGE")};
}

PlayerLanguage languageOfLocale(const LocaleVariables& locale) {
  std::string name;
  for (const std::string* candidate : {&locale.lcAll, &locale.lcMessages, &locale.lang}) {
    if (!candidate->empty()) {
      name = *candidate;
      break;
    }
  }
  if (name.empty()) name = locale.language.substr(0, locale.language.find(':'));
  return name.rfind("pt", 0) == 0 ? PlayerLanguage::BrazilianPortuguese : PlayerLanguage::English;
}

PlayerLanguage languageOf(LanguageChoice choice, const LocaleVariables& locale) {
  switch (choice) {
    case LanguageChoice::English: return PlayerLanguage::English;
    case LanguageChoice::BrazilianPortuguese: return PlayerLanguage::BrazilianPortuguese;
    case LanguageChoice::System: break;
  }
  return languageOfLocale(locale);
}

LanguageChoice parseLanguageChoice(const std::string& text) {
  LanguageChoice choice = LanguageChoice::System;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == std::string(kLanguageKey) + "en") choice = LanguageChoice::English;
    else if (line == std::string(kLanguageKey) + "pt_BR") choice = LanguageChoice::BrazilianPortuguese;
    else if (line == std::string(kLanguageKey) + "system") choice = LanguageChoice::System;
    start = end + 1;
  }
  return choice;
}

std::string formatLanguageChoice(LanguageChoice choice) {
  const char* value = choice == LanguageChoice::English               ? "en"
                      : choice == LanguageChoice::BrazilianPortuguese ? "pt_BR"
                                                                      : "system";
  return std::string(kLanguageKey) + value + '\n';
}

std::string languageChoiceFile() {
  const std::string folder = playerConfigFolder();
  return folder.empty() ? folder : folder + "/language.ini";
}

LanguageChoice loadLanguageChoice(const std::string& file) {
  if (file.empty()) return LanguageChoice::System;
  std::ifstream in(file, std::ios::binary);
  if (!in) return LanguageChoice::System;
  std::string text(static_cast<size_t>(kMaxFileBytes), '\0');
  in.read(text.data(), kMaxFileBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  return parseLanguageChoice(text);
}

void saveLanguageChoice(const std::string& file, LanguageChoice choice) {
  if (file.empty()) return;
  std::error_code ignored;  // a folder that cannot be made is said by the writer's failure
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  StateSet set;
  set.addBytes(file, formatLanguageChoice(choice));
  set.submit();
}

void usePlayerLanguage(PlayerLanguage language) {
  LoadedLanguage& current = loaded();
  if (current.translator && current.installed && QCoreApplication::instance())
    QCoreApplication::removeTranslator(current.translator.get());
  current.translator.reset();
  current.installed = false;
  current.language = language;
  if (language == PlayerLanguage::English) return;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/translations/taluvin_pt_BR.qm"))) return;
  current.translator = std::move(translator);
  installPlayerLanguage();
}

PlayerLanguage playerLanguage() { return loaded().language; }

void installPlayerLanguage() {
  LoadedLanguage& current = loaded();
  if (!current.translator || current.installed || !QCoreApplication::instance()) return;
  QCoreApplication::installTranslator(current.translator.get());
  current.installed = true;
}

QString playerText(const char* context, const char* source) {
  if (const QTranslator* translator = loaded().translator.get()) {
    const QString translated = translator->translate(context, source);
    if (!translated.isEmpty()) return translated;
  }
  return QString::fromUtf8(source);
}

std::string playerTextUtf8(const char* context, const char* source) {
  return playerText(context, source).toStdString();
}

}  // namespace taluvin
