// Object commands that read, change and move objects.
#include "world/object_commands.h"

#include "base/text.h"
#include "state/game_session.h"
#include "world/register_access.h"

namespace taluvin {

namespace {

const std::string kNoObject = w(" <--- objeto não existe");

// The property a get/set alias names by itself ("getdscobj=" -> "dsc"); nothing for the general form.
std::optional<int> aliasProperty(std::string_view command) {
  if (command.size() < 9) return std::nullopt;
  return objectPropertyLine(command.substr(3, 3));
}

const std::string& place(const GameSession& s, const std::string& word) { return isPlaceWord(word) ? s.Posic : word; }

// slot 1 = object name; the record's location becomes `location`
Flow moveObject(ScriptInterpreter& ip, const std::string& location) {
  auto& objects = ip.session().objects;
  ip.Trace += ip.arg(1);
  const int record = objects.find(ip.arg(1));
  if (record < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  objects.line(record, kObjectLocation) = location;
  return Flow::Done;
}

}  // namespace

Flow cmdGetObject(ScriptInterpreter& ip) {
  // slot 1 = register, slot 2 = object name, slot 3 = property word (general form only)
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  const std::string& name = ip.arg(2);
  ip.Trace += name;
  const int record = s.objects.find(name);
  if (record < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  const auto property = ip.Cmd == "getobj=" ? objectPropertyLine(ip.arg(3)) : aliasProperty(ip.Cmd);
  const bool whole = !property || s.registers.set(*n, s.objects.line(record, *property));
  ip.Trace += ',';
  ip.Trace += s.registers.at(*n);
  noteIfCut(ip, whole);
  return Flow::Done;
}

Flow cmdSetObject(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = property word, slot 3 = value; the short forms take the value in slot 2
  static const std::string kNoProperty = w(" <--- não informou a propriedade");
  static const std::string kNoSuchObject = w(" <--- este objeto não existe!");
  auto& s = ip.session();
  const bool general = ip.Cmd == "setobj=";
  const std::string& name = ip.arg(1);
  if (general && ip.arg(2).empty()) {
    if (ip.Trace.on()) ip.Trace += name + kNoProperty;
    return Flow::Done;
  }
  const int record = s.objects.find(name);
  if (record < 0) {
    if (ip.Trace.on()) ip.Trace += name + kNoSuchObject;
    return Flow::Done;
  }
  const auto property = general ? objectPropertyLine(ip.arg(2)) : aliasProperty(ip.Cmd);
  if (!property) return Flow::Done;
  s.objects.line(record, *property) = place(s, ip.arg(general ? 3 : 2));
  return Flow::Done;
}

Flow cmdMoveAll(ScriptInterpreter& ip) {
  // slot 1 = location the objects are taken from, slot 2 = location they go to (place words allowed)
  static const std::string kNoFrom = w(" <--- não informou \"de\" onde");
  static const std::string kNoTo = w(" <--- não informou \"para\" onde");
  static const std::string kTakenHere = w(" <- objetos pegos pelo jogador do local atual.");
  static const std::string kTakenFrom = w(" <- objetos pegos pelo jogador do objeto ");
  static const std::string kDroppedHere = w(" <- objetos soltos no local atual.");
  static const std::string kPutInto = w(" <- objetos colocados pelo jogador no objeto ");
  static const std::string kMovedFrom = w(" <- objetos em ");
  static const std::string kMovedTo = w(" que serão colocados em ");
  auto& s = ip.session();
  const std::string& fromWord = ip.arg(1);
  const std::string& toWord = ip.arg(2);
  const std::string from = place(s, fromWord);
  const std::string to = place(s, toWord);
  if (from.empty()) {
    ip.Trace += kNoFrom;
    return Flow::Done;
  }
  if (to.empty()) {
    ip.Trace += kNoTo;
    return Flow::Done;
  }
  if (ip.Trace.on()) {
    ip.Trace += from + "," + to + " ";
    // The note is chosen on the words as written; it shows the locations they stand for.
    if (fromWord != "jog" && fromWord != "loc" && toWord != "jog" && toWord != "loc")
      ip.Trace += kMovedFrom + from + kMovedTo + to + ".";
    else if (fromWord == "loc")
      ip.Trace += toWord == "jog" ? kTakenHere : kTakenFrom + to + ".";
    else if (fromWord == "jog")
      ip.Trace += toWord == "loc" ? kDroppedHere : kPutInto + to + ".";
  }
  // The keys of the objects moved follow on a line of their own.
  ip.NextTrace = "  ";
  for (int record : s.objects.recordsAt(from)) {
    s.objects.line(record, kObjectLocation) = to;
    ip.NextTrace += s.objects.key(record);
    ip.NextTrace += ' ';
  }
  return Flow::Done.handingOn();
}

Flow cmdTakeObject(ScriptInterpreter& ip) {
  // slot 1 = object name
  return moveObject(ip, std::string(kCarried));
}

Flow cmdDropObject(ScriptInterpreter& ip) {
  // slot 1 = object name
  return moveObject(ip, ip.session().Posic);
}

Flow cmdPutObject(ScriptInterpreter& ip) {
  // slot 1 = object name, slot 2 = location or place word (empty: no location)
  auto& s = ip.session();
  const std::string location = place(s, ip.arg(2));
  ip.Trace += ip.arg(1);
  const int record = s.objects.find(ip.arg(1));
  if (record < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  s.objects.line(record, kObjectLocation) = location;
  ip.Trace += ',';
  ip.Trace += location;
  return Flow::Done;
}

Flow cmdCurrentObject(ScriptInterpreter& ip) {
  // slot 1 = object name
  auto& s = ip.session();
  ip.Trace += ip.arg(1);
  if (s.objects.find(ip.arg(1)) < 0) {
    ip.Trace += kNoObject;
    return Flow::Done;
  }
  s.Objeto = ip.arg(1);
  return Flow::Done;
}

Flow cmdLastObject(ScriptInterpreter& ip) {
  // slot 1 = register
  auto n = targetRegister(ip, 1);
  if (!n) return Flow::Done;
  auto& s = ip.session();
  s.registers.set(*n, s.Objeto);
  ip.Trace += ',';
  ip.Trace += s.Objeto;
  return Flow::Done;
}

Flow cmdSaveObjects(ScriptInterpreter& ip) {
  // no arguments
  auto& s = ip.session();
  if (s.gameOpen()) s.objects.saveTable(s.gameFile(".obx"));
  return Flow::Done;
}

Flow cmdListObjectsAccepted(ScriptInterpreter&) {
  // slot 1 = "loc" or "jog"; the object lists are shown by their own commands
  return Flow::Done;
}

}  // namespace taluvin
