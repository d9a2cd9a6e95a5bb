// A play screen put together from the finished picture files the way the game lays them out,
// layer by layer, so the pictures can be judged where they will be seen: on the background,
// next to each other, at their real size.
#pragma once

#include <cairo.h>

#include <map>
#include <string>

#include "Picture.h"

namespace vorn::pictures {

class MockScreen {
public:
    explicit MockScreen(const std::map<std::string, Picture>& pictures) : pictures_(pictures) {}

    // Draws an 800 x 600 play screen with its top-left corner at (x, y), on the given
    // background tile (1..10).
    void draw(cairo_t* cr, double x, double y, int scenery) const;

private:
    const Picture& picture(const std::string& name) const { return pictures_.at(name); }
    // Copies src's rectangle to the screen, stretched when the sizes differ, skipping the
    // key colour when keyed, as the game's copies do.
    static void blit(Picture& screen, const Picture& src, int sx, int sy, int sw, int sh, int dx, int dy,
                     int dw, int dh, bool keyed);
    Picture compose(int scenery) const;

    const std::map<std::string, Picture>& pictures_;
};

}  // namespace vorn::pictures
