// Whole-file reading and atomic writing of CR LF text lines.
#include "state/text_file.h"

#include "base/text.h"
#include "state/state_writer.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace taluvin {

namespace {
// Paths arrive native: the resolver converted the script's part of them when it joined it.
std::filesystem::path fsPath(const std::string& path) { return std::filesystem::path(path); }
}  // namespace

std::string nativePath(const std::string& path) { return fsPath(path).string(); }

bool fileExists(const std::string& path) {
  // A file the writer still holds must be seen as written.
  StateWriter::instance().drain(nativePath(path));
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
  StateWriter::instance().drain(nativePath(path));
  std::ifstream in(fsPath(path), std::ios::binary);
  if (!in) return {};
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return splitLines(content);
}

LinesWithin readLinesWithin(const std::string& path, size_t maxLines, size_t maxLineBytes) {
  StateWriter::instance().drain(nativePath(path));
  LinesWithin read;
  std::ifstream in(fsPath(path), std::ios::binary);
  if (!in) return read;
  std::string line;
  bool cut = false;
  bool open = false;  // bytes seen since the last line end
  bool afterCr = false;
  auto endLine = [&] {
    if (read.lines.size() < maxLines) {
      read.lines.push_back(std::move(line));
      if (cut) ++read.linesCut;
    } else {
      ++read.linesLeftOut;
    }
    line.clear();
    cut = open = false;
  };
  std::vector<char> buffer(size_t{1} << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<size_t>(in.gcount());
    for (size_t i = 0; i < got; ++i) {
      const char c = buffer[i];
      if (c == '\n' && afterCr) {  // the second half of CR LF
        afterCr = false;
        continue;
      }
      afterCr = c == '\r';
      if (c == '\r' || c == '\n') {
        endLine();
        continue;
      }
      open = true;
      if (line.size() < maxLineBytes && read.lines.size() < maxLines)
        line += c;
      else
        cut = true;
    }
  }
  if (open) endLine();
  return read;
}

Lines cutNotices(const std::string& path, const LinesWithin& read, size_t maxLines, size_t maxLineBytes) {
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  auto counted = [](size_t count) { return std::to_string(count) + (count == 1 ? " line " : " lines "); };
  auto verb = [](size_t count) { return count == 1 ? std::string("is") : std::string("are"); };
  Lines notices;
  if (read.linesLeftOut > 0)
    notices.push_back(name + ": " + counted(read.linesLeftOut) + "past the first " + std::to_string(maxLines) + " " +
                      verb(read.linesLeftOut) + " left out");
  if (read.linesCut > 0)
    notices.push_back(name + ": " + counted(read.linesCut) + "longer than " + std::to_string(maxLineBytes) +
                      " characters " + verb(read.linesCut) + " cut there");
  return notices;
}

void writeLines(const std::string& path, const Lines& lines) {
  StateSet set;
  set.add(path, lines);
  set.submit();
}

}  // namespace taluvin
