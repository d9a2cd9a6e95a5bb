#include "Session.h"

#include "app/GamePaths.h"
#include "forms/frmHighScore.h"
#include "game/state/Game.h"

namespace fs = std::filesystem;

namespace vorn::sim {

namespace {

// Goes into a folder and comes back out of it, whatever happens in between.
class InFolder {
public:
    explicit InFolder(const fs::path& folder, std::error_code& ec) {
        previous_ = fs::current_path(ec);
        if (!ec) fs::current_path(folder, ec);
        entered_ = !ec;
    }
    ~InFolder() {
        std::error_code ignored;
        if (entered_) fs::current_path(previous_, ignored);
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    fs::path previous_;
    bool entered_ = false;
};

}  // namespace

fs::path ownFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : exe.parent_path();
}

Session::Session(std::string name) : game_(std::make_unique<Game>(host_.platform())) {
    host_.dialogs.script = [name = std::move(name)](Dialog& dialog) {
        // The name dialog is answered with the session's name; any other is left as it is.
        if (auto* form = dynamic_cast<frmHighScore*>(&dialog)) {
            form->control(frmHighScore::kName).text = name;
            form->onClick(frmHighScore::kOK);
        }
    };
    game_->abandonWithoutSaving();  // a session writes no file
}

Session::~Session() = default;

Session::Opened Session::open(const fs::path& folder) {
    std::error_code ec;
    // Without a folder the game's data is found as the game finds it: beside this program, or
    // installed beside its folder.
    InFolder in(folder.empty() ? findDataFolder(ownFolder()) : folder, ec);
    if (ec) return Opened::NoFolder;
    return game_->Initialize(true) ? Opened::Ready : Opened::Failed;
}

void Session::reset() {
    host_.messages.shown.clear();
    host_.sound.played.clear();
    game_->SoundEffects = -1;
    game_->Music = -1;
    game_->SetDefaultHighScores();
}

bool Session::start(uint64_t seed, int level, const BeforeStart& beforeStart) {
    reset();
    Game& g = *game_;
    g.Rng.seed(seed);
    if (beforeStart) beforeStart(g);
    if (!g.StartGame()) return false;
    if (level > 1) g.GotoLevel(static_cast<int16_t>(level));
    return true;
}

bool Session::step(std::span<const int> keys) {
    host_.keyboard.releaseAll();
    for (int code : keys) host_.keyboard.press(code);
    host_.sound.played.clear();
    return game_->DoFrame();
}

}  // namespace vorn::sim
