// Placeholder until the fontconfig + SDL_ttf font lands.
#include "platform/Font.h"

namespace vorn {
struct Font::Cache {};
Font::Font() = default;
Font::Font(std::string name, int size) : name_(std::move(name)), size_(size) {}
Font::~Font() = default;
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;
void Font::setName(const std::string& name) { name_ = name; }
void Font::setSize(int size) { size_ = size; }
const Font::Glyph& Font::glyph(uint8_t) const { static Glyph empty; return empty; }
int Font::lineHeight() const { return size_; }
void Font::invalidate() {}
}  // namespace vorn
