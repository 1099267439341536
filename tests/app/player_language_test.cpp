// The player's own words follow the locale or the menu's choice; English stays exactly as it was.
#include "app/options.h"
#include "app/player_language.h"
#include "support/program_process.h"

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace taluvin;
using taluvin::testing::ProgramProcess;
using taluvin::testing::ProgramRun;

namespace {

ProgramRun helpUnder(const std::vector<std::pair<std::string, std::string>>& environment) {
  ProgramProcess program({"--help"}, environment);
  return program.finish(60000);
}

std::set<std::string> optionsNamedIn(const std::string& text) {
  std::set<std::string> options;
  const std::regex option("--[a-z][a-z-]*");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), option); it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  return options;
}

}  // namespace

TEST(PlayerLanguage, TheLocaleVariablesWinInTheirOrder) {
  const auto pt = PlayerLanguage::BrazilianPortuguese;
  const auto en = PlayerLanguage::English;
  EXPECT_EQ(languageOfLocale({"", "", "pt_BR.UTF-8", ""}), pt);
  EXPECT_EQ(languageOfLocale({"", "", "pt_PT", ""}), pt);
  EXPECT_EQ(languageOfLocale({"", "", "en_US.UTF-8", ""}), en);
  EXPECT_EQ(languageOfLocale({"C", "", "pt_BR.UTF-8", ""}), en);
  EXPECT_EQ(languageOfLocale({"", "pt_BR", "C", ""}), pt);
  EXPECT_EQ(languageOfLocale({"pt_BR.UTF-8", "en_GB", "en_GB", "en"}), pt);
  // LANGUAGE is read only when no locale is set, and then only its first entry.
  EXPECT_EQ(languageOfLocale({"", "", "", "pt_BR:en"}), pt);
  EXPECT_EQ(languageOfLocale({"", "", "", "en:pt_BR"}), en);
  EXPECT_EQ(languageOfLocale({"", "", "C.UTF-8", "pt_BR"}), en);
  EXPECT_EQ(languageOfLocale({}), en);
  EXPECT_EQ(languageOfLocale({"", "", "POSIX", ""}), en);
}

TEST(PlayerLanguage, TheMenusChoiceIsKeptAndBeatsTheLocale) {
  const LocaleVariables portuguese{"", "", "pt_BR.UTF-8", ""};
  EXPECT_EQ(languageOf(LanguageChoice::System, portuguese), PlayerLanguage::BrazilianPortuguese);
  EXPECT_EQ(languageOf(LanguageChoice::English, portuguese), PlayerLanguage::English);
  EXPECT_EQ(languageOf(LanguageChoice::BrazilianPortuguese, {}), PlayerLanguage::BrazilianPortuguese);
  for (auto choice : {LanguageChoice::System, LanguageChoice::English, LanguageChoice::BrazilianPortuguese})
    EXPECT_EQ(parseLanguageChoice(formatLanguageChoice(choice)), choice);
  EXPECT_EQ(parseLanguageChoice("# kept by hand\r\nlanguage=pt_BR\r\n"), LanguageChoice::BrazilianPortuguese);
  EXPECT_EQ(parseLanguageChoice("language=klingon\n"), LanguageChoice::System);
  EXPECT_EQ(loadLanguageChoice(""), LanguageChoice::System);
  EXPECT_EQ(loadLanguageChoice("no-such-file.ini"), LanguageChoice::System);
}

TEST(PlayerLanguage, HelpIsPortugueseUnderAPortugueseLocaleAndEnglishOtherwise) {
  const std::string english = usageText();
  for (const auto& environment : std::vector<std::vector<std::pair<std::string, std::string>>>{
           {}, {{"LANG", "C"}}, {{"LANG", "en_US.UTF-8"}}, {{"LANG", "pt_BR.UTF-8"}, {"LC_ALL", "C"}}}) {
    const ProgramRun run = helpUnder(environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, english);
  }
  for (const auto& environment : std::vector<std::vector<std::pair<std::string, std::string>>>{
           {{"LANG", "pt_BR.UTF-8"}}, {{"LANG", ""}, {"LANGUAGE", "pt_BR:en"}}, {{"LC_MESSAGES", "pt_BR"}}}) {
    const ProgramRun run = helpUnder(environment);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Uso: taluvin", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("Opções:"), std::string::npos);
    // Every option is still named, spelled as typed: only the words around them change.
    EXPECT_EQ(optionsNamedIn(run.out), optionsNamedIn(english));
  }
}

TEST(PlayerLanguage, OptionErrorsAreTranslatedWithTheirValuesLeftAsGiven) {
  ProgramProcess portuguese({"--nope"}, {{"LANG", "pt_BR.UTF-8"}});
  const ProgramRun unknown = portuguese.finish(60000);
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_EQ(unknown.err.rfind("taluvin: opção desconhecida --nope\n\nUso:", 0), 0u) << unknown.err;
  ProgramProcess missing({"--trace"}, {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_NE(missing.finish(60000).err.find("taluvin: --trace precisa de um nome de arquivo\n"), std::string::npos);
  ProgramProcess scale({"--scale", "%2x"}, {{"LANG", "pt_BR.UTF-8"}});
  EXPECT_EQ(scale.finish(60000).err, "taluvin: --scale aceita auto ou um fator de 1 a 8 (como 1.5 ou 2), não '%2x'\n");
  ProgramProcess english({"--trace-limit", "0"});
  EXPECT_EQ(english.finish(60000).err,
            "taluvin: --trace-limit takes a whole number of megabytes from 1 to 1048576, not '0'\n");
}

TEST(PlayerLanguage, TheRememberedChoiceOverridesTheLocale) {
  const std::string folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/taluvin";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/language.ini") << "language=en\n";
  EXPECT_EQ(helpUnder({{"LANG", "pt_BR.UTF-8"}}).out, usageText());
  std::ofstream(folder + "/language.ini") << "language=pt_BR\n";
  EXPECT_EQ(helpUnder({}).out.rfind("Uso:", 0), 0u);
}

TEST(PlayerLanguage, PortugueseHelpKeepsTheDescriptionsInTheirColumn) {
  usePlayerLanguage(PlayerLanguage::BrazilianPortuguese);
  const std::string portuguese = usageText();
  usePlayerLanguage(PlayerLanguage::English);
  ASSERT_EQ(portuguese.rfind("Uso:", 0), 0u);
  std::istringstream lines(portuguese);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) continue;
    // An option's first line, or a continuation indented to the descriptions' column.
    const bool continuation = line.find_first_not_of(' ') == 18;
    const bool option = line.rfind("  --", 0) == 0 && line.find(' ', 4) != std::string::npos;
    EXPECT_TRUE(continuation || option) << line;
  }
  // Back to English once English is in use again: nothing of the translation lingers.
  EXPECT_EQ(usageText().rfind("Usage:", 0), 0u);
}

// The contexts the code asks in are the ones lupdate wrote: a mismatch leaves the words English.
TEST(PlayerLanguage, TheMenuAndTheNoticesAreFoundUnderTheContextsTheCodeAsksIn) {
  usePlayerLanguage(PlayerLanguage::BrazilianPortuguese);
  EXPECT_EQ(QCoreApplication::translate("PlayerMenu", "Settings"), QString::fromUtf8("Configurações"));
  EXPECT_EQ(QCoreApplication::translate("PlayerMenu", "Language (from the next start)"),
            QString::fromUtf8("Idioma (a partir do próximo início)"));
  EXPECT_EQ(playerText("Notices", "window (F11 or Alt+Enter: full screen)"),
            QString::fromUtf8("janela (F11 ou Alt+Enter: tela cheia)"));
  EXPECT_EQ(playerText("Notices", "no such message"), "no such message");
  usePlayerLanguage(PlayerLanguage::English);
  EXPECT_EQ(QCoreApplication::translate("PlayerMenu", "Settings"), "Settings");
}
