// How commands name the register they act on, and the markers shared by the register commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace taluvin {

class ScriptInterpreter;

// The register number in a slot (empty text means register 0, text that is no number too),
// echoed to the trace. A number above the register count adds " <--- registrador fora de faixa"
// and gives nothing. A negative number, or one beyond a short register file, passes here and
// aborts the run when the register is read or written.
std::optional<int32_t> targetRegister(ScriptInterpreter& ip, int slot);

// The same number without echo or check, for the commands that do not check it.
int32_t registerNumber(const std::string& text);

// A register write that went past the length of a register was cut there; the trace says so with
// " <--- texto cortado em 1048576 caracteres". Returns whether the write was whole.
bool noteIfCut(ScriptInterpreter& ip, bool whole);

}  // namespace taluvin
