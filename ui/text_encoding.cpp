#include "ui/text_encoding.h"

#include <cstdio>

namespace pivora {
namespace {

// The length of the well-formed UTF-8 sequence at text[k], or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t k) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(k);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (k + length > text.size()) return 0;
  if (byte(k + 1) < low || byte(k + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(k + i) < 0x80 || byte(k + i) > 0xBF) return 0;
  }
  return length;
}

// The code point of the well-formed UTF-8 sequence of `length` bytes.
char32_t CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  char32_t point = byte(0) & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) point = (point << 6) | (byte(i) & 0x3F);
  return point;
}

// Characters that show as nothing or as a blank, so a quote would hide them:
// the no-break spaces, the zero-width characters and the byte order mark.
bool IsInvisible(char32_t point) {
  return point == 0x00A0 || point == 0x202F || (point >= 0x200B && point <= 0x200F) ||
         point == 0x2060 || point == 0xFEFF;
}

void AppendEscaped(std::string& out, unsigned char c) {
  char buffer[5];
  std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
  out += buffer;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string QuotedForMessage(std::string_view text, std::size_t limit) {
  const std::string_view shown = text.substr(0, limit);
  std::string out = "\"";
  for (std::size_t k = 0; k < shown.size();) {
    const auto c = static_cast<unsigned char>(shown[k]);
    if (c == '\\' || c == '"') {
      out += '\\';
      out += static_cast<char>(c);
      ++k;
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
      ++k;
    } else if (const std::size_t length = c >= 0x80 ? Utf8SequenceLength(shown, k) : 0) {
      const char32_t point = CodePoint(shown.substr(k, length));
      if (IsInvisible(point)) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(point));
        out += buffer;
      } else {
        out.append(shown.substr(k, length));
      }
      k += length;
    } else {
      AppendEscaped(out, c);
      ++k;
    }
  }
  out += '"';
  if (shown.size() < text.size()) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

}  // namespace pivora
