// The checker: a compiler's warnings for a game folder, read without opening a window.
#pragma once

#include <iosfwd>
#include <string>

namespace taluvin {

// Exit codes of --check.
constexpr int kCheckClean = 0;
constexpr int kCheckFindings = 1;
constexpr int kCheckUnreadable = 2;

// Reads every script, the settings, register, object and vocabulary files of the game in folder
// (a native path ending with its separator) and writes one "FILE:LINE: message" line per finding
// to out (UTF-8), sorted by file and line. programName names the program's own settings file.
// Returns kCheckClean or kCheckFindings; nothing in the folder is written.
int checkGameFolder(const std::string& folder, const std::string& programName, std::ostream& out);

}  // namespace taluvin
