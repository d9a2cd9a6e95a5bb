#include "platform/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <memory>

#include "core/Error.h"

namespace vorn {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

void startFontconfig() {
    static const bool started = [] {
        if (!FcInit()) return false;
        // Hands fontconfig's caches back at the end, so leak checkers see a clean exit.
        std::atexit(FcFini);
        return true;
    }();
    if (!started) throw VornError(kErrFileNotFound, "Font not found: fontconfig cannot start");
}

}  // namespace

FontFile matchFont(const std::string& face) {
    startFontconfig();
    Pattern pattern(FcPatternCreate());
    if (!face.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    // Only outline fonts can be scaled to the sizes the game asks for.
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || !file)
        throw VornError(kErrFileNotFound, "Font not found: " + face);

    FontFile found;
    found.path = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) found.index = index;
    FcChar8* family = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch && family)
        found.family = reinterpret_cast<const char*>(family);
    return found;
}

}  // namespace vorn
