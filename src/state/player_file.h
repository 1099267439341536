// The player's own small files (its settings, kept per user): made folder and whole-file writes.
#pragma once

#include <string>

namespace taluvin {

// Creates the file's folder and hands the bytes to the state writer, which replaces the file whole
// off the caller's path; a failure is said by the writer. An empty file name keeps nothing.
void keepPlayerFile(const std::string& file, std::string bytes);

}  // namespace taluvin
