// Fonts and text: face names resolved through fontconfig, glyphs at 96 dots per inch, text
// drawn in the fore colour on a transparent background, the game's character set.
#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Error.h"
#include "platform/Cp1252.h"
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

TEST(PlatformText, FaceNamesResolveToInstalledFilesOfTheirOwn) {
    const FontFile comic = matchFont("Comic Sans MS");
    const FontFile arial = matchFont("Arial");
    EXPECT_TRUE(std::filesystem::is_regular_file(comic.path)) << comic.path;
    EXPECT_TRUE(std::filesystem::is_regular_file(arial.path)) << arial.path;
    // Each face finds its own match, not one default font for both.
    EXPECT_NE(comic.path, arial.path);
    EXPECT_FALSE(comic.family.empty());
}

TEST(PlatformText, GlyphsAreMadeAtNinetySixDotsPerInch) {
    Font small("Arial", 8), large("Arial", 16);
    // A capital letter is about 0.7 em high: 16 points at 96 dpi are 21.3 pixels to the em
    // (at 72 dpi they would be 16).
    const Font::Glyph& h = large.glyph('H');
    EXPECT_GE(h.height, 14);
    EXPECT_LE(h.height, 16);
    EXPECT_GT(large.lineHeight(), small.lineHeight() * 3 / 2);
    EXPECT_GE(small.lineHeight(), 11);
    EXPECT_LE(small.lineHeight(), 14);
    // The capital sits on the baseline, below the top of the line by the ascent less its height.
    EXPECT_GT(h.offsetY, 0);
    EXPECT_GT(h.advance, h.width);
}

TEST(PlatformText, EveryCharacterOfTheCodePageHasItsGlyphAndNothingElseDoes) {
    Font font("Arial", 12);
    font.load();
    for (int ch = 0; ch < 256; ++ch) {
        const Font::Glyph& g = font.glyph(static_cast<uint8_t>(ch));
        const bool printable = ch >= 32 && ch != 127 && cp1252ToUnicode(static_cast<uint8_t>(ch)) != 0;
        if (printable) {
            EXPECT_GT(g.advance, 0) << ch;
        } else {
            EXPECT_EQ(g.advance, 0) << ch;
        }
        if (g.width > 0) {
            ASSERT_NE(g.coverage, nullptr) << ch;
            // Glyphs are cut to their ink: some pixel of the first and of the last row is covered.
            int firstRow = 0, lastRow = 0;
            for (int x = 0; x < g.width; ++x) {
                firstRow += g.coverage[x];
                lastRow += g.coverage[(g.height - 1) * g.width + x];
            }
            EXPECT_GT(firstRow, 0) << ch;
            EXPECT_GT(lastRow, 0) << ch;
        }
    }
    EXPECT_EQ(font.glyph(' ').width, 0);
    EXPECT_GT(font.glyph(0x80).width, 0);  // the euro sign
}

TEST(PlatformText, ChangingTheFaceOrSizeRendersTheGlyphsAgain) {
    Font font("Arial", 8);
    const int small = font.glyph('H').height;
    font.setSize(16);
    EXPECT_GT(font.glyph('H').height, small);
    font.setName("Comic Sans MS");
    EXPECT_EQ(font.name(), "Comic Sans MS");
    EXPECT_GT(font.glyph('m').advance, 0);

    // A moved font keeps its glyphs.
    Font moved(std::move(font));
    EXPECT_GT(moved.glyph('H').height, small);
    ASSERT_NE(moved.glyph('H').coverage, nullptr);

    Font none;
    EXPECT_EQ(none.lineHeight(), 0);
    EXPECT_EQ(none.glyph('A').advance, 0);
}

// The text of the cache, laid glyph after glyph, is the text SDL_ttf itself draws as one line.
TEST(PlatformText, TextIsDrawnInTheForeColourWhereTheFontPutsItOverWhatWasThere) {
    const int size = 12;
    const std::string text = "Fps: 33";
    Font font("Arial", size);
    Surface s(120, 40);
    fill(s, kBackground);
    s.setFont(font);
    s.setForeColour(rgb(255, 255, 0));
    const int x0 = 7, y0 = 9;
    s.drawText(x0, y0, text);

    ASSERT_EQ(TTF_Init(), 0);
    const FontFile file = matchFont("Arial");
    TTF_Font* ttf = TTF_OpenFontIndexDPI(file.path.c_str(), size, file.index, 96, 96);
    ASSERT_NE(ttf, nullptr);
    TTF_SetFontKerning(ttf, 0);
    SDL_Surface* line = TTF_RenderUTF8_Blended(ttf, text.c_str(), SDL_Color{255, 255, 255, 255});
    ASSERT_NE(line, nullptr);
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(line, SDL_PIXELFORMAT_ARGB8888, 0);
    ASSERT_NE(argb, nullptr);

    const uint16_t yellow = toRgb565(rgb(255, 255, 0));
    int covered = 0, full = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const int lx = x - x0, ly = y - y0;
            int alpha = 0;
            if (lx >= 0 && ly >= 0 && lx < argb->w && ly < argb->h)
                alpha =
                    static_cast<int>(reinterpret_cast<const uint32_t*>(
                                         static_cast<const uint8_t*>(argb->pixels) + ly * argb->pitch)[lx] >>
                                     24);
            const uint16_t p = s.pixel(x, y);
            if (alpha == 0) {
                EXPECT_EQ(p, kBackground) << x << "," << y;
            } else {
                ++covered;
                // Faint edges may round to the background in 16 bits; firm ink may not.
                if (alpha >= 96) {
                    EXPECT_NE(p, kBackground) << x << "," << y << " coverage " << alpha;
                }
                if (alpha == 255) {
                    ++full;
                    EXPECT_EQ(p, yellow) << x << "," << y;
                }
            }
        }
    EXPECT_GT(covered, 30);
    EXPECT_GT(full, 5);
    SDL_FreeSurface(argb);
    SDL_FreeSurface(line);
    TTF_CloseFont(ttf);
    TTF_Quit();
}

TEST(PlatformText, TextIsUtf8AndStrayBytesAreReadAsTheGameCodePage) {
    Font font("Arial", 12);
    Surface utf8(60, 30), single(60, 30), euro(60, 30), foreign(60, 30), question(60, 30);
    for (Surface* s : {&utf8, &single, &euro, &foreign, &question}) {
        fill(*s, 0);
        s->setFont(font);
        s->setForeColour(rgb(255, 255, 255));
    }
    utf8.drawText(2, 2, "J\xC3\xA9r\xC3\xB4me");  // "Jérôme" in UTF-8
    single.drawText(2, 2, "J\xE9r\xF4me");        // the same in Windows-1252 bytes
    euro.drawText(2, 2, "\xE2\x82\xAC");          // the euro sign: 0x80 in the code page
    foreign.drawText(2, 2, "\xE4\xB8\xAD");       // a character the code page lacks
    question.drawText(2, 2, "?");
    int differences = 0, euroInk = 0, questionDiff = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            differences += utf8.pixel(x, y) != single.pixel(x, y);
            euroInk += euro.pixel(x, y) != 0;
            questionDiff += foreign.pixel(x, y) != question.pixel(x, y);
        }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(euroInk, 5);
    EXPECT_EQ(questionDiff, 0);
}

TEST(PlatformText, TheCodePageMapsBothWays) {
    EXPECT_EQ(cp1252ToUnicode('A'), U'A');
    EXPECT_EQ(cp1252ToUnicode(0x80), 0x20AC);
    EXPECT_EQ(cp1252ToUnicode(0x9F), 0x0178);
    EXPECT_EQ(cp1252ToUnicode(0xE9), 0xE9);
    for (uint8_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252ToUnicode(undefined), 0) << int(undefined);
    for (int b = 0x20; b < 256; ++b) {
        const char32_t cp = cp1252ToUnicode(static_cast<uint8_t>(b));
        if (cp != 0) {
            EXPECT_EQ(unicodeToCp1252(cp), b);
        }
    }
    EXPECT_EQ(unicodeToCp1252(0x85), -1);  // a C1 control, not in the code page
    EXPECT_EQ(unicodeToCp1252(0x4E2D), -1);

    size_t i = 0;
    const std::string mixed = "a\xC3\xA9\xE9\xE2\x82\xAC";
    EXPECT_EQ(nextCp1252(mixed, i), 'a');
    EXPECT_EQ(nextCp1252(mixed, i), 0xE9);
    EXPECT_EQ(i, 3u);
    EXPECT_EQ(nextCp1252(mixed, i), 0xE9);  // a lone byte that is not UTF-8
    EXPECT_EQ(i, 4u);
    EXPECT_EQ(nextCp1252(mixed, i), 0x80);
    EXPECT_EQ(i, mixed.size());

    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9"), "\xE2\x82\xAC \xC3\xA9");
    EXPECT_TRUE(isValidUtf8("plain \xC3\xA9"));
    EXPECT_FALSE(isValidUtf8("broken \xE9 text"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // an over-long slash
}

}  // namespace
}  // namespace vorn
