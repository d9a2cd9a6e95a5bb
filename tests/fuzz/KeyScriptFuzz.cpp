// vorn-sim's key file (--input): one line of held keys per frame. A file that reads has one frame
// per line, each with as many keys as its line has words, all of them keys the simulator knows,
// and written out again it reads back the same. A file that does not read names its first
// unknown word and that word's line.
#include <sstream>
#include <string>

#include "FuzzTarget.h"
#include "Simulator.h"

namespace vorn::fuzz {

namespace {

// The lines as the parser reads them, a final CR dropped.
std::vector<std::string> linesOf(std::string_view input) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(input)};
    for (std::string line; std::getline(in, line); lines.push_back(line))
        if (!line.empty() && line.back() == '\r') line.pop_back();
    return lines;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string nameOf(int code) {
    for (const sim::KeyName& key : sim::kKeyNames)
        if (key.code == code) return key.name;
    throw PropertyFailure("a key the simulator does not know: " + std::to_string(code));
}

void checkRead(const sim::KeyScript& script, const std::vector<std::string>& lines) {
    require(script.frames.size() == lines.size(), "one frame per line");
    std::string written;
    for (std::size_t f = 0; f < lines.size(); ++f) {
        const std::vector<int>& keys = script.frames[f];
        require(keys.size() == wordsOf(lines[f]).size(), "line " + std::to_string(f + 1) + " lost a key");
        require(&script.keysFor(static_cast<long>(f) + 1) == &keys, "keysFor gives another frame");
        for (int code : keys) written += nameOf(code) + ' ';
        written += '\n';
    }
    require(script.keysFor(0).empty() && script.keysFor(static_cast<long>(lines.size()) + 1).empty(),
            "keys before the first or after the last frame");

    std::istringstream again(written);
    require(sim::parseKeyScript(again).frames == script.frames, "written out again, it reads back different");
}

// The first word no key has a name for, with its line, written with its control characters as
// \xNN so that the message shows all of it.
std::string expectedRefusal(const std::vector<std::string>& lines) {
    for (std::size_t l = 0; l < lines.size(); ++l) {
        for (const std::string& word : wordsOf(lines[l])) {
            if (sim::keyCode(word) >= 0) continue;
            std::string shown;
            for (char c : word) {
                const auto byte = static_cast<unsigned char>(c);
                static const char hex[] = "0123456789ABCDEF";
                if (byte < 0x20 || byte == 0x7F)
                    shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 15];
                else
                    shown += c;
            }
            return "line " + std::to_string(l + 1) + ": unknown key '" + shown + "'";
        }
    }
    throw PropertyFailure("refused, though every word is a key");
}

void checkKeyScript(std::string_view input) {
    const std::vector<std::string> lines = linesOf(input);
    std::istringstream in{std::string(input)};
    sim::KeyScript script;
    try {
        script = sim::parseKeyScript(in);
    } catch (const std::invalid_argument& e) {
        require(e.what() == expectedRefusal(lines), std::string("not the first unknown word: ") + e.what());
        return;
    }
    checkRead(script, lines);
}

}  // namespace

VORN_FUZZ_TARGET("keyscript", checkKeyScript);

}  // namespace vorn::fuzz
