// Fonts and text: face names resolved through fontconfig, glyphs at 96 dots per inch, text
// drawn in the fore colour on a transparent background, the game's character set.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Windows1252.h"
#include "platform/Font.h"
#include "platform/FontMatch.h"
#include "platform/Surface.h"

namespace vorn {
namespace {

constexpr uint16_t kBackground = 0x0841;

void fill(Surface& s, uint16_t value) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) s.setPixel(x, y, value);
}

TEST(PlatformText, FacesResolveToFilesOfTheirOwnAndEveryCharacterOfTheCodePageHasAGlyph) {
    const FontFile comic = matchFont("Comic Sans MS"), arial = matchFont("Arial");
    EXPECT_TRUE(std::filesystem::is_regular_file(comic.path)) << comic.path;
    EXPECT_TRUE(std::filesystem::is_regular_file(arial.path)) << arial.path;
    EXPECT_NE(comic.path, arial.path);

    // A new size renders the glyphs again (the size in dots per inch is checked against
    // SDL_ttf below).
    Font font("Arial", 8);
    const int small = font.glyph('H').height;
    font.setSize(16);
    EXPECT_GT(font.glyph('H').height, small * 3 / 2);

    // Every printable character of the code page has a glyph, and nothing else does.
    for (int ch = 0; ch < 256; ++ch) {
        const bool printable = ch >= 32 && ch != 127 && isAssignedWindows1252(static_cast<uint8_t>(ch));
        EXPECT_EQ(font.glyph(static_cast<uint8_t>(ch)).advance > 0, printable) << ch;
    }
    EXPECT_GT(font.glyph(0x80).width, 0);  // the euro sign
}

// The text of the glyph cache, laid glyph after glyph, is the text SDL_ttf itself draws as one line.
TEST(PlatformText, TextIsDrawnInTheForeColourWhereTheFontPutsItOverWhatWasThere) {
    const std::string text = "Fps: 33";
    Font font("Arial", 12);
    Surface s(120, 40);
    fill(s, kBackground);
    s.setFont(font);
    s.setForeColour(rgb(255, 255, 0));
    const int x0 = 7, y0 = 9;
    s.drawText(x0, y0, text);

    ASSERT_EQ(TTF_Init(), 0);
    const FontFile file = matchFont("Arial");
    TTF_Font* ttf = TTF_OpenFontIndexDPI(file.path.c_str(), 12, file.index, 96, 96);
    ASSERT_NE(ttf, nullptr);
    TTF_SetFontKerning(ttf, 0);
    SDL_Surface* line = TTF_RenderUTF8_Blended(ttf, text.c_str(), SDL_Color{255, 255, 255, 255});
    SDL_Surface* argb = line ? SDL_ConvertSurfaceFormat(line, SDL_PIXELFORMAT_ARGB8888, 0) : nullptr;
    ASSERT_NE(argb, nullptr);
    const uint16_t yellow = toRgb565(rgb(255, 255, 0));
    int covered = 0, full = 0, wrong = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const int lx = x - x0, ly = y - y0;
            uint32_t alpha = 0;
            if (lx >= 0 && ly >= 0 && lx < argb->w && ly < argb->h)
                alpha = static_cast<const uint32_t*>(argb->pixels)[ly * argb->pitch / 4 + lx] >> 24;
            const uint16_t p = s.pixel(x, y);
            // Faint edges may round to the background in 16 bits; firm ink may not.
            wrong += alpha == 0     ? p != kBackground
                     : alpha == 255 ? p != yellow
                                    : alpha >= 96 && p == kBackground;
            covered += alpha > 0;
            full += alpha == 255;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(covered, 30);
    EXPECT_GT(full, 5);
    SDL_FreeSurface(argb);
    SDL_FreeSurface(line);
    TTF_CloseFont(ttf);
    TTF_Quit();
}

TEST(PlatformText, TextIsUtf8StrayBytesAreTheGameCodePageAndForeignCharactersQuestionMarks) {
    Font font("Arial", 12);
    auto draw = [&](const std::string& text) {
        auto s = std::make_unique<Surface>(60, 30);
        fill(*s, 0);
        s->setFont(font);
        s->setForeColour(rgb(255, 255, 255));
        s->drawText(2, 2, text);
        return s;
    };
    auto same = [](const Surface& a, const Surface& b) {
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) return false;
        return true;
    };
    EXPECT_TRUE(same(*draw("J\xC3\xA9r\xC3\xB4me"), *draw("J\xE9r\xF4me")));
    EXPECT_TRUE(same(*draw("\xE4\xB8\xAD"), *draw("?")));
    EXPECT_TRUE(same(*draw("\xE2\x82\xAC"), *draw("\x80")));  // the euro sign
    EXPECT_FALSE(same(*draw("\x80"), *draw("?")));

    // The conversions the message box uses for texts that are not UTF-8.
    for (int b = 0x20; b < 256; ++b)
        EXPECT_EQ(unicodeToWindows1252(windows1252ToUnicode(static_cast<uint8_t>(b))), b) << b;
}

}  // namespace
}  // namespace vorn
