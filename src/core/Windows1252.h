// The game's own character set is Windows-1252: the fonts hold its printable characters and
// the high-score file stores names one byte per character in it. Texts in memory are UTF-8;
// these convert at those two boundaries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

// The character of a byte. The five bytes the code page leaves unassigned stand for the control
// characters of the same number, so they come back unchanged when written again.
char32_t windows1252ToUnicode(uint8_t byte);
bool isAssignedWindows1252(uint8_t byte);
// The byte of a character, or -1 when the code page has no such character.
int unicodeToWindows1252(char32_t codePoint);

// Reads the character at text[i] and moves i past it; false for a malformed sequence, with i
// then past its first byte only.
bool decodeUtf8(std::string_view text, std::size_t& i, char32_t& codePoint);
bool isValidUtf8(std::string_view text);

// The character at text[i] as a byte to draw, moving i past it: a character outside the code
// page gives '?', and a byte that is not UTF-8 is taken as Windows-1252 itself, so one-byte
// texts (level names read from their file) still show.
uint8_t nextWindows1252(std::string_view text, std::size_t& i);

std::string windows1252ToUtf8(std::string_view bytes);
// Appends text as bytes; a character outside the code page, or malformed UTF-8, becomes "?".
// Allocates nothing while out has room.
void appendAsWindows1252(std::string& out, std::string_view utf8);
std::string utf8ToWindows1252(std::string_view utf8);

// The number of characters (not bytes) of a UTF-8 text, its first n characters, and the text
// cut or padded with blanks to exactly n characters (a high-score name).
std::size_t utf8Length(std::string_view utf8);
std::string_view utf8Prefix(std::string_view utf8, std::size_t characters);
std::string fitToCharacters(std::string_view utf8, std::size_t characters);

}  // namespace vorn
