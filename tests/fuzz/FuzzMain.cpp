// libFuzzer's entry for one target. The game opens its files by bare name in the current folder,
// so every input is checked in a temporary folder of this process's own, and the process goes
// back to its own folder after each one, where libFuzzer keeps its corpus. A broken property or
// an escaped exception ends the run as a crash; give -artifact_prefix as an absolute path
// (scripts/fuzz.sh does) so that the crashing input is kept outside the temporary folder.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "FuzzTarget.h"

namespace fs = std::filesystem;

namespace {

fs::path homeFolder, workFolder;

void removeWorkFolder() {
    std::error_code ec;
    fs::current_path(homeFolder, ec);
    fs::remove_all(workFolder, ec);
}

[[noreturn]] void crash(const char* what, const char* detail) {
    std::fprintf(stderr, "%s: %s: %s\n", vorn::fuzz::targets().front().name.c_str(), what, detail);
    std::error_code ec;
    fs::current_path(homeFolder, ec);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (vorn::fuzz::targets().size() != 1) {
        std::fprintf(stderr, "a fuzz program checks exactly one target; this one has %zu\n",
                     vorn::fuzz::targets().size());
        std::abort();
    }
    homeFolder = fs::current_path();
    std::string pattern = (fs::temp_directory_path() / "vorn-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::perror("cannot make a temporary folder");
        std::abort();
    }
    workFolder = pattern;
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (chdir(workFolder.c_str()) != 0) crash("cannot enter the temporary folder", workFolder.c_str());
    try {
        vorn::fuzz::targets().front().check(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const vorn::fuzz::PropertyFailure& e) {
        crash("property broken", e.what());
    } catch (const std::exception& e) {
        crash("exception escaped", e.what());
    }
    if (chdir(homeFolder.c_str()) != 0) crash("cannot go back to", homeFolder.c_str());
    return 0;
}
