// Text from outside the program (file names, script and list lines, words of
// the command line) made safe to print on a terminal: every byte that is not
// part of a printable character is written as \xNN. Written once for the
// program's front ends and its tools.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most bytes of one line or word that a message quotes.
constexpr std::size_t MaxQuotedBytes = 200;

// The length of the printable character that begins at text[i]: 1 for
// printable ASCII, 2 to 4 for a well-formed UTF-8 sequence other than a C1
// control (U+0080..U+009F); 0 for a control byte, DEL, or a byte that begins
// no well-formed character.
inline std::size_t PrintableLength(std::string_view text, std::size_t i) {
  auto at = [&](std::size_t k) {
    return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u;
  };
  unsigned lead = at(i);
  if (lead >= 0x20 && lead < 0x7F) return 1;
  if (lead < 0xC2 || lead > 0xF4) return 0;
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  unsigned low = 0x80, high = 0xBF;              // the second byte's range
  if (lead == 0xC2 || lead == 0xE0) low = 0xA0;  // C1 controls; overlong forms
  if (lead == 0xED) high = 0x9F;                 // surrogates
  if (lead == 0xF0) low = 0x90;                  // overlong forms
  if (lead == 0xF4) high = 0x8F;                 // past U+10FFFF
  if (at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if ((at(i + k) & 0xC0) != 0x80) return 0;
  return length;
}

// The first `limit` bytes of text at most (never half a character), each
// byte outside a printable character as \xNN; "..." follows when text was cut.
inline std::string Printable(std::string_view text, std::size_t limit = std::string_view::npos) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t length = PrintableLength(text, i);
    if (i + (length == 0 ? 1 : length) > limit) break;
    if (length != 0) {
      out.append(text, i, length);
      i += length;
      continue;
    }
    auto byte = static_cast<unsigned char>(text[i++]);
    out += {'\\', 'x', Hex[byte >> 4], Hex[byte & 15]};
  }
  if (i < text.size()) out += "...";
  return out;
}

// A line or a word of the input as a message quotes it: Printable, and at
// most its first MaxQuotedBytes bytes.
inline std::string Excerpt(std::string_view text) { return Printable(text, MaxQuotedBytes); }
