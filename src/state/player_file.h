// The player's own small files (its settings, kept per user): made folder and whole-file writes.
#pragma once

#include <optional>
#include <string>

namespace taluvin {

// Creates the file's folder and hands the bytes to the state writer, which replaces the file whole
// off the caller's path; a failure is said by the writer. An empty file name keeps nothing.
void keepPlayerFile(const std::string& file, std::string bytes);

// The first few kilobytes of such a file: a file grown by mistake is not read whole. Nothing when the
// name is empty or the file cannot be read.
std::optional<std::string> readPlayerFile(const std::string& file);

}  // namespace taluvin
