// Byte-text helpers: trimming and the Windows-1252 codec.
#include "base/text.h"

#include <QString>
#include <array>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace taluvin {

namespace {

// Unicode code points of bytes 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr uint64_t kHighBits = 0x8080808080808080ULL;

char32_t codePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) {
    char16_t mapped = kHighControls[byte - 0x80];
    return mapped ? mapped : byte;  // undefined bytes keep their C1 code point so they round-trip
  }
  return byte;
}

char byteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp || (kHighControls[i] == 0 && cp == 0x80 + i)) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

std::string_view trimView(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && isTrimmable(text[begin])) ++begin;
  while (end > begin && isTrimmable(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string trim(std::string_view text) { return std::string(trimView(text)); }

std::string cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  appendCp1252AsUtf8(out, bytes);
  return out;
}

void appendCp1252AsUtf8(std::string& out, std::string_view bytes) {
  const size_t before = out.size();
  out.resize(before + 3 * bytes.size());
  char* end = writeCp1252AsUtf8(out.data() + before, bytes);
  out.resize(static_cast<size_t>(end - out.data()));
}

namespace {

// The usual trace line is ASCII and from eight to a few dozen bytes long: it is copied in blocks
// (the last overlapping the one before) while the blocks' high bits are gathered, with no test
// per block. Null when a byte turned out to be high: the caller converts the text from its start.
char* copiedIfAscii(char* out, std::string_view bytes) {
  const char* in = bytes.data();
  const size_t size = bytes.size();
#if defined(__SSE2__)
  if (size >= 16) {
    __m128i high = _mm_setzero_si128();
    for (size_t at = 0; at + 16 < size; at += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), block);
      high = _mm_or_si128(high, block);
    }
    const __m128i last = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + size - 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + size - 16), last);
    high = _mm_or_si128(high, last);
    return _mm_movemask_epi8(high) == 0 ? out + size : nullptr;
  }
#endif
  if (size < 8) return nullptr;
  uint64_t high = 0;
  for (size_t at = 0; at + 8 < size; at += 8) {
    uint64_t eight;
    std::memcpy(&eight, in + at, 8);
    std::memcpy(out + at, &eight, 8);
    high |= eight;
  }
  uint64_t last;
  std::memcpy(&last, in + size - 8, 8);
  std::memcpy(out + size - 8, &last, 8);
  high |= last;
  return (high & kHighBits) == 0 ? out + size : nullptr;
}

}  // namespace

char* writeCp1252AsUtf8(char* out, std::string_view bytes) {
  if (char* end = copiedIfAscii(out, bytes)) return end;
  const char* in = bytes.data();
  const char* const last = in + bytes.size();
  // Every byte from here to in went over one for one, so the place of each in out is known and
  // may be written again with the same byte.
  const char* plainFrom = in;
  for (;;) {
    // Nearly every byte of a trace line or a page is ASCII: sixteen or eight at a time go over
    // unchanged, and the last few within a block that ends at the last byte.
#if defined(__SSE2__)
    while (last - in >= 16) {
      const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
      if (_mm_movemask_epi8(sixteen) != 0) break;
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), sixteen);
      in += 16;
      out += 16;
    }
    if (in < last && last - in < 16 && last - plainFrom >= 16) {
      const __m128i tail = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last - 16));
      if (_mm_movemask_epi8(tail) == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out - (in - (last - 16))), tail);
        return out + (last - in);
      }
    }
#endif
    while (last - in >= 8) {
      uint64_t eight;
      std::memcpy(&eight, in, 8);
      if (eight & kHighBits) break;
      std::memcpy(out, in, 8);
      in += 8;
      out += 8;
    }
    if (in < last && last - in < 8 && last - plainFrom >= 8) {
      uint64_t tail;
      std::memcpy(&tail, last - 8, 8);
      if ((tail & kHighBits) == 0) {
        std::memcpy(out - (in - (last - 8)), &tail, 8);
        return out + (last - in);
      }
    }
    while (in < last && static_cast<unsigned char>(*in) < 0x80) *out++ = *in++;
    if (in == last) return out;
    const char32_t cp = codePointOf(static_cast<unsigned char>(*in++));
    if (cp < 0x800) {
      *out++ = static_cast<char>(0xC0 | (cp >> 6));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      *out++ = static_cast<char>(0xE0 | (cp >> 12));
      *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    plainFrom = in;
  }
}

std::string utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    auto b = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t len;
    if (b < 0x80) { cp = b; len = 1; }
    else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; len = 2; }
    else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; len = 3; }
    else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; len = 4; }
    else { out += '?'; ++i; continue; }
    if (i + len > utf8.size()) { out += '?'; break; }
    bool valid = true;
    for (size_t k = 1; k < len; ++k) {
      auto cont = static_cast<unsigned char>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) { valid = false; break; }
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (!valid) { out += '?'; ++i; continue; }
    out += byteOf(cp);
    i += len;
  }
  return out;
}

QString toQt(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) out.append(QChar(static_cast<char16_t>(codePointOf(static_cast<unsigned char>(c)))));
  return out;
}

std::string fromQt(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (QChar ch : text) out += byteOf(ch.unicode());
  return out;
}

}  // namespace taluvin
