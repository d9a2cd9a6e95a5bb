#include "platform/ProcessInfo.h"

#include "core/Error.h"

namespace vorn {

std::filesystem::path programFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) throw VornError(kErrPathAccess, "The program's folder cannot be found (" + ec.message() + ")");
    return exe.parent_path();
}

void enterProgramFolder() {
    std::error_code ec;
    std::filesystem::current_path(programFolder(), ec);
    if (ec) throw VornError(kErrPathAccess, "The program's folder cannot be entered (" + ec.message() + ")");
}

}  // namespace vorn
