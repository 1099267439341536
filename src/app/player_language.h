// The language of the player's own words (menu, notices, --help, errors): the system's or the menu's.
#pragma once

#include <QString>
#include <string>

namespace taluvin {

enum class PlayerLanguage { English, BrazilianPortuguese };

// What the menu remembers: follow the system's locale, or one language whatever the system says.
enum class LanguageChoice { System, English, BrazilianPortuguese };

// The variables a locale is read from, in the order they win.
struct LocaleVariables {
  std::string lcAll, lcMessages, lang, language;
};
LocaleVariables localeVariablesOfProcess();

// The first of LC_ALL, LC_MESSAGES and LANG that is set, else LANGUAGE's first entry: any "pt..."
// is Brazilian Portuguese, anything else (C, POSIX, en_GB, unset) English.
PlayerLanguage languageOfLocale(const LocaleVariables& locale);
PlayerLanguage languageOf(LanguageChoice choice, const LocaleVariables& locale);

// A line "language=system|en|pt_BR"; anything else is ignored and reads as following the system.
LanguageChoice parseLanguageChoice(const std::string& text);
std::string formatLanguageChoice(LanguageChoice choice);
// "language.ini" in the player's config folder; empty when there is none.
std::string languageChoiceFile();
LanguageChoice loadLanguageChoice(const std::string& file);
// Through the state writer, as the player's other settings; an empty file name remembers nothing.
void saveLanguageChoice(const std::string& file, LanguageChoice choice);

// Loads the translation of the language for playerText; needs no application, so --help and the
// option errors can be said in it. English loads nothing: the sources are the English words.
void usePlayerLanguage(PlayerLanguage language);
PlayerLanguage playerLanguage();
// Hands the loaded translation to the application too, for QCoreApplication::translate.
void installPlayerLanguage();

// The source text in the player's language; the source itself when it has no translation.
QString playerText(const char* context, const char* source);
std::string playerTextUtf8(const char* context, const char* source);

}  // namespace taluvin
