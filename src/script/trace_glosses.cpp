// The English gloss of every marker the engine writes into the trace, and how a line's marker is read.
#include "script/trace_glosses.h"

#include "base/text.h"

#include <algorithm>
#include <cctype>

namespace taluvin {

namespace {

// A marker as the handlers write it (UTF-8 here, Windows-1252 in the trace log) and its gloss. In a
// gloss, {name} stands for what the line shows around the marker:
//   {file}   the file the line names: the echo's last piece, or where its command keeps the name
//   {reg}    the register the line names; {table} the registers the table holds
//   {last}, {first}, {p2}, {p3}, {p4}   pieces of the echo before the marker, split at commas
//   {after}  the text after the marker up to the next one; {inner} the same without its brackets;
//            {number} its first word
//   {from}, {to}   the places of a move of every object; {script}, {line} where a return goes
struct MarkerGloss {
  std::string_view marker;
  std::string_view gloss;
};

constexpr MarkerGloss kGlosses[] = {
    // Files
    {" <--- arquivo inexistente!", "{file} does not exist in the game folder"},
    {" <--- arquivo não existe", "{file} does not exist in the game folder"},
    {" <--- não existe este arquivo", "{file} does not exist in the game folder"},
    {" <--- arquivo não encontrado", "{file} does not exist in the game folder"},
    {" <--- imagem ilegível: ", "{picture} exists but cannot be read: {after}"},
    {" <--- não consegue tocar este arquivo",
     "the music file {file} exists but cannot be played: the sound library does not read it"},
    {" <--- mapa não gravado", "the map could not be written as{after} in the game folder"},
    {" <--- arquivo do jogo não pode ser apagado",
     "\"reset mapa\" deletes saved maps only: the file named is one of the game's own files and is kept"},
    {" <--- não informou o nome do arquivo", "the line names no file"},
    {" <--- não definiu nome de arquivo .wav", "the line names no .wav file"},
    {" <--- não tem arquivo hud instalado",
     "\"hud= on\" shows nothing: no picture was given first (\"hud= name.bmp\")"},
    {" <--- falta parâmetro", "the command needs an argument and the line gives none"},
    // Registers
    {" <--- registrador fora de faixa",
     "register {reg} is outside the register table ({table}); the command does nothing"},
    {" <--- registrador fora da faixa",
     "the first register {p2} is outside the register table ({table}); loadregs copies nothing"},
    {" <--- não definiu registrador inicial", "loadregs names a file but no first register; it copies nothing"},
    {" <--- registrador inicial não numérico", "the first register \"{p2}\" is no number; loadregs copies nothing"},
    {" <--- índice inicial não numérico", "the first line \"{p3}\" is no number; loadregs copies nothing"},
    {" <--- índice maior que total de linhas",
     "line {p3} is past the end of {file} (lines count from 0); loadregs copies nothing"},
    {" <--- quantidade não numérica", "the count of lines \"{p4}\" is no number; loadregs copies nothing"},
    {" <--- quantidade maior que total de linhas", "{file} holds fewer than {p4} lines; loadregs copies nothing"},
    {" <--- parâmetro desconhecido", "\"{last}\" is no link parameter (prm, prx or pry); the register is unchanged"},
    {" <--- variável desconhecida",
     "getvar= knows no game value of that name (Modelo, Script, IniScp, RetScp, Posic, Objeto), or the value is "
     "empty; the register is unchanged"},
    {" <--- texto cortado em ", "the text is longer than a register holds and was cut at {number} characters"},
    {" <--- divisão por zero", "a division by zero: the register is unchanged"},
    {" <- fora da faixa válida", "settings line {first} is no line a script may change; nothing changes"},
    // Scripts, labels and the flow
    {" <- script não existe", "the script \"{last}.scp\" does not exist in the game folder"},
    {" <- não existe este script", "the script \"{last}.scp\" does not exist in the game folder"},
    {" <--- não existe este script", "the script \"{last}.scp\" does not exist in the game folder"},
    {" <--- script não existe", "the script \"{last}.scp\" does not exist in the game folder"},
    {" <--- script do local não existe", "the place's script \"{last}.scp\" does not exist; no jump"},
    {" <--- não existe este label no script", "the label of the line is not in this script; no jump"},
    {" <--- não existe este label",
     "there is no label \":{last}\" in this script (labels are compared exactly, letter case included); the next "
     "line runs"},
    {" <--- não informou o nome do script", "the line names no script"},
    {" <--- não especificou o script", "the line names no script"},
    {" <--- não informou o script/label", "gosub names no script and no label"},
    {" <--- já existe gosub em execução (",
     "a gosub is already open (in the script \"{inner}\"): gosub keeps one level, so this one is ignored"},
    {" <--- não há gosub em execução!", "return with no gosub open: there is nothing to go back to"},
    {" <- label em subrotina!", "gosub to the label \":{last}\": return comes back to the line after this one"},
    {" <- script em subrotina", "gosub runs the script \"{last}\": return comes back to the line after this one"},
    {" <- retorno ao script ",
     "return goes back to the script \"{script}\", after its line {line} (lines count from 0)"},
    {" <- saltou", "the condition holds: the line jumps to its label"},
    {" <- não saltou", "the condition does not hold: no jump"},
    {"<-Encerrou a execução", "the run ends here"},
    {"Não encontrei o script: ",
     "the script \"{after}\" does not exist in the game folder: the lines loaded before run again from their first "
     "line"},
    {" <-Não encontrei referência a este label!", "no line of the script mentions this label"},
    {" <-Referência na linha: ",
     "only the label's own line (line {after}, counting from 0) names it: no line jumps here"},
    {"x nas linhas: ", "the lines that mention the label, counting from 0 and the label's own: {after}"},
    // Objects
    {" <--- objeto não existe",
     "no object has the key \"{object}\" (keys are compared exactly, letter case included); nothing changes"},
    {" <--- este objeto não existe!",
     "no object has the key \"{object}\" (keys are compared exactly, letter case included); nothing changes"},
    {" <--- não informou a propriedade", "the line names no property (nom, dsc, loc, shp or tag); nothing changes"},
    {" <--- não informou \"de\" onde", "the line names no place to move the objects from; nothing moves"},
    {" <--- não informou \"para\" onde", "the line names no place to move the objects to; nothing moves"},
    {" <- objetos em ", "every object at \"{from}\" is put at \"{to}\"; the next trace line lists them"},
    {" <- objetos pegos pelo jogador do local atual.",
     "the player takes every object at the current place; the next trace line lists them"},
    {" <- objetos pegos pelo jogador do objeto ",
     "every object at the current place is put at \"{inner}\"; the next trace line lists them"},
    {" <- objetos soltos no local atual.",
     "the player drops every object carried at the current place; the next trace line lists them"},
    {" <- objetos colocados pelo jogador no objeto ",
     "every object the player carries is put at \"{inner}\"; the next trace line lists them"},
    // Places, surfaces and screens
    {" <--- direção desconhecida",
     "\"{last}\" is no exit (norte, sul, leste, oeste, entrar, sair, subir, descer); the register is unchanged"},
    {" <--- não existe movimento nesta direção", "that exit is not set at this place, so no link is made"},
    {" <--- local inexistente", "\"{last}\" is no surface: the line must say tel, fnc or pan"},
    {" <--- não indicou o local tel/fnc/tel!", "\"{last}\" is no surface: the line must say tel, fnc or pan"},
    {" <--- não definiu local corretamente", "\"{last}\" is no surface: the line must say tel, fnc or pan"},
    {" <--- não funciona no modelo \"0\"", "links do not work in model 0 (the console); nothing is made"},
    {" <--- não está no modo 3", "the command works in model 3 (the scroll page) only; nothing changes"},
    {" <--- tamanho fora do limite: ",
     "{after} is past the largest position or size the player allows; the command keeps within it"},
    {" <- efeito não implementado", "\"{last}\" is no effect: efeito= takes nothing (typed out), direto or scrollup"},
    {" <- este idioma não é reconhecido", "\"{last}\" is no language: putlng takes br, pt, en, fr or es"},
    {" <--- texto/frase inexistente!", "the text to show is empty; nothing is shown"},
    {"<-Falta texto!!!", "the line gives no text to show"},
    {" <--- informe nome do shape/texto", "shape= names no picture and no text; nothing is drawn"},
    {" <--- não existe esta sub instrução",
     "\"{first}\" is no visor sub-command (fig, img, txt, lnk, 000, 090, 180 or 360); nothing is made"},
    {" <--- não informou o texto", "the line gives no text literal; the register is unchanged"},
};

struct Marker {
  std::string text;  // Windows-1252
  std::string_view gloss;
};

// Longest first, so a marker that begins another is found whole.
const std::vector<Marker>& markers() {
  static const std::vector<Marker> kMarkers = [] {
    std::vector<Marker> list;
    for (const MarkerGloss& entry : kGlosses) list.push_back({w(entry.marker), entry.gloss});
    std::stable_sort(list.begin(), list.end(),
                     [](const Marker& a, const Marker& b) { return a.text.size() > b.text.size(); });
    return list;
  }();
  return kMarkers;
}

struct Found {
  size_t at;
  const Marker* marker;
};

// Every marker of the text, in order. Each holds "<-", or is the runner's line start or the count
// of a label's references, so only those places are compared.
std::vector<Found> findMarkers(std::string_view text) {
  static constexpr std::string_view kReferences = "x nas linhas: ";
  std::vector<Found> found;
  size_t from = 0;
  auto takeAt = [&](size_t at) {
    for (const Marker& m : markers()) {
      if (text.compare(at, m.text.size(), m.text) != 0) continue;
      found.push_back({at, &m});
      from = at + m.text.size();
      return true;
    }
    return false;
  };
  takeAt(0);
  // Looked for again only once passed, so a long line of arrows is read once.
  size_t references = text.find(kReferences);
  for (;;) {
    if (references != std::string_view::npos && references < from) references = text.find(kReferences, from);
    const size_t next = std::min(text.find("<-", from), references);
    if (next == std::string_view::npos) break;
    // Most markers open with a blank before their arrow.
    if (next > from && text[next - 1] == ' ' && takeAt(next - 1)) continue;
    if (!takeAt(next)) from = next + 1;
  }
  return found;
}

std::vector<std::string> pieces(std::string_view echo) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    const size_t comma = echo.find(',', start);
    out.emplace_back(echo.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return out;
}

std::string quotedName(const std::string& name) { return "\"" + name + "\""; }

bool looksLikePicture(const std::string& name) {
  for (const char* extension : {".gif", ".png", ".jpg", ".bmp"})
    if (name.find(extension) != std::string::npos) return true;
  return false;
}

// "name.ext": a dot with one to four letters or digits after it.
bool hasExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0 || name.size() - dot - 1 < 1 || name.size() - dot - 1 > 4) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dot) + 1, name.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool isInteger(const std::string& text) {
  const std::string_view digits = trimView(text);
  return !digits.empty() && std::all_of(digits.begin() + (digits[0] == '-' ? 1 : 0), digits.end(),
                                        [](char c) { return c >= '0' && c <= '9'; }) &&
         digits != "-";
}

// What one marker's placeholders stand for on its line.
struct Fields {
  std::string_view word;
  std::vector<std::string> echo;  // the text before the marker, split at commas
  std::string after;
  const GlossContext* context;

  std::string piece(size_t index) const { return index < echo.size() ? echo[index] : std::string(); }
  std::string last() const { return echo.empty() ? std::string() : echo.back(); }

  // Most commands echo the name right before the marker; these keep it elsewhere.
  std::string file() const {
    if (word == "loadregs") {
      const std::string name = piece(0);
      if (name.empty()) return "the game's register file";
      return "the file " + quotedName(name.find(".scp") == std::string::npos ? name + ".scp" : name);
    }
    if (word == "reset" && !inner().empty()) return "the object file " + quotedName(inner());
    if (word == "visor" || word == "visor=") {
      std::string named;
      for (size_t i : {size_t{5}, size_t{6}})
        if (!piece(i).empty()) named += (named.empty() ? "" : " or ") + quotedName(piece(i));
      if (!named.empty()) return "the picture " + named;
    }
    if (last().empty()) return "the file the line names";
    // The handlers echo the name alone; a line that shows more of its arguments (copied from a
    // script, or written by hand) names its file in the piece with an extension.
    if (!hasExtension(last()))
      for (auto p = echo.rbegin(); p != echo.rend(); ++p)
        if (hasExtension(trim(*p))) return "the file " + quotedName(trim(*p));
    return "the file " + quotedName(last());
  }
  std::string picture() const {
    for (const std::string& p : echo)
      if (looksLikePicture(p)) return "the picture " + quotedName(p);
    return "a picture the line names";
  }
  std::string reg() const {
    if (word == "visor" || word == "visor=") return piece(7);
    // The handlers echo the register alone; with the rest of the line shown it is its first number.
    if (!isInteger(last()))
      for (const std::string& p : echo)
        if (isInteger(p)) return trim(p);
    return last();
  }
  std::string table() const {
    if (context && context->registerCount) return "registers 0 to " + std::to_string(*context->registerCount);
    return "registers 0 to the count of settings line 5";
  }
  // The getobj= family echoes the register and the name run together.
  std::string object() const {
    std::string name = last();
    if (word.substr(0, 3) == "get" && word.size() > 4 && word.substr(word.size() - 4) == "obj=") {
      size_t digits = 0;
      while (digits < name.size() && name[digits] >= '0' && name[digits] <= '9') ++digits;
      name.erase(0, digits);
    }
    return name;
  }
  std::string inner() const {
    std::string text = trim(after);
    while (!text.empty() && (text.back() == ')' || text.back() == '.')) text.pop_back();
    if (!text.empty() && text.front() == '(') text.erase(0, 1);
    return text;
  }
  // "A que serão colocados em B." and "S na linha: N": the two halves.
  std::pair<std::string, std::string> halves(std::string_view separator) const {
    const std::string text = inner();
    const size_t cut = text.find(w(separator));
    if (cut == std::string::npos) return {text, std::string()};
    return {text.substr(0, cut), text.substr(cut + w(separator).size())};
  }

  std::string value(std::string_view name) const {
    if (name == "file") return file();
    if (name == "picture") return picture();
    if (name == "reg") return reg();
    if (name == "table") return table();
    if (name == "object") return object();
    if (name == "last") return last();
    if (name == "first") return piece(0);
    if (name.size() == 2 && name[0] == 'p' && name[1] >= '1' && name[1] <= '9')
      return piece(static_cast<size_t>(name[1] - '1'));
    if (name == "after") return after;
    if (name == "number") return std::string(trimView(after).substr(0, trimView(after).find(' ')));
    if (name == "inner") return inner();
    if (name == "from") return halves(" que serão colocados em ").first;
    if (name == "to") return halves(" que serão colocados em ").second;
    if (name == "script") return halves(" na linha: ").first;
    if (name == "line") return halves(" na linha: ").second;
    return std::string(name);
  }
};

std::string fill(std::string_view gloss, const Fields& fields) {
  // A name is shown whole; a register's text echoed as one is not worth repeating past this.
  constexpr size_t kLongestValue = 200;
  std::string out;
  size_t at = 0;
  while (at < gloss.size()) {
    const size_t open = gloss.find('{', at);
    const size_t close = open == std::string_view::npos ? open : gloss.find('}', open);
    if (close == std::string_view::npos) {
      out += gloss.substr(at);
      break;
    }
    out += gloss.substr(at, open - at);
    std::string value = fields.value(gloss.substr(open + 1, close - open - 1));
    if (value.size() > kLongestValue) value = value.substr(0, kLongestValue) + "...";
    out += value;
    at = close + 1;
  }
  return out;
}

}  // namespace

std::vector<std::string> glossesFor(std::string_view traceLine, const GlossContext& context) {
  // "   7: word echo": the line index, right-aligned in four characters (any blanks and digits
  // before ": " are taken, as a line copied by hand may lose them), and the command's trace;
  // "Exec: " stands before a command a condition carried. Other lines are the runner's own, but a
  // line whose first word ends in "=" is a command's copied without its index.
  std::string_view rest = traceLine;
  std::string_view word;
  size_t digitsEnd = 0;
  while (digitsEnd < rest.size() && rest[digitsEnd] == ' ') ++digitsEnd;
  const size_t digitsStart = digitsEnd;
  while (digitsEnd < rest.size() && rest[digitsEnd] >= '0' && rest[digitsEnd] <= '9') ++digitsEnd;
  const bool numbered = digitsEnd > digitsStart && rest.substr(digitsEnd, 2) == ": ";
  if (numbered) rest.remove_prefix(digitsEnd + 2);
  const bool carried = rest.substr(0, 6) == "Exec: ";
  if (carried) rest.remove_prefix(6);
  const size_t firstBlank = rest.find(' ');
  const bool bareCommand = firstBlank != std::string_view::npos && firstBlank > 1 && rest[firstBlank - 1] == '=' &&
                           rest.substr(0, firstBlank).find('<') == std::string_view::npos;
  size_t echoStart = 0;
  if (numbered || carried || bareCommand) {
    const size_t blank = rest.find(' ');
    word = rest.substr(0, blank);
    echoStart = blank == std::string_view::npos ? rest.size() : blank + 1;
  }

  std::vector<std::string> glosses;
  const std::vector<Found> found = findMarkers(rest);
  size_t previousEnd = echoStart;
  for (size_t i = 0; i < found.size(); ++i) {
    const size_t at = found[i].at;
    const size_t end = at + found[i].marker->text.size();
    const size_t next = i + 1 < found.size() ? found[i + 1].at : rest.size();
    Fields fields;
    fields.word = word;
    fields.echo = pieces(at > previousEnd ? rest.substr(previousEnd, at - previousEnd) : std::string_view());
    fields.after = std::string(rest.substr(end, next - end));
    fields.context = &context;
    glosses.push_back(fill(found[i].marker->gloss, fields));
    previousEnd = end;
  }
  return glosses;
}

std::string glossFor(std::string_view traceLine, const GlossContext& context) {
  std::string joined;
  for (const std::string& gloss : glossesFor(traceLine, context)) joined += (joined.empty() ? "" : "; ") + gloss;
  return joined;
}

}  // namespace taluvin
