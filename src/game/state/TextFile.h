// A text file read line by line, the way the level files are written: a line ends with CR LF
// or with a CR alone; a LF alone is part of the line. The whole file is read when it is opened.
#pragma once

#include <cstddef>
#include <string>

namespace vorn {

class TextFile {
public:
    // Throws VornError "File not found" when there is no such file.
    explicit TextFile(const std::string& path);

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // The next line without its line end; throws VornError "Input past end of file" at the end.
    std::string readLine();

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

}  // namespace vorn
