// The library index file: read within a budget, written whole through the program's one writer.
#include "app/library/library_index.h"

#include "state/state_writer.h"
#include "state/text_file.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace taluvin {

namespace {

constexpr const char* kHeader = "taluvin library 1";
constexpr size_t kMaxLines = 100000;
constexpr size_t kMaxLineBytes = 16384;

// Fields are parted by tabs and records by lines, so neither may hold one.
std::string field(std::string text) {
  for (char& c : text)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return text;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace

LibraryIndex::LibraryIndex(std::string dataFolder) : path_(std::move(dataFolder) + "library.txt") {
  const LinesWithin read = readLinesWithin(path_, kMaxLines, kMaxLineBytes);
  if (read.lines.empty() || read.lines.front() != kHeader) return;
  for (size_t i = 1; i < read.lines.size(); ++i) {
    const std::vector<std::string> fields = fieldsOf(read.lines[i]);
    if (fields.size() != 5 || fields[0].empty() || find(fields[0])) continue;
    LibraryRecord record;
    record.name = fields[0];
    record.lastPlayed = std::strtoll(fields[1].c_str(), nullptr, 10);
    record.place = fields[2];
    record.sourceHash = fields[3];
    record.source = fields[4];
    records_.push_back(std::move(record));
  }
}

const LibraryRecord* LibraryIndex::find(const std::string& name) const {
  const auto it = std::find_if(records_.begin(), records_.end(), [&](const LibraryRecord& r) { return r.name == name; });
  return it == records_.end() ? nullptr : &*it;
}

const LibraryRecord* LibraryIndex::findSource(const std::string& sourceHash) const {
  if (sourceHash.empty()) return nullptr;
  const auto it = std::find_if(records_.begin(), records_.end(),
                               [&](const LibraryRecord& r) { return r.sourceHash == sourceHash; });
  return it == records_.end() ? nullptr : &*it;
}

LibraryRecord& LibraryIndex::record(const std::string& name) {
  for (LibraryRecord& r : records_)
    if (r.name == name) return r;
  records_.push_back(LibraryRecord{name, 0, {}, {}, {}});
  return records_.back();
}

void LibraryIndex::remove(const std::string& name) {
  records_.erase(std::remove_if(records_.begin(), records_.end(), [&](const LibraryRecord& r) { return r.name == name; }),
                 records_.end());
}

// Through the program's one writer, as the player's other files: whole, flushed, then renamed.
std::string LibraryIndex::save() const {
  std::string bytes = std::string(kHeader) + "\n";
  for (const LibraryRecord& r : records_)
    bytes += field(r.name) + '\t' + std::to_string(r.lastPlayed) + '\t' + field(r.place) + '\t' + field(r.sourceHash) +
             '\t' + field(r.source) + '\n';
  StateWriter& writer = StateWriter::instance();
  const long long failedBefore = writer.failedWrites();
  StateSet set;
  set.addBytes(path_, std::move(bytes));
  set.submit();
  writer.drain(path_);
  return writer.failedWrites() > failedBefore ? "the games library's index could not be written" : "";
}

}  // namespace taluvin
