#include "support/ToolRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <utility>

#include "support/Paths.h"

namespace vorn::test {

std::string ToolRun::text() const {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

ToolRun runTool(const std::string& tool, const std::string& arguments, bool withErrors) {
    ToolRun run;
    const std::string command = binDir() + "/" + tool + " " + arguments + (withErrors ? " 2>&1" : "");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::string line;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c != '\n')
            line += static_cast<char>(c);
        else
            run.lines.push_back(std::exchange(line, {}));
    }
    if (!line.empty()) run.lines.push_back(line);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace vorn::test
