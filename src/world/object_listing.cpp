// Counting and listing objects.
#include "world/object_listing.h"

#include "base/numbers.h"
#include "state/game_session.h"
#include "world/register_access.h"

namespace taluvin {

namespace {

const std::string& place(const GameSession& s, const std::string& word) { return isPlaceWord(word) ? s.Posic : word; }

std::vector<std::string> descriptions(const GameSession& s, const std::string& location) {
  std::vector<std::string> items;
  for (int record : s.objects.recordsAt(location)) items.push_back(s.objects.line(record, kObjectDescription));
  return items;
}

}  // namespace

Flow listObjectItemsInto(ScriptInterpreter& ip, ObjectItems build) {
  // slot 1 = register, slot 2 = location or place word
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  const std::string location = place(s, ip.arg(2));
  ip.Trace += ',';
  ip.Trace += location;
  noteIfCut(ip, s.registers.set(*n, joinAsSentence(build(s, location))));
  return Flow::Done;
}

std::string joinAsSentence(const std::vector<std::string>& items) {
  std::string sentence;
  for (size_t i = items.size(); i-- > 0;) {
    sentence += items[i];
    sentence += i == 0 ? "." : i == 1 ? " e " : ", ";
    // A register keeps no more than this, so joining further would only cost memory.
    if (sentence.size() > kMaxRegisterText) break;
  }
  return sentence;
}

Flow cmdCountObjects(ScriptInterpreter& ip) {
  // slot 1 = location or place word, slot 2 = register (not checked against the register count)
  auto& s = ip.session();
  const std::string location = place(s, ip.arg(1));
  const std::string number = ip.arg(2).empty() ? std::string("0") : ip.arg(2);
  if (ip.Trace.on()) ip.Trace += location + "," + number;
  const auto count = static_cast<long long>(s.objects.recordsAt(location).size());
  s.registers.set(registerNumber(ip.arg(2)), intToText(count));
  return Flow::Done;
}

Flow cmdListObjects(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = location or place word
  return listObjectItemsInto(ip, descriptions);
}

}  // namespace taluvin
