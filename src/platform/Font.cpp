#include "platform/Font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <vector>

#include "core/Error.h"
#include "core/Windows1252.h"
#include "platform/FontMatch.h"

namespace vorn {

namespace {

constexpr unsigned kDotsPerInch = 96;

void startTtf() {
    static const bool started = [] {
        if (TTF_Init() != 0) throw VornError(kErrFileNotFound, std::string("Font engine: ") + TTF_GetError());
        return true;
    }();
    (void)started;
}

struct TtfFont {
    TTF_Font* font = nullptr;
    ~TtfFont() {
        if (font) TTF_CloseFont(font);
    }
};

struct SdlSurface {
    SDL_Surface* surface = nullptr;
    ~SdlSurface() {
        if (surface) SDL_FreeSurface(surface);
    }
};

}  // namespace

struct Font::Cache {
    std::array<Glyph, 256> glyphs{};
    std::vector<uint8_t> coverage;
    int lineHeight = 0;
};

Font::Font() = default;
Font::Font(std::string name, int size) : name_(std::move(name)), size_(size) {}
Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;

void Font::setName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    invalidate();
}

void Font::setSize(int size) {
    if (size == size_) return;
    size_ = size;
    invalidate();
}

void Font::invalidate() { cache_.reset(); }

const Font::Glyph& Font::glyph(uint8_t ch) const {
    if (!cache_) load();
    return cache_->glyphs[ch];
}

int Font::lineHeight() const {
    if (!cache_) load();
    return cache_->lineHeight;
}

void Font::load() const {
    if (cache_) return;
    auto cache = std::make_unique<Cache>();
    if (size_ <= 0) {
        cache_ = std::move(cache);
        return;
    }
    startTtf();
    const FontFile file = matchFont(name_);
    TtfFont ttf;
    ttf.font = TTF_OpenFontIndexDPI(file.path.c_str(), size_, file.index, kDotsPerInch, kDotsPerInch);
    if (!ttf.font)
        throw VornError(kErrFileNotFound,
                        "Font not found: " + name_ + " (" + file.path + ": " + TTF_GetError() + ")");
    // Text is laid out one glyph after the other on whole pixels, without kerning.
    TTF_SetFontKerning(ttf.font, 0);
    const int ascent = TTF_FontAscent(ttf.font);
    cache->lineHeight = TTF_FontHeight(ttf.font);

    // Each glyph is rendered as a one-character line and cut down to its ink; the offsets
    // place the ink relative to the pen at the top-left corner of the line.
    std::vector<size_t> starts(256, 0);
    const SDL_Color white{255, 255, 255, 255};
    for (int ch = 32; ch < 256; ++ch) {
        const char32_t cp = windows1252ToUnicode(static_cast<uint8_t>(ch));
        if (!isAssignedWindows1252(static_cast<uint8_t>(ch)) || cp == 0x7F ||
            !TTF_GlyphIsProvided32(ttf.font, cp))
            continue;
        int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
        if (TTF_GlyphMetrics32(ttf.font, cp, &minX, &maxX, &minY, &maxY, &advance) != 0) continue;
        Glyph& g = cache->glyphs[ch];
        g.advance = advance;

        SdlSurface rendered;
        rendered.surface = TTF_RenderGlyph32_Blended(ttf.font, cp, white);
        if (!rendered.surface) continue;
        SdlSurface argb;
        argb.surface = SDL_ConvertSurfaceFormat(rendered.surface, SDL_PIXELFORMAT_ARGB8888, 0);
        if (!argb.surface) continue;
        SDL_Surface* s = argb.surface;
        auto alpha = [s](int x, int y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                                static_cast<ptrdiff_t>(y) * s->pitch);
            return static_cast<uint8_t>(row[x] >> 24);
        };
        int left = s->w, right = -1, top = s->h, bottom = -1;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                if (alpha(x, y)) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        if (right < 0) continue;

        // The renderer moves the pen right of a glyph that reaches left of it, and down
        // for one that rises above the ascent.
        const int penX = std::max(0, -minX), penY = std::max(0, maxY - ascent);
        g.offsetX = left - penX;
        g.offsetY = top - penY;
        g.width = right - left + 1;
        g.height = bottom - top + 1;
        starts[ch] = cache->coverage.size();
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) cache->coverage.push_back(alpha(x, y));
    }
    for (int ch = 0; ch < 256; ++ch)
        if (cache->glyphs[ch].width > 0) cache->glyphs[ch].coverage = cache->coverage.data() + starts[ch];
    cache_ = std::move(cache);
}

}  // namespace vorn
