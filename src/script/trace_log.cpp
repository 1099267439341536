// Trace line prefix and the sink that writes the trace as UTF-8.
#include "script/trace_log.h"

#include "base/text.h"

#include <memory>
#include <ostream>

namespace taluvin {

TraceLog::Sink TraceLog::utf8Sink(std::ostream& out) {
  return [&out, buffer = std::make_shared<std::string>()](std::string_view line) {
    buffer->clear();
    appendCp1252AsUtf8(*buffer, line);
    buffer->push_back('\n');
    out.write(buffer->data(), static_cast<std::streamsize>(buffer->size()));
  };
}

void TraceLog::appendPrefix(std::string& out, int lineIndex) {
  int n = lineIndex % 10000;
  if (n < 0) n = -n;
  char buf[8];
  int pos = 4;
  buf[4] = ':';
  buf[5] = ' ';
  do {
    buf[--pos] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n > 0 && pos > 0);
  while (pos > 0) buf[--pos] = ' ';
  out.append(buf, 6);
}

}  // namespace taluvin
