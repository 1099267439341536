// Whole-file reading and writing of text lines, the only way game files touch the disk.
#pragma once

#include <string>
#include <vector>

namespace taluvin {

using Lines = std::vector<std::string>;

// Paths are native file system paths, as the resolver joins them (see state/game_paths.h).
bool fileExists(const std::string& path);
// The path as the file system spells it.
std::string nativePath(const std::string& path);

// Lines end at CR LF, a lone CR or a lone LF; a final line end adds no empty line.
// A missing or unreadable file reads as no lines.
Lines readLines(const std::string& path);
Lines splitLines(const std::string& content);

// Lines as readLines gives them, but never more than `maxLines` of them and each cut at
// `maxLineBytes`, read piece by piece so that a file cannot make a table larger than its budget.
struct LinesWithin {
  Lines lines;
  size_t linesLeftOut = 0;  // lines past the first maxLines
  size_t linesCut = 0;      // kept lines that were longer than maxLineBytes
};
LinesWithin readLinesWithin(const std::string& path, size_t maxLines, size_t maxLineBytes);
// One line for each kind of cut ("jogo.rgs: 5 lines past the first 1000001 are left out").
Lines cutNotices(const std::string& path, const LinesWithin& read, size_t maxLines, size_t maxLineBytes);

// Hands the file to the state writer as a set of its own (see state/state_writer.h): each line
// ends with CR LF, and a crash mid-write never leaves a half-written file.
void writeLines(const std::string& path, const Lines& lines);

}  // namespace taluvin
