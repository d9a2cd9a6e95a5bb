// A whole number as text, in a buffer of its own: the status line and the title screen draw
// their numbers every frame without allocating.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorn {

class NumberText {
public:
    explicit NumberText(int32_t value)
        : size_(static_cast<std::size_t>(std::to_chars(digits_, digits_ + sizeof digits_, value).ptr -
                                         digits_)) {}
    std::string_view view() const { return {digits_, size_}; }

private:
    char digits_[12];  // "-2147483648"
    std::size_t size_;
};

}  // namespace vorn
