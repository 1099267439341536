// Fuzz target: a trace file read by --explain, each line copied and followed by one gloss per marker.
#include "app/explain/explain_trace.h"
#include "support/fuzz_game.h"

#include <cstdlib>
#include <sstream>

using namespace taluvin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(asText(data, size));
  std::istringstream in(text);
  std::ostringstream out;
  taluvin::GlossContext context;
  context.registerCount = 250;
  taluvin::explainTrace(in, context, out);
  // A line past the budget goes out in pieces, as it is, and is not what this looks at.
  if (text.size() > taluvin::kLongestExplainedLine) return 0;

  // Every line of the input comes out as it went in, a CR before its end dropped, followed by as
  // many gloss lines as the line has markers.
  const std::string written = out.str();
  std::istringstream read(written);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string copied;
    if (!std::getline(read, copied) || copied != line) std::abort();
    const size_t glosses = taluvin::traceLineGlosses(line, context).size();
    for (size_t i = 0; i < glosses; ++i)
      if (!std::getline(read, copied) || copied.rfind("    = ", 0) != 0) std::abort();
    start = end + 1;
  }
  std::string more;
  if (std::getline(read, more)) std::abort();
  return 0;
}
