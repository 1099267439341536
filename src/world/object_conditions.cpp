// Conditions on where objects are.
#include "world/object_conditions.h"

#include "base/text.h"
#include "state/game_session.h"

namespace taluvin {

namespace {

const std::string kNoObject = w(" <--- objeto não existe");

// slot 1 = object name, slot 2 = location or place word, slot 3 = label
Flow jumpOnLocation(ScriptInterpreter& ip, bool whenEqual) {
  auto& s = ip.session();
  ip.Trace += ip.arg(1);
  const int record = s.objects.find(ip.arg(1));
  if (record < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  const std::string& location = isPlaceWord(ip.arg(2)) ? s.Posic : ip.arg(2);
  ip.Trace += location;
  ip.Trace += ',';
  ip.Trace += ip.arg(3);
  const bool equal = s.objects.line(record, kObjectLocation) == location;
  return ip.jumpIf(equal == whenEqual, ip.arg(3));
}

// slot 1 = object name, slot 2 = label. Every record with the name counts, and these tests echo
// nothing: a false one, or a name no object has, leaves the line as it is.
Flow jumpIfAnyAt(ScriptInterpreter& ip, std::string_view location) {
  const auto& objects = ip.session().objects;
  const int count = objects.recordCount();
  for (int record = 0; record < count; ++record) {
    if (objects.key(record) == ip.arg(1) && objects.line(record, kObjectLocation) == location) {
      const std::string label = ip.arg(2);
      const auto echoed = ip.Trace.size();
      const Flow flow = ip.jumpIf(true, label);
      ip.Trace.resize(echoed);
      return flow;
    }
  }
  return Flow::Done;
}

}  // namespace

Flow cmdIfObjectAt(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = location or place word, slot 3 = label
  return jumpOnLocation(ip, true);
}

Flow cmdIfObjectNotAt(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = location or place word, slot 3 = label
  return jumpOnLocation(ip, false);
}

Flow cmdIfCarried(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = label
  return jumpIfAnyAt(ip, kCarried);
}

Flow cmdIfHere(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = label
  const std::string here = ip.session().Posic;
  return jumpIfAnyAt(ip, here);
}

Flow cmdIfHave(ScriptInterpreter& ip) {
  // slot 1 = object name (empty: the current object), slot 2 = label
  auto& s = ip.session();
  const std::string name = ip.arg(1).empty() ? s.Objeto : ip.arg(1);
  ip.Trace += name;
  ip.Trace += ',';
  const int record = s.objects.find(name);
  if (record < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  ip.Trace += ip.arg(2);
  return ip.jumpIf(s.objects.line(record, kObjectLocation) == kCarried, ip.arg(2));
}

}  // namespace taluvin
