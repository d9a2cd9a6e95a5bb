// The twenty picture files of the game, each with the drawing that makes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Picture.h"

namespace vorn::pictures {

struct PictureFile {
    std::string name;
    std::function<Picture()> make;
    bool sprite;  // drawn with the colour key, so it has transparent pixels
};

const std::vector<PictureFile>& pictureFiles();

// Draws every picture and writes it into the folder; reports on standard error and returns
// false at the first file that cannot be written.
[[nodiscard]] bool writePictures(const std::string& folder);

}  // namespace vorn::pictures
