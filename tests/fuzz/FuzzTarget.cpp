#include "FuzzTarget.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace vorn::fuzz {

namespace {

std::vector<Target>& registry() {
    static std::vector<Target> all;
    return all;
}

}  // namespace

void require(bool holds, const std::string& what) {
    if (!holds) throw PropertyFailure(what);
}

bool registerTarget(const char* name, Check check) {
    registry().push_back(Target{name, check});
    return true;
}

const std::vector<Target>& targets() { return registry(); }

void writeFile(const std::string& name, std::string_view bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw PropertyFailure(name + " is not there to read");
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void removeFile(const std::string& name) {
    std::error_code ec;
    fs::remove(name, ec);
}

std::vector<std::string> folderEntries() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::current_path()))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

}  // namespace vorn::fuzz
