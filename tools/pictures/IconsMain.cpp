// vorn-icons FOLDER: draws the game's icon for the desktop (PNG at six sizes and SVG) and for
// its window (a bitmap with alpha) into FOLDER.
#include <cairo.h>

#include <iostream>

#include "Icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorn-icons OUTPUT-FOLDER\n";
        return 2;
    }
    const bool written = vorn::pictures::writeIcons(argv[1]);
    cairo_debug_reset_static_data();
    if (!written) std::cerr << "vorn-icons: cannot write the icons into " << argv[1] << "\n";
    return written ? 0 : 1;
}
