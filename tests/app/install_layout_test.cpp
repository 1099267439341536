// The installed layout: cmake --install gives the program, a desktop entry and metainfo that
// validate, the icons, the manual page and the demo; the manual names every option.
#include "app/options.h"

#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

struct Ran {
  int exitCode = -1;
  std::string output;
};

Ran runTool(const QString& tool, const QStringList& args) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(tool, args);
  if (!process.waitForFinished(120000)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAll().toStdString()};
}

std::string textOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(InstallLayout, InstallsTheProgramItsDesktopEntryMetainfoIconsManualAndDemo) {
  const std::string prefix = fs::current_path().string() + "/prefix";
  const Ran install = runTool("cmake", {"--install", TALUVIN_BUILD_DIR, "--prefix", QString::fromStdString(prefix)});
  ASSERT_EQ(install.exitCode, 0) << install.output;

  const std::string share = prefix + "/share/";
  EXPECT_TRUE(fs::is_regular_file(prefix + "/bin/taluvin"));
  EXPECT_NE(fs::status(prefix + "/bin/taluvin").permissions() & fs::perms::owner_exec, fs::perms::none);
  const std::string desktop = share + "applications/org.taluvin.Taluvin.desktop";
  const std::string metainfo = share + "metainfo/org.taluvin.Taluvin.metainfo.xml";
  for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
    EXPECT_TRUE(fs::is_regular_file(share + "icons/hicolor/" + size + "/apps/taluvin.png")) << size;
  EXPECT_TRUE(fs::is_regular_file(share + "icons/hicolor/scalable/apps/taluvin.svg"));
  EXPECT_TRUE(fs::is_regular_file(share + "man/man6/taluvin.6"));
  EXPECT_TRUE(fs::is_regular_file(share + "taluvin/games/demo/start.scp"));
  EXPECT_TRUE(fs::is_regular_file(share + "taluvin/games/demo/taluvin.ini"));
  EXPECT_NE(textOf(desktop).find("MimeType=inode/directory;application/zip;"), std::string::npos);

  // The validators come from scripts/setup.sh; a machine without them still checks the layout,
  // and the test says what it could not validate.
  std::string missing;
  if (!QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) {
    const Ran valid = runTool("desktop-file-validate", {QString::fromStdString(desktop)});
    EXPECT_EQ(valid.exitCode, 0) << valid.output;
    EXPECT_EQ(valid.output, "");
  } else {
    missing += " desktop-file-validate (desktop-file-utils)";
  }
  if (!QStandardPaths::findExecutable("appstreamcli").isEmpty()) {
    const Ran valid = runTool("appstreamcli", {"validate", "--no-net", QString::fromStdString(metainfo)});
    EXPECT_EQ(valid.exitCode, 0) << valid.output;
  } else {
    missing += " appstreamcli (appstream)";
  }
  if (!missing.empty()) GTEST_SKIP() << "layout checked, but not validated: missing" << missing << "; scripts/setup.sh installs them";
}

TEST(InstallLayout, TheManualPageNamesEveryOptionOfTheUsageText) {
  const std::string usage = taluvin::usageText();
  const std::string manual = textOf(std::string(TALUVIN_SOURCE_DIR) + "/data/taluvin.6");
  std::set<std::string> options;
  const std::regex option("--[a-z][a-z-]*");
  for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option); it != std::sregex_iterator(); ++it)
    options.insert(it->str());
  EXPECT_GE(options.size(), 20u);
  // The options the manual puts in bold, as troff spells them ("\-\-name").
  std::set<std::string> described;
  const std::regex bold(R"(^\.BI? ((\\-)+[a-z\\-]+))");
  std::istringstream lines(manual);
  for (std::string line; std::getline(lines, line);) {
    std::smatch found;
    if (std::regex_search(line, found, bold)) described.insert(std::regex_replace(found[1].str(), std::regex(R"(\\-)"), "-"));
  }
  for (const std::string& name : options) EXPECT_TRUE(described.count(name)) << name << " is not in data/taluvin.6";
  const Ran rendered = runTool("man", {"--warnings", "-l", QString::fromStdString(std::string(TALUVIN_SOURCE_DIR) + "/data/taluvin.6")});
  // Rendered by man where it is installed: troff's warnings would be in the merged output.
  if (rendered.exitCode != -1) {
    EXPECT_NE(rendered.output.find("--add-game"), std::string::npos) << rendered.output;
    EXPECT_EQ(rendered.output.find("warning"), std::string::npos) << rendered.output;
  }
}

}  // namespace
