// vorn-pictures FOLDER: draws the game's twenty pictures into FOLDER as bitmap files.
#include <cairo.h>

#include <iostream>

#include "PictureSet.h"

// In a sanitizer build, the font library's caches that live until the program ends are not
// leaks of ours.
// NOLINTBEGIN(bugprone-reserved-identifier): the sanitizer looks these names up.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
// NOLINTEND(bugprone-reserved-identifier)

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorn-pictures OUTPUT-FOLDER\n";
        return 2;
    }
    const bool written = vorn::pictures::writePictures(argv[1]);
    cairo_debug_reset_static_data();
    return written ? 0 : 1;
}
