// The trace's file: a buffer of UTF-8 lines written out in large pieces.
#include "script/trace_file.h"

#include "script/trace_log.h"
#include "state/state_writer.h"

#include <algorithm>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace taluvin {

std::unique_ptr<TraceFile> TraceFile::create(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  return std::unique_ptr<TraceFile>(new TraceFile(fd, true, false));
}

std::unique_ptr<TraceFile> TraceFile::errorStream() {
  return std::unique_ptr<TraceFile>(new TraceFile(STDERR_FILENO, false, true));
}

TraceFile::TraceFile(int fd, bool owned, bool eachLine)
    : fd_(fd), owned_(owned), eachLine_(eachLine), buffer_(new char[kBufferSize]), room_(eachLine ? 0 : kBufferSize) {}

TraceFile::~TraceFile() {
  if (log_) log_->setFile(nullptr);
  flush();
  if (owned_) ::close(fd_);
}

void TraceFile::lineWithoutRoom(std::string_view cp1252) {
  flush();
  // A line too long for the buffer goes out through a text of its own.
  if (3 * cp1252.size() + 1 > kBufferSize) {
    std::string utf8 = cp1252ToUtf8(cp1252);
    utf8 += '\n';
    writeAll(utf8.data(), utf8.size());
    return;
  }
  char* end = writeCp1252AsUtf8(buffer_.get(), cp1252);
  *end++ = '\n';
  used_ = static_cast<size_t>(end - buffer_.get());
  if (eachLine_) flush();
}

void TraceFile::flush() {
  writeAll(buffer_.get(), used_);
  used_ = 0;
}

void TraceFile::attach(TraceLog& log) {
  log_ = &log;
  log.setFile(this);
}

void TraceFile::setLimit(unsigned long long bytes, std::string stopLine) {
  limit_ = bytes;
  stopLine_ = std::move(stopLine) + '\n';
}

void TraceFile::writeAll(const char* data, size_t size) {
  if (failed_ || size == 0) return;
  if (size + stopLine_.size() > limit_ - written_) [[unlikely]] {
    writeUpToLimit(data, size);
    return;
  }
  // A trace that cannot be written (a full disk) is given up quietly: the game goes on.
  if (!writeAllBytes(fd_, std::string_view(data, size))) failed_ = true;
  written_ += size;
}

void TraceFile::writeUpToLimit(const char* data, size_t size) {
  // Whole lines up to the room the last line leaves, so the file ends on a line of its own.
  const unsigned long long left = limit_ - written_;
  const size_t room =
      left > stopLine_.size() ? static_cast<size_t>(std::min<unsigned long long>(left - stopLine_.size(), size)) : 0;
  const size_t lastBreak = std::string_view(data, room).rfind('\n');
  const size_t whole = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
  if (writeAllBytes(fd_, std::string_view(data, whole)) && writeAllBytes(fd_, stopLine_))
    written_ += whole + stopLine_.size();
  failed_ = true;
  // The interpreter need not build lines nobody reads: the log lets the file go.
  if (log_) {
    log_->setFile(nullptr);
    log_ = nullptr;
  }
}

}  // namespace taluvin
