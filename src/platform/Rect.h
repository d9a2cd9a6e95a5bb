// A screen rectangle: Right and Bottom lie just outside it. Every collision test of the
// game uses intersects(): two rectangles touch when their overlap is not empty.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vorn {

struct Rect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool empty() const { return Left >= Right || Top >= Bottom; }
    bool operator==(const Rect&) const = default;
};

inline bool intersects(const Rect& a, const Rect& b) {
    if (a.empty() || b.empty()) return false;
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

}  // namespace vorn
