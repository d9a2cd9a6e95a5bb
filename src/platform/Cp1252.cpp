#include "platform/Cp1252.h"

namespace vorn {

namespace {

// 0x80 to 0x9F are the only bytes that differ from Latin-1.
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
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads one code point at text[i], advancing i; false on a malformed sequence, with i
// then past its first byte only.
bool nextCodePoint(std::string_view text, size_t& i, char32_t& cp) {
    const size_t start = i;
    const auto lead = static_cast<uint8_t>(text[i++]);
    int extra = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F, extra = 1, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F, extra = 2, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07, extra = 3, min = 0x10000;
    } else {
        return false;
    }
    for (int k = 0; k < extra; ++k) {
        const size_t at = start + 1 + k;
        if (at >= text.size() || (static_cast<uint8_t>(text[at]) & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (static_cast<uint8_t>(text[at]) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i = start + 1 + extra;
    return true;
}

}  // namespace

char32_t cp1252ToUnicode(uint8_t ch) { return ch >= 0x80 && ch < 0xA0 ? kHighControls[ch - 0x80] : ch; }

int unicodeToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == codePoint) return 0x80 + i;
    return -1;
}

uint8_t nextCp1252(std::string_view text, size_t& i) {
    const auto first = static_cast<uint8_t>(text[i]);
    char32_t cp = 0;
    if (!nextCodePoint(text, i, cp)) return first;
    const int b = unicodeToCp1252(cp);
    return b >= 0 ? static_cast<uint8_t>(b) : static_cast<uint8_t>('?');
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char ch : text) {
        const char32_t cp = cp1252ToUnicode(ch);
        appendUtf8(out, cp != 0 ? cp : ch);
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    size_t i = 0;
    char32_t cp = 0;
    while (i < text.size())
        if (!nextCodePoint(text, i, cp)) return false;
    return true;
}

}  // namespace vorn
