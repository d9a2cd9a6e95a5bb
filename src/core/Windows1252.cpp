#include "core/Windows1252.h"

namespace vorn {

namespace {

// 0x80 to 0x9F are the only bytes whose characters differ from Latin-1; 0 where unassigned.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        // Every character of the code page lies below 0x10000.
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool isAssignedWindows1252(uint8_t byte) {
    return byte < 0x80 || byte >= 0xA0 || kHighControls[byte - 0x80] != 0;
}

char32_t windows1252ToUnicode(uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0 ? kHighControls[byte - 0x80] : byte;
}

int unicodeToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    if (codePoint < 0xA0) return kHighControls[codePoint - 0x80] == 0 ? static_cast<int>(codePoint) : -1;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == codePoint) return 0x80 + i;
    return -1;
}

bool decodeUtf8(std::string_view text, std::size_t& i, char32_t& codePoint) {
    const std::size_t start = i++;
    const auto lead = static_cast<uint8_t>(text[start]);
    int extra = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return true;
    }
    if ((lead & 0xE0) == 0xC0) {
        codePoint = lead & 0x1F, extra = 1, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        codePoint = lead & 0x0F, extra = 2, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        codePoint = lead & 0x07, extra = 3, least = 0x10000;
    } else {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        const std::size_t at = start + k;
        if (at >= text.size() || (static_cast<uint8_t>(text[at]) & 0xC0) != 0x80) return false;
        codePoint = (codePoint << 6) | (static_cast<uint8_t>(text[at]) & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return false;
    i = start + 1 + static_cast<std::size_t>(extra);
    return true;
}

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < text.size())
        if (!decodeUtf8(text, i, cp)) return false;
    return true;
}

uint8_t nextWindows1252(std::string_view text, std::size_t& i) {
    const auto first = static_cast<uint8_t>(text[i]);
    char32_t cp = 0;
    if (!decodeUtf8(text, i, cp)) return first;
    const int byte = unicodeToWindows1252(cp);
    return byte >= 0 ? static_cast<uint8_t>(byte) : static_cast<uint8_t>('?');
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) appendUtf8(out, windows1252ToUnicode(b));
    return out;
}

void appendAsWindows1252(std::string& out, std::string_view utf8) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < utf8.size()) {
        const int byte = decodeUtf8(utf8, i, cp) ? unicodeToWindows1252(cp) : -1;
        out += byte >= 0 ? static_cast<char>(byte) : '?';
    }
}

std::string utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendAsWindows1252(out, utf8);
    return out;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t i = 0, count = 0;
    char32_t cp = 0;
    for (; i < utf8.size(); ++count) decodeUtf8(utf8, i, cp);
    return count;
}

std::string_view utf8Prefix(std::string_view utf8, std::size_t characters) {
    std::size_t i = 0;
    char32_t cp = 0;
    for (std::size_t n = 0; n < characters && i < utf8.size(); ++n) decodeUtf8(utf8, i, cp);
    return utf8.substr(0, i);
}

std::string fitToCharacters(std::string_view utf8, std::size_t characters) {
    std::string fitted(utf8Prefix(utf8, characters));
    fitted.append(characters - utf8Length(fitted), ' ');
    return fitted;
}

}  // namespace vorn
