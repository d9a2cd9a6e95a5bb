// A throw-away copy of the program's data folder, made the current folder for one test, so
// tests may break or remove files and the game may write its two files without touching the
// build. The previous current folder comes back and the copy is removed at the end.
#pragma once

#include <filesystem>
#include <string>

namespace vorn::test {

class DataDir {
public:
    // Copies every .bmp, .wav and .txt of the program's folder unless `empty` is set.
    explicit DataDir(bool empty = false);
    ~DataDir();
    DataDir(const DataDir&) = delete;
    DataDir& operator=(const DataDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    std::filesystem::path file(const std::string& name) const { return dir_ / name; }
    void remove(const std::string& name) const;
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};

}  // namespace vorn::test
