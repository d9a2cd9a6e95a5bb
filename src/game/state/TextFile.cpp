#include "game/state/TextFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Error.h"

namespace vorn {

TextFile::TextFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw VornError(kErrFileNotFound, "File not found");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw VornError(kErrPathAccess, "Path/File access error");
    std::ostringstream content;
    content << in.rdbuf();
    bytes_ = content.str();
}

std::string TextFile::readLine() {
    if (atEnd()) throw VornError(kErrPastEndOfFile, "Input past end of file");
    const std::size_t cr = bytes_.find('\r', pos_);
    const std::size_t end = cr == std::string::npos ? bytes_.size() : cr;
    std::string line = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < bytes_.size()) {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    }
    return line;
}

}  // namespace vorn
