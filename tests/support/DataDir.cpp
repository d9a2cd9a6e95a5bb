#include "support/DataDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/Paths.h"

namespace fs = std::filesystem;

namespace vorn::test {

DataDir::DataDir(bool empty) {
    std::string pattern = (fs::temp_directory_path() / "vorn-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    dir_ = pattern;
    if (!empty) {
        for (const auto& entry : fs::directory_iterator(binDir())) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".bmp" || ext == ".wav" || ext == ".txt"))
                fs::copy_file(entry.path(), dir_ / entry.path().filename());
        }
    }
    previous_ = fs::current_path();
    fs::current_path(dir_);
}

DataDir::~DataDir() {
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
}

void DataDir::remove(const std::string& name) const { fs::remove(dir_ / name); }

void DataDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string DataDir::read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace vorn::test
