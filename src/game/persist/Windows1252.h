// The two files keep names one byte per character in Windows-1252, as the game always has;
// in memory every text is UTF-8. A character the code page lacks is written as "?".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// Every byte becomes its character; the five bytes the code page leaves unassigned become
// the control characters of the same number, so they come back unchanged when saved.
std::string windows1252ToUtf8(std::string_view bytes);

// Appends text as Windows-1252 bytes; a character outside the code page, or a byte that is
// not valid UTF-8, becomes "?". Allocates nothing while out has room.
void appendAsWindows1252(std::string& out, std::string_view utf8);
std::string utf8ToWindows1252(std::string_view utf8);

// The number of characters (not bytes) of a UTF-8 text, and its first n characters.
std::size_t utf8Length(std::string_view utf8);
std::string_view utf8Prefix(std::string_view utf8, std::size_t characters);

}  // namespace vorn
