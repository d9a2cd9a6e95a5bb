// Modal dialogs: the focus and tab order, and the ImGui runner driven through SDL's dummy
// video driver with keys, text and the clipboard (the mouse needs a real X server: see the
// end-to-end suite).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/DialogFocus.h"
#include "platform/sdl/SdlPlatform.h"

namespace vorn {
namespace {

// Shaped like the name-entry dialog: a label, a 20-character text box, a default OK.
class NameDialog : public Dialog {
public:
    NameDialog() {
        Control label{ControlKind::Label, "Label1", "Enter your name", 240, 240, 2415, 255, 2};
        Control name{ControlKind::TextBox, "txtName", "", 240, 480, 2415, 285, 0};
        name.maxLength = 20;
        Control ok{ControlKind::Button, "cmdOK", "OK", 840, 960, 1095, 375, 1};
        ok.isDefault = true;
        controls_ = {label, name, ok};
    }
    std::string caption() const override { return "High Score!"; }
    int clientWidthTwips() const override { return 2910; }
    int clientHeightTwips() const override { return 1575; }
    std::string focusOnActivate() const override { return "txtName"; }
    void onActivate() override { ++activations; }
    void onClick(const std::string& control) override {
        clicks.push_back(control + ":" + find("txtName")->text);
        if (control == "cmdOK") unload();
    }
    std::vector<std::string> clicks;
    int activations = 0;
};

// Shaped like the options dialog: a check box, a disabled one, a default OK and a Cancel.
class OptionsDialog : public Dialog {
public:
    OptionsDialog() {
        Control sound{ControlKind::CheckBox, "chkSoundEffects", "Sound Effects", 240, 240, 2295, 255, 0};
        Control music{ControlKind::CheckBox, "chkMusic", "Music", 240, 1200, 2295, 255, 1};
        music.enabled = false;
        Control ok{ControlKind::Button, "cmdOK", "OK", 240, 720, 1095, 375, 2};
        ok.isDefault = true;
        Control cancel{ControlKind::Button, "cmdCancel", "Cancel", 1560, 720, 1095, 375, 3};
        controls_ = {sound, music, ok, cancel};
    }
    std::string caption() const override { return "Vorn! Options"; }
    int clientWidthTwips() const override { return 2895; }
    int clientHeightTwips() const override { return 1335; }
    void onActivate() override {
        find("chkSoundEffects")->value = soundOn ? 1 : 0;
        find("chkMusic")->value = 1;
    }
    void onClick(const std::string& control) override {
        clicks.push_back(control);
        unload();
    }
    bool soundOn = true;
    std::vector<std::string> clicks;
};

TEST(PlatformDialog, FocusStartsWhereAskedAndTabFollowsTheTabOrder) {
    OptionsDialog options;
    DialogFocus focus;
    focus.activate(options, "");
    EXPECT_EQ(focus.control(options)->name, "chkSoundEffects");
    focus.next(options);  // the disabled check box is passed over
    EXPECT_EQ(focus.control(options)->name, "cmdOK");
    focus.next(options);
    EXPECT_EQ(focus.control(options)->name, "cmdCancel");
    focus.next(options);
    EXPECT_EQ(focus.control(options)->name, "chkSoundEffects");
    focus.previous(options);
    EXPECT_EQ(focus.control(options)->name, "cmdCancel");
    focus.activate(options, "chkMusic");  // cannot take the focus
    EXPECT_EQ(focus.control(options)->name, "chkSoundEffects");

    NameDialog name;
    focus.activate(name, "cmdOK");
    EXPECT_EQ(focus.control(name)->name, "cmdOK");
    focus.next(name);  // the label is passed over though its tab index comes next
    EXPECT_EQ(focus.control(name)->name, "txtName");
    focus.previous(name);
    EXPECT_EQ(focus.control(name)->name, "cmdOK");

    EXPECT_EQ(defaultButton(options)->name, "cmdOK");
    options.find("cmdOK")->enabled = false;
    EXPECT_EQ(defaultButton(options), nullptr);
    for (auto& c : options.controls()) c.enabled = false;
    focus.activate(options, "");
    EXPECT_EQ(focus.index(), -1);
}

// A real SDL platform on the dummy video driver, and input scripted frame by frame.
class DialogRun : public testing::Test {
protected:
    DialogRun() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        sdl = std::make_unique<SdlPlatform>(true);
        sdl->dialogs.afterFrame = [this](int frame) {
            ++frames;
            const auto at = script.find(frame);
            if (at != script.end()) at->second();
            // A dialog that never ends fails the test instead of hanging it.
            if (frame == 400) push(SDL_QUIT);
        };
    }
    ~DialogRun() override {
        sdl.reset();
        unsetenv("SDL_VIDEODRIVER");
        SDL_SetModState(KMOD_NONE);
    }

    void run(Dialog& dialog) {
        frames = 0;
        sdl->display.open(800, 600, 16);
        sdl->dialogs.runModal(dialog);
        script.clear();
    }

    static void push(Uint32 type) {
        SDL_Event e{};
        e.type = type;
        SDL_PushEvent(&e);
    }
    static void key(SDL_Scancode sc, Uint16 mod = 0) {
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            SDL_Event e{};
            e.type = type;
            e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.scancode = sc;
            e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
            e.key.keysym.mod = mod;
            SDL_PushEvent(&e);
        }
    }
    static void type(const std::string& text) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        std::strncpy(e.text.text, text.c_str(), sizeof e.text.text - 1);
        SDL_PushEvent(&e);
    }
    std::unique_ptr<SdlPlatform> sdl;
    std::map<int, std::function<void()>> script;
    int frames = 0;
};

TEST_F(DialogRun, ANameTypedAtOnceAndEnterConfirmIt) {
    NameDialog dialog;
    script[1] = [] { type("Ann "); };
    script[2] = [] { key(SDL_SCANCODE_RETURN); };
    run(dialog);
    EXPECT_EQ(dialog.clicks, std::vector<std::string>({"cmdOK:Ann "}));
    EXPECT_TRUE(dialog.unloaded());
    EXPECT_EQ(dialog.activations, 1);
    EXPECT_LT(frames, 20);

    // Every showing activates the dialog again and gives the text box the focus again.
    dialog.find("txtName")->text.clear();
    dialog.clicks.clear();
    script[3] = [] { type("Bo"); };
    script[4] = [] { key(SDL_SCANCODE_KP_ENTER); };
    run(dialog);
    EXPECT_EQ(dialog.clicks, std::vector<std::string>({"cmdOK:Bo"}));
    EXPECT_EQ(dialog.activations, 2);
}

TEST_F(DialogRun, TheTextBoxTakesNoMoreThanItsLengthTypedOrPastedAndOnlyTheGamesCharacters) {
    NameDialog dialog;
    script[2] = [] { type("abcdefghijklmnopqrstuvwxy"); };
    script[4] = [] { key(SDL_SCANCODE_RETURN); };
    run(dialog);
    EXPECT_EQ(dialog.find("txtName")->text, "abcdefghijklmnopqrst");

    // A paste into a box that holds two characters keeps the first eighteen pasted.
    dialog.find("txtName")->text.clear();
    dialog.reload();
    SDL_SetClipboardText("0123456789ABCDEFGHIJKLMNOPQRST");
    script[2] = [] { type("ab"); };
    script[4] = [] {
        SDL_SetModState(KMOD_LCTRL);
        key(SDL_SCANCODE_V, KMOD_LCTRL);
    };
    script[7] = [] {
        SDL_SetModState(KMOD_NONE);
        key(SDL_SCANCODE_RETURN);
    };
    run(dialog);
    EXPECT_EQ(dialog.find("txtName")->text, "ab0123456789ABCDEFGH");

    // Backspace edits as usual; characters the high-score file cannot hold are refused.
    dialog.find("txtName")->text.clear();
    script[2] = [] {
        type(
            "x\xE4\xB8\xAD"
            "\xC3\xA9"
            "z");
    };  // x, a CJK character, e acute, z
    script[4] = [] { key(SDL_SCANCODE_BACKSPACE); };
    script[6] = [] { key(SDL_SCANCODE_RETURN); };
    run(dialog);
    EXPECT_EQ(dialog.find("txtName")->text, "x\xC3\xA9");
}

TEST_F(DialogRun, EscapeDoesNothingAndClosingTheGameWindowEndsTheShowingWithoutAClick) {
    NameDialog dialog;
    script[2] = [] { key(SDL_SCANCODE_ESCAPE); };
    script[3] = [] { type("Zed"); };
    script[10] = [] { push(SDL_QUIT); };
    run(dialog);
    EXPECT_GE(frames, 10);
    EXPECT_TRUE(dialog.clicks.empty());
    EXPECT_EQ(dialog.find("txtName")->text, "Zed");  // what was typed stays in the control
    EXPECT_TRUE(sdl->window.closeRequested());
}

TEST_F(DialogRun, TextOnlyReachesTheTextBoxWhileItHasTheFocus) {
    NameDialog dialog;
    script[2] = [] { key(SDL_SCANCODE_TAB); };  // to OK
    script[4] = [] { type("lost"); };
    script[6] = [] { key(SDL_SCANCODE_TAB); };  // past the label, round to the text box
    script[10] = [] { type("y z"); };
    script[12] = [] { key(SDL_SCANCODE_TAB); };
    script[14] = [] { key(SDL_SCANCODE_SPACE); };  // presses the focused OK
    run(dialog);
    EXPECT_EQ(dialog.clicks, std::vector<std::string>({"cmdOK:y z"}));
}

}  // namespace
}  // namespace vorn
