#include "app/GamePaths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace vorn {

// The build says where it installs the data (CMakeLists.txt).
const char* const kInstalledDataFolder = VORN_INSTALLED_DATA_FOLDER;

namespace {

bool holdsLevels(const fs::path& folder) {
    std::error_code ec;
    return fs::is_regular_file(folder / "Levels.txt", ec);
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

fs::path cleaned(const fs::path& folder) {
    std::error_code ec;
    fs::path clean = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    return ec ? fs::absolute(folder).lexically_normal() : clean;
}

// The set's folder name and a short fingerprint of its whole path, so that two sets in
// folders of the same name keep two tables. FNV-1a: the same name on every build.
std::string levelSetFolderName(const fs::path& set) {
    uint32_t hash = 2166136261u;
    for (const unsigned char ch : set.string()) hash = (hash ^ ch) * 16777619u;
    char fingerprint[9];
    std::snprintf(fingerprint, sizeof fingerprint, "%08x", hash);
    const std::string name = set.filename().string();
    return (name.empty() ? std::string("root") : name) + "-" + fingerprint;
}

}  // namespace

fs::path GamePaths::shown(const fs::path& folder) const { return folder.empty() ? data : folder; }

PathSettings pathSettings(const fs::path& programFolder, const fs::path& levelSet) {
    PathSettings settings{programFolder, levelSet, "", ""};
    if (const char* xdg = std::getenv("XDG_DATA_HOME")) settings.xdgDataHome = xdg;
    if (const char* home = std::getenv("HOME"); home && *home) {
        settings.home = home;
    } else if (const passwd* account = getpwuid(getuid()); account && account->pw_dir) {
        settings.home = account->pw_dir;
    }
    return settings;
}

fs::path findDataFolder(const fs::path& programFolder) {
    if (holdsLevels(programFolder)) return programFolder;
    const fs::path installed = cleaned(programFolder / kInstalledDataFolder);
    return holdsLevels(installed) ? installed : programFolder;
}

fs::path playerSaveFolder(const std::string& xdgDataHome, const std::string& home) {
    // A relative $XDG_DATA_HOME is not valid and is passed over, as the base directory rules say.
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute()) return fs::path(xdgDataHome) / "vorn";
    if (!home.empty()) return fs::path(home) / ".local" / "share" / "vorn";
    return {};
}

bool canCreateFilesIn(const fs::path& folder) {
    std::string probe = (folder / ".vorn-write-test-XXXXXX").string();
    const int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

GamePaths findGamePaths(const PathSettings& settings, const WritableTest& writable) {
    GamePaths paths;
    const fs::path program = cleaned(settings.programFolder);
    paths.data = findDataFolder(program);

    // Only a copied folder keeps its files: an installed data folder belongs to the package
    // manager, even for the one account that could write to it. Without any home folder the
    // files stay beside the data, whatever comes of it.
    fs::path saves;
    if (!(sameFolder(paths.data, program) && writable(paths.data)))
        saves = playerSaveFolder(settings.xdgDataHome, settings.home);
    paths.folders.options = saves;
    paths.folders.highScores = saves;

    if (!settings.levelSet.empty()) {
        const fs::path set = cleaned(settings.levelSet);
        if (!sameFolder(set, paths.data)) {
            paths.folders.levels = set;
            paths.folders.highScores =
                writable(set) ? set : paths.shown(saves) / kLevelSetsFolder / levelSetFolderName(set);
        }
    }
    return paths;
}

}  // namespace vorn
