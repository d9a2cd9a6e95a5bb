// One line of screen text, built in place every frame with its numbers formatted straight
// into it, so that once it has room nothing allocates.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorn {

class TextLine {
public:
    TextLine() { text_.reserve(256); }

    TextLine& clear() {
        text_.clear();
        return *this;
    }
    TextLine& text(std::string_view utf8) {
        text_.append(utf8);
        return *this;
    }
    TextLine& number(int32_t value) {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        text_.append(digits, result.ptr);
        return *this;
    }
    const std::string& str() const { return text_; }

private:
    std::string text_;
};

}  // namespace vorn
