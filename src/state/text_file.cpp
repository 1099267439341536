// Whole-file reading and atomic writing of CR LF text lines.
#include "state/text_file.h"

#include "script/text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace taluvin {

namespace {
std::filesystem::path fsPath(const std::string& path) {
  return std::filesystem::path(cp1252ToUtf8(path));
}
}  // namespace

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(fsPath(path), ec);
}

Lines splitLines(const std::string& content) {
  Lines lines;
  size_t start = 0;
  const size_t n = content.size();
  for (size_t i = 0; i < n; ++i) {
    char c = content[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(content, start, i - start);
    if (c == '\r' && i + 1 < n && content[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(content, start, n - start);
  return lines;
}

Lines readLines(const std::string& path) {
  std::ifstream in(fsPath(path), std::ios::binary);
  if (!in) return {};
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return splitLines(content);
}

bool writeLines(const std::string& path, const Lines& lines) {
  const auto target = fsPath(path);
  auto temp = target;
  temp += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const auto& line : lines) {
      out.write(line.data(), static_cast<std::streamsize>(line.size()));
      out.write("\r\n", 2);
    }
    out.flush();
    if (!out) {
      out.close();
      std::error_code ec;
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace taluvin
