// Finds the installed font file for a face name through fontconfig: the face itself where it
// is installed, its closest match where not ("Comic Sans MS" becomes Comic Neue on a plain
// Debian, "Arial" Liberation Sans).
#pragma once

#include <string>

namespace vorn {

struct FontFile {
    std::string path;
    int index = 0;       // face inside a collection file
    std::string family;  // what fontconfig chose
};

// Throws VornError when no font at all can be found.
FontFile matchFont(const std::string& face);

}  // namespace vorn
