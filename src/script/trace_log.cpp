// The trace line's prefix: the line's index.
#include "script/trace_log.h"

namespace taluvin {

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
