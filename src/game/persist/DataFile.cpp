#include "game/persist/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/Error.h"

namespace fs = std::filesystem;

namespace vorn {

namespace {

// The system's own words for the fault, under the game's number for its kind.
[[noreturn]] void raiseFileError(int error) {
    int32_t number = kErrPathAccess;
    if (error == EACCES || error == EPERM || error == EROFS || error == ETXTBSY)
        number = kErrPermissionDenied;
    if (error == ENOSPC || error == EDQUOT) number = kErrDiskFull;
    throw VornError(number, std::strerror(error));
}

// Closes the descriptor and removes the temporary file unless the save went through.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pathTemplate) : path_(std::move(pathTemplate)) {
        fd_ = mkstemp(path_.data());
        if (fd_ < 0) raiseFileError(errno);
    }
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!kept_) unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    void closeFile() {
        const int fd = fd_;
        fd_ = -1;
        if (close(fd) != 0) raiseFileError(errno);
    }
    void keep() { kept_ = true; }

private:
    std::string path_;
    int fd_ = -1;
    bool kept_ = false;
};

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            raiseFileError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// The file that a save replaces: a symbolic link is followed, so the link stays a link.
fs::path resolveTarget(const std::string& name) {
    std::error_code ec;
    if (fs::is_symlink(name, ec)) {
        fs::path target = fs::canonical(name, ec);
        if (!ec) return target;
    }
    return fs::path(name);
}

mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The save folder is made when the first file goes into it, private to the player as the
// folders under ~/.local/share should be.
void makeFolder(const fs::path& folder) {
    std::error_code ec;
    if (folder.empty() || fs::is_directory(folder, ec)) return;
    makeFolder(folder.parent_path());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) raiseFileError(errno);
}

void syncFolder(const fs::path& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The rename has happened; a folder that cannot be flushed still holds the new file.
    fsync(fd);
    close(fd);
}

}  // namespace

std::optional<std::string> readDataFile(const std::string& name) {
    std::error_code ec;
    if (!fs::is_regular_file(name, ec)) return std::nullopt;
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) raiseFileError(errno);
    std::string bytes;
    char chunk[4096];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            close(fd);
            raiseFileError(error);
        }
        if (n == 0) break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    close(fd);
    return bytes;
}

namespace {

// Puts `content` in the place of `target` through a finished, flushed copy beside it.
void replaceWith(const fs::path& target, std::string_view content, const struct stat* old) {
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    TemporaryFile temporary((folder / hidden).string());
    if (old) {
        if (fchown(temporary.fd(), old->st_uid, old->st_gid) != 0) {
            // Another owner can only be kept by the superuser; the file is ours then.
        }
        fchmod(temporary.fd(), old->st_mode & 07777);
    } else {
        fchmod(temporary.fd(), newFileMode());
    }
    writeAll(temporary.fd(), content);
    if (fsync(temporary.fd()) != 0) raiseFileError(errno);
    temporary.closeFile();
    if (rename(temporary.path().c_str(), target.c_str()) != 0) raiseFileError(errno);
    temporary.keep();
    syncFolder(folder);
}

// The file a save replaces, in a folder made if need be; `old` describes it when it exists.
// A file the player made read-only stays as it is, even though the folder would let us put a
// new one in its place.
fs::path prepareTarget(const std::string& name, struct stat& old, bool& exists) {
    fs::path target = resolveTarget(name);
    fs::path folder = target.parent_path();
    makeFolder(folder.empty() ? fs::path(".") : folder);
    exists = stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    if (exists && access(target.c_str(), W_OK) != 0) raiseFileError(errno);
    return target;
}

}  // namespace

void overwriteFileStart(const std::string& name, std::string_view head) {
    struct stat old {};
    bool exists = false;
    const fs::path target = prepareTarget(name, old, exists);
    std::string content(head);
    if (exists) {
        const std::optional<std::string> previous = readDataFile(target.string());
        if (previous && previous->size() > head.size()) content.append(*previous, head.size());
    }
    replaceWith(target, content, exists ? &old : nullptr);
}

void replaceFile(const std::string& name, std::string_view content) {
    struct stat old {};
    bool exists = false;
    const fs::path target = prepareTarget(name, old, exists);
    replaceWith(target, content, exists ? &old : nullptr);
}

}  // namespace vorn
