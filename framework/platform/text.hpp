// String operations on CP932 (Shift-JIS) byte strings.
//
// Every text of the programs is a CP932 byte string: ASCII and half-width
// katakana take one byte, kana, kanji and full-width signs two. Two sets of
// operations exist: the byte-counting set (LEN, LEFT, MID, RIGHT, INSTR) and
// the character-counting set (KLEN, KLEFT, KMID, KRIGHT, KINSTR), in which a
// two-byte character counts as one. Positions start at 1; 0 means "not
// found". Lengths and positions out of range are clamped, never undefined.
// Counts and positions are singles, as the programs compute them, and are
// rounded to the nearest whole number.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// True for a byte that starts a two-byte CP932 character.
bool is_lead_byte(unsigned char byte);
// Byte length of the character that starts at byte offset `pos` (1 or 2; 1 for
// a lead byte at the very end of a broken string).
int char_bytes(std::string_view s, std::size_t pos);

// Byte-counting set.
float LEN(std::string_view s);
std::string LEFT(std::string_view s, float n);
std::string RIGHT(std::string_view s, float n);
std::string MID(std::string_view s, float start);
std::string MID(std::string_view s, float start, float n);
float INSTR(std::string_view s, std::string_view find);
float INSTR(float start, std::string_view s, std::string_view find);

// Character-counting set.
float KLEN(std::string_view s);
std::string KLEFT(std::string_view s, float n);
std::string KRIGHT(std::string_view s, float n);
std::string KMID(std::string_view s, float start);
std::string KMID(std::string_view s, float start, float n);
float KINSTR(std::string_view s, std::string_view find);
float KINSTR(float start, std::string_view s, std::string_view find);

// CHR$: the one-byte string of a code 0..255 (a two-byte code 0x8140.. gives
// its two bytes). ASC: the code of the first character (two-byte characters
// give lead*256+trail); the empty string raises the run-time error.
std::string CHR(float code);
float ASC(std::string_view s);

// Conversions for the font renderer, logs and messages. Invalid bytes become
// U+FFFD (to UTF-8) or "?" (to CP932); neither ever fails.
std::string to_utf8(std::string_view cp932);
std::string from_utf8(std::string_view utf8);
// The characters of a CP932 string, each as its own byte string.
std::string_view next_char(std::string_view s, std::size_t& pos);

}  // namespace rt
