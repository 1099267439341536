// Byte-text helpers: the engine keeps Windows-1252 bytes; Unicode appears only at the edges.
#pragma once

#include <string>
#include <string_view>

class QString;

namespace taluvin {

// Blanks and control characters (every byte up to 32) are what scripts consider trimmable.
inline bool isTrimmable(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimView(std::string_view text);
std::string trim(std::string_view text);

// Windows-1252 <-> UTF-8. Bytes with no Unicode mapping become U+FFFD one way and '?' the other.
std::string cp1252ToUtf8(std::string_view bytes);
// The same conversion appended to out, for callers that keep one buffer from text to text.
void appendCp1252AsUtf8(std::string& out, std::string_view bytes);
// The same conversion written at out, which has room for three bytes per byte given (the most one
// byte becomes); returns the end of what was written.
char* writeCp1252AsUtf8(char* out, std::string_view bytes);
std::string utf8ToCp1252(std::string_view utf8);

// The one place engine text crosses into Qt and back.
QString toQt(std::string_view bytes);
std::string fromQt(const QString& text);

// Source files are UTF-8; the system's own words (markers, messages) must reach scripts' text as bytes.
// Callers keep the result in a static so the conversion happens once per literal.
inline std::string w(std::string_view utf8) { return utf8ToCp1252(utf8); }

}  // namespace taluvin
