// The fonts hold the 224 printable characters of Windows-1252, the game's own character set;
// texts in memory are UTF-8. These convert at that boundary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

// The Unicode code point of a Windows-1252 byte; 0 for the five bytes the code page leaves
// undefined.
char32_t cp1252ToUnicode(uint8_t ch);
// The Windows-1252 byte of a code point, or -1 when the code page has no such character.
int unicodeToCp1252(char32_t codePoint);

// The character of text at i as a Windows-1252 byte, advancing i past it. A well-formed UTF-8
// sequence outside the code page gives '?'; a byte that is not well-formed UTF-8 is taken
// as a Windows-1252 byte itself, so old one-byte texts still show.
uint8_t nextCp1252(std::string_view text, size_t& i);

std::string cp1252ToUtf8(std::string_view text);
bool isValidUtf8(std::string_view text);

}  // namespace vorn
