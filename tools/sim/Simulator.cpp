#include "Simulator.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "Session.h"
#include "core/Version.h"
#include "game/replay/ReplayFormat.h"
#include "game/replay/ReplayPlayer.h"
#include "game/replay/ReplayRecorder.h"
#include "game/state/Game.h"

namespace fs = std::filesystem;

namespace vorn::sim {

namespace {

// Every float is written with nine significant digits, so that it reads back exactly.
void putFloat(std::string& out, float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
    out += buffer;
}

void putInt(std::string& out, long value) { out += std::to_string(value); }

void putFlag(std::string& out, bool value) { out += value ? '1' : '0'; }

void putString(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

template <class... Fields>
void putArray(std::string& out, Fields&&... fields) {
    out += '[';
    bool first = true;
    auto one = [&](auto&& put) {
        if (!first) out += ',';
        first = false;
        put();
    };
    (one(fields), ...);
    out += ']';
}

// A word for a message: control characters as \xNN, so that none cuts the message short or
// hides in it.
std::string shownWord(const std::string& word) {
    std::string shown;
    for (char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", byte);
        shown += code;
    }
    return shown;
}

}  // namespace

long parseNumber(const std::string& flag, const std::string& text, long least) {
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < least) {
        const std::string bound = least == LONG_MIN ? "" : " above " + std::to_string(least - 1);
        throw std::invalid_argument(flag + " needs a whole number" + bound + ", not '" + text + "'");
    }
    return value;
}

std::string frameLine(const Game& g, long frame, const std::vector<std::string>& sounds,
                      bool withHighScores) {
    std::string s = "{";
    auto key = [&](const char* name) {
        if (s.size() > 1) s += ',';
        s += '"';
        s += name;
        s += "\":";
    };
    key("frame"), putInt(s, frame);
    key("GameState"), putInt(s, g.GameState);
    key("Level"), putInt(s, g.Level);
    key("Score"), putInt(s, g.Score);
    key("Health"), putInt(s, g.Health);
    key("EndDelay"), putInt(s, g.EndDelay);
    key("CharX"), putFloat(s, g.CharX);
    key("CharY"), putFloat(s, g.CharY);
    key("CharVelX"), putFloat(s, g.CharVelX);
    key("CharVelY"), putFloat(s, g.CharVelY);
    key("CharInAir"), putInt(s, g.CharInAir);
    key("CharPose"), putInt(s, g.CharPose);
    key("CharFacing"), putInt(s, g.CharFacing);
    key("HyperJumps"), putInt(s, g.HyperJumps);
    key("SpeedTime"), putInt(s, g.SpeedTime);
    key("InvulnerableTime"), putInt(s, g.InvulnerableTime);
    key("BallBlasterTime"), putInt(s, g.BallBlasterTime);
    key("ShotDelay"), putInt(s, g.ShotDelay);
    key("BlinkTime"), putInt(s, g.BlinkTime);
    key("IdleAnim"), putFloat(s, g.IdleAnim);
    key("CrystalsTaken"), putInt(s, g.CrystalsTaken);
    key("CrystalCount"), putInt(s, g.CrystalCount);
    key("LevelHasDovi"), putFlag(s, g.LevelHasDovi);
    key("DoviRescued"), putFlag(s, g.DoviRescued);

    key("Bombs");
    s += '[';
    for (int i = 0; i < g.BombCount; ++i) {
        const BombRec& b = g.Bombs[i];
        if (i) s += ',';
        putArray(
            s, [&] { putFloat(s, b.X); }, [&] { putFloat(s, b.Y); }, [&] { putFloat(s, b.VelX); },
            [&] { putFloat(s, b.VelY); }, [&] { putFlag(s, b.Hot); }, [&] { putInt(s, b.Hits); },
            [&] { putFlag(s, b.Dead); }, [&] { putInt(s, b.Delay); }, [&] { putInt(s, b.Direction); },
            [&] { putFlag(s, b.Leaving); }, [&] { putFloat(s, b.Frame); }, [&] { putInt(s, b.FlashTime); });
    }
    s += ']';

    key("Shots");
    s += '[';
    bool firstShot = true;
    for (int j = 0; j < kMaxShots; ++j) {
        const ShotRec& shot = g.Shots[j];
        if (!shot.Active) continue;
        if (!firstShot) s += ',';
        firstShot = false;
        putArray(
            s, [&] { putInt(s, j); }, [&] { putInt(s, shot.X); }, [&] { putInt(s, shot.Y); },
            [&] { putFloat(s, shot.VelX); }, [&] { putFloat(s, shot.Frame); },
            [&] { putInt(s, shot.Direction); });
    }
    s += ']';

    key("Items");
    s += '[';
    for (int k = 0; k < g.ItemCount; ++k) {
        const ItemRec& item = g.Items[k];
        if (k) s += ',';
        putArray(
            s, [&] { putInt(s, item.Left); }, [&] { putInt(s, item.Top); }, [&] { putInt(s, item.Right); },
            [&] { putInt(s, item.Bottom); }, [&] { putFloat(s, item.Frame); }, [&] { putInt(s, item.Kind); });
    }
    s += ']';

    key("Particles");
    s += '[';
    bool firstSystem = true;
    for (int p = 0; p < kMaxParticleSystems; ++p) {
        const ParticleSystem& ps = g.ParticleSystems[p];
        if (!ps.Active) continue;
        if (!firstSystem) s += ',';
        firstSystem = false;
        putArray(
            s, [&] { putInt(s, p); }, [&] { putInt(s, ps.Age); }, [&] { putInt(s, ps.Life); },
            [&] { putInt(s, ps.CountX); }, [&] { putInt(s, ps.CountY); });
    }
    s += ']';

    key("Sounds");
    s += '[';
    for (size_t k = 0; k < sounds.size(); ++k) {
        if (k) s += ',';
        putString(s, sounds[k]);
    }
    s += ']';

    if (withHighScores) {
        key("HighScores");
        s += '[';
        for (int k = 0; k < kHighScoreRows; ++k) {
            if (k) s += ',';
            putInt(s, g.HighScores[k].Score);
        }
        s += ']';
    }
    s += '}';
    return s;
}

Options parseArguments(const std::vector<std::string>& args) {
    Options o;
    bool playing = false;  // an option that only a run of its own keys uses
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--verify") {
            o.verify = true;
            continue;
        }
        if (i + 1 >= args.size()) throw std::invalid_argument(flag + " needs a value");
        playing = playing || (flag != "--data" && flag != "--replay");
        const std::string& value = args[++i];
        if (flag == "--data") {
            o.dataDir = value;
        } else if (flag == "--seed") {
            long seed = parseNumber(flag, value);
            if (seed < 0) throw std::invalid_argument("--seed cannot be negative");
            o.seed = static_cast<uint64_t>(seed);
        } else if (flag == "--level") {
            o.level = static_cast<int>(parseNumber(flag, value));
        } else if (flag == "--frames") {
            o.frames = parseNumber(flag, value);
            if (o.frames < 0) throw std::invalid_argument("--frames cannot be negative");
        } else if (flag == "--input") {
            o.inputFile = value;
        } else if (flag == "--name") {
            o.name = value;
        } else if (flag == "--replay") {
            o.replayFile = value;
        } else if (flag == "--record") {
            o.recordFile = value;
        } else {
            throw std::invalid_argument("unknown option " + flag);
        }
    }
    if (!o.replayFile.empty() && playing)
        throw std::invalid_argument(
            "--replay plays what the replay holds and takes no other option but --data");
    if (o.verify && o.replayFile.empty()) throw std::invalid_argument("--verify needs --replay");
    // A replay holds the developer commands, not a jump to another level.
    if (!o.recordFile.empty() && o.level != 1) throw std::invalid_argument("--record plays from level 1");
    return o;
}

int keyCode(const std::string& name) {
    for (const KeyName& k : kKeyNames)
        if (name == k.name) return k.code;
    return -1;
}

const std::vector<int>& KeyScript::keysFor(long frame) const {
    static const std::vector<int> none;
    if (frame < 1 || static_cast<size_t>(frame) > frames.size()) return none;
    return frames[static_cast<size_t>(frame) - 1];
}

KeyScript parseKeyScript(std::istream& in) {
    KeyScript script;
    std::string line;
    long number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::vector<int> keys;
        for (std::string word; words >> word;) {
            int code = keyCode(word);
            if (code < 0)
                throw std::invalid_argument("line " + std::to_string(number) + ": unknown key '" +
                                            shownWord(word) + "'");
            keys.push_back(code);
        }
        script.frames.push_back(std::move(keys));
    }
    return script;
}

namespace {

// The replay file's bytes; ReplayError when it cannot be read or is not a sound replay.
Replay readReplay(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReplayError("it cannot be read");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return decodeReplay(bytes.str());
}

// Plays a replay; every frame's line unless only the verdict is wanted.
int runReplay(Session& session, const Options& options, const Replay& replay, std::ostream& out,
              std::ostream& err) {
    Game& game = session.game();
    ReplayPlayer player(replay);
    if (const std::string why = player.refusal(game); !why.empty()) {
        err << "vorn-sim: " << options.replayFile << ": " << why << "\n";
        return 2;
    }
    session.reset();
    std::vector<std::string>& sounds = session.host().sound.played;
    const std::string difference = playReplay(game, player, [&] {
        if (!options.verify) out << frameLine(game, game.framesPlayed, sounds, !game.IsRunning()) << '\n';
        sounds.clear();
    });
    if (options.verify) {
        if (difference.empty())
            out << "verified: level " << game.Level << ", score " << game.Score << ", health " << game.Health
                << ", " << game.framesPlayed << " frames\n";
        else
            out << difference << "\n";
    } else if (!difference.empty()) {
        err << "vorn-sim: " << difference << "\n";
    }
    out.flush();
    return difference.empty() ? 0 : 1;
}

bool writeReplay(const fs::path& path, const Replay& replay, std::ostream& err) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << encodeReplay(replay);
    file.close();
    if (!file) err << "vorn-sim: cannot write " << path.string() << "\n";
    return static_cast<bool>(file);
}

}  // namespace

int run(const Options& options, std::ostream& out, std::ostream& err) {
    KeyScript script;
    if (!options.inputFile.empty()) {
        std::ifstream in(options.inputFile);
        if (!in) {
            err << "vorn-sim: cannot read " << options.inputFile << "\n";
            return 2;
        }
        try {
            script = parseKeyScript(in);
        } catch (const std::invalid_argument& e) {
            err << "vorn-sim: " << options.inputFile << ": " << e.what() << "\n";
            return 2;
        }
    }
    Replay replay;
    if (!options.replayFile.empty()) {
        try {
            replay = readReplay(options.replayFile);
        } catch (const ReplayError& e) {
            err << "vorn-sim: " << options.replayFile << ": " << e.what() << "\n";
            return 2;
        }
    }

    Session session(options.name);
    switch (session.open(options.dataDir)) {
        case Session::Opened::NoFolder:
            err << "vorn-sim: cannot open the data folder " << options.dataDir << "\n";
            return 2;
        case Session::Opened::Failed:
            return 1;
        case Session::Opened::Ready:
            break;
    }
    if (!options.replayFile.empty()) return runReplay(session, options, replay, out, err);

    Game& game = session.game();
    ReplayRecorder recorder;
    const bool recording = !options.recordFile.empty();
    const auto record = [&](Game& g) {
        recorder.begin(g, gameVersion(), 0);
        g.playerInput = &recorder;
    };
    if (!session.start(options.seed, options.level, recording ? record : Session::BeforeStart{})) return 1;

    for (long frame = 1; frame <= options.frames; ++frame) {
        if (!session.step(script.keysFor(frame))) return 1;
        const bool ended = game.GameState != kPlaying;
        out << frameLine(game, frame, session.sounds(), ended) << '\n';
        if (ended) break;
    }
    out.flush();
    game.playerInput = nullptr;
    if (recording &&
        !writeReplay(options.recordFile,
                     recorder.finish(game, game.IsRunning() ? GameEnd::Closed : endOf(game)), err))
        return 2;
    return 0;
}

}  // namespace vorn::sim
