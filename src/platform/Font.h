// A font by face name and point size (96 dots per inch). The face is resolved through
// fontconfig, so a missing face falls back to its closest installed match. Glyphs are
// rendered once into a cache, so drawing text every frame allocates nothing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vorn {

class Font {
public:
    Font();
    Font(std::string name, int size);
    ~Font();
    Font(Font&& other) noexcept;
    Font& operator=(Font&& other) noexcept;

    void setName(const std::string& name);
    void setSize(int size);
    const std::string& name() const { return name_; }
    int size() const { return size_; }

    struct Glyph {
        int advance = 0;
        int width = 0;
        int height = 0;
        int offsetX = 0;
        int offsetY = 0;
        const uint8_t* coverage = nullptr;  // width * height bytes, 0..255
    };
    // Glyph of a Windows-1252 character; empty glyph for characters the face lacks.
    // The glyphs are rendered on first use; a font of size 0 draws nothing.
    const Glyph& glyph(uint8_t ch) const;
    int lineHeight() const;
    // Renders the glyphs now, so a missing font is reported where the font is made rather
    // than in the middle of a frame. Throws VornError when no font file can be opened.
    void load() const;

private:
    struct Cache;
    void invalidate();
    std::string name_;
    int size_ = 0;
    mutable std::unique_ptr<Cache> cache_;
};

}  // namespace vorn
