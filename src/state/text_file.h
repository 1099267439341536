// Whole-file reading and writing of text lines, the only way game files touch the disk.
#pragma once

#include <string>
#include <vector>

namespace taluvin {

using Lines = std::vector<std::string>;

// Paths are engine text (Windows-1252 bytes) and are converted for the file system here.
bool fileExists(const std::string& path);

// Lines end at CR LF, a lone CR or a lone LF; a final line end adds no empty line.
// A missing or unreadable file reads as no lines.
Lines readLines(const std::string& path);
Lines splitLines(const std::string& content);

// Each line ends with CR LF. The file is written to a temporary beside it and renamed over the
// old one, so a crash mid-write never leaves a half-written save. Returns false on failure.
bool writeLines(const std::string& path, const Lines& lines);

}  // namespace taluvin
