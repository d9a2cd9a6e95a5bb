// vorn-pictures FOLDER: draws the game's twenty pictures into FOLDER as bitmap files.
#include <cairo.h>

#include <iostream>

#include "PictureSet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorn-pictures OUTPUT-FOLDER\n";
        return 2;
    }
    const bool written = vorn::pictures::writePictures(argv[1]);
    cairo_debug_reset_static_data();
    return written ? 0 : 1;
}
