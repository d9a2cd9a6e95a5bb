// Modal dialogs: the focus and tab order, and the ImGui runner driven through SDL's dummy
// video driver with keys, text and the clipboard (the mouse needs a real X server: see the
// end-to-end suite).
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/frmHighScore.h"
#include "forms/frmOptions.h"
#include "platform/DialogFocus.h"
#include "platform/sdl/SdlPlatform.h"
#include "sdl/VirtualPad.h"

namespace vorn {
namespace {

TEST(PlatformDialog, FocusStartsWhereAskedAndTabFollowsTheTabOrderPastLabelsAndDisabledControls) {
    frmOptions options;
    DialogFocus focus;
    auto focused = [&](Dialog& d) { return focus.control(d)->name; };
    focus.activate(options, "chkMusic");  // disabled: the first in tab order instead
    EXPECT_EQ(focused(options), "chkSoundEffects");
    focus.next(options);
    EXPECT_EQ(focused(options), "cmdOK");
    focus.next(options);
    focus.next(options);
    EXPECT_EQ(focused(options), "chkSoundEffects");
    focus.previous(options);
    EXPECT_EQ(focused(options), "cmdCancel");

    EXPECT_EQ(defaultButton(options)->name, "cmdOK");
    options.control(frmOptions::kOK).enabled = false;
    EXPECT_EQ(defaultButton(options), nullptr);
}

// A real SDL platform on the dummy video driver, and input scripted frame by frame.
class DialogRun : public testing::Test {
protected:
    DialogRun() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        sdl = std::make_unique<SdlPlatform>(true);
        sdl->display.open(800, 600, 16);
    }
    ~DialogRun() override {
        sdl.reset();
        unsetenv("SDL_VIDEODRIVER");
        SDL_SetModState(KMOD_NONE);
    }

    // Shows a dialog with one step of input every third frame.
    void show(Dialog& dialog, const std::vector<std::function<void()>>& steps) {
        sdl->dialogs.afterFrame = [&](int frame) {
            frames = frame;
            if (frame % 3 == 0 && frame / 3 <= static_cast<int>(steps.size())) steps[frame / 3 - 1]();
            // A dialog that never ends fails the test instead of hanging it.
            if (frame == 400) push(SDL_QUIT);
        };
        sdl->dialogs.runModal(dialog);
    }
    // Shows the name dialog afresh, as the game does, and gives the text confirmed.
    std::string askName(const std::vector<std::function<void()>>& steps) {
        name.load();
        name.sName = "(none)";
        show(name, steps);
        return name.sName;
    }

    static void push(Uint32 type) {
        SDL_Event e{};
        e.type = type;
        SDL_PushEvent(&e);
    }
    static std::function<void()> key(SDL_Scancode sc, Uint16 mod = KMOD_NONE) {
        return [=] {
            SDL_SetModState(static_cast<SDL_Keymod>(mod));
            for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
                SDL_Event e{};
                e.type = type;
                e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
                e.key.keysym.scancode = sc;
                e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
                e.key.keysym.mod = mod;
                SDL_PushEvent(&e);
            }
        };
    }
    static std::function<void()> type(const std::string& text) {
        return [=] {
            SDL_Event e{};
            e.type = SDL_TEXTINPUT;
            std::strncpy(e.text.text, text.c_str(), sizeof e.text.text - 1);
            SDL_PushEvent(&e);
        };
    }

    std::unique_ptr<SdlPlatform> sdl;
    frmHighScore name;
    int frames = 0;
};

TEST_F(DialogRun, TheTextBoxHasTheFocusAtEveryShowingTakesTwentyOfTheGamesCharactersAndEnterConfirms) {
    const auto enter = key(SDL_SCANCODE_RETURN), tab = key(SDL_SCANCODE_TAB);
    EXPECT_EQ(askName({type("Ann "), enter}), "Ann ");
    EXPECT_LT(frames, 20);
    EXPECT_EQ(askName({type("Bo"), key(SDL_SCANCODE_KP_ENTER)}), "Bo");
    // Text reaches the box only while it has the focus; Tab passes the label; Space presses OK.
    EXPECT_EQ(askName({tab, type("lost"), tab, type("y z"), tab, key(SDL_SCANCODE_SPACE)}), "y z");
    EXPECT_EQ(askName({type("abcdefghijklmnopqrstuvwxy"), enter}), "abcdefghijklmnopqrst");
    // A paste into a box that holds two characters keeps the first eighteen pasted.
    SDL_SetClipboardText("0123456789ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(askName({type("ab"), key(SDL_SCANCODE_V, KMOD_LCTRL), enter}), "ab0123456789ABCDEFGH");
    // Backspace edits as usual; a character the high-score file cannot hold is refused.
    EXPECT_EQ(askName({type("x\xE4\xB8\xAD\xC3\xA9z"), key(SDL_SCANCODE_BACKSPACE), enter}), "x\xC3\xA9");
}

TEST_F(DialogRun, EscapeDoesNothingAndClosingTheGameWindowEndsTheShowingWithoutAClick) {
    EXPECT_EQ(askName({key(SDL_SCANCODE_ESCAPE), type("Zed"), [] { push(SDL_QUIT); }}), "(none)");
    EXPECT_EQ(name.control(frmHighScore::kName).text, "Zed");
    EXPECT_FALSE(name.unloaded());
    EXPECT_TRUE(sdl->window.closeRequested());
}

// The dummy video driver never gives the window the focus, so SDL is told to listen to the pad
// in the background.
class PadDialogRun : public DialogRun {
protected:
    PadDialogRun() {
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        sdl->keyboard.open();
        pad = std::make_unique<test::VirtualPad>();
        sdl->window.pumpMessages();
    }
    ~PadDialogRun() override {
        pad.reset();
        unsetenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS");
    }
    std::function<void()> press(SDL_GameControllerButton button, bool down = true) {
        return [=, this] { pad->set(button, down); };
    }
    std::function<void()> release(SDL_GameControllerButton button) { return press(button, false); }
    std::function<void()> stick(Sint16 x, Sint16 y) {
        return [=, this] { pad->stick(x, y); };
    }
    // The pad let go after a showing, whose last step pressed something.
    void letGo() {
        for (auto b : {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_DPAD_DOWN})
            pad->set(b, false);
        pad->stick(0, 0);
        // SDL sees the release now, not only after the next showing has pressed again.
        SDL_PumpEvents();
    }
    std::string padName(const std::vector<std::function<void()>>& steps) {
        std::string confirmed = askName(steps);
        letGo();
        return confirmed;
    }

    std::unique_ptr<test::VirtualPad> pad;
};

TEST_F(PadDialogRun, ThePadMovesThroughImGuiNavigationWorksTheFocusWithAAndConfirmsWithStart) {
    constexpr auto A = SDL_CONTROLLER_BUTTON_A, Start = SDL_CONTROLLER_BUTTON_START,
                   Down = SDL_CONTROLLER_BUTTON_DPAD_DOWN, Right = SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    // With a pad alone the name shown is confirmed, empty or typed; A does nothing in the box.
    EXPECT_EQ(padName({press(Start)}), "");
    EXPECT_EQ(padName({type("Kim"), press(A), release(A), press(Start)}), "Kim");
    // Down from the box lands on OK, where A presses it; the stick moves as the D-pad does.
    EXPECT_EQ(padName({type("Lu"), press(Down), release(Down), type("lost"), press(A)}), "Lu");
    EXPECT_EQ(padName({type("Ida"), stick(0, 30000), stick(0, 0), press(A)}), "Ida");
    // A stick held down since before the showing moves nothing until it is let go.
    pad->stick(0, 30000);
    EXPECT_EQ(padName({type("Jo"), press(A), release(A), stick(0, 0), type("e"), stick(0, 30000), press(A)}),
              "Joe");

    // The options: A ticks the box; down and right reach Cancel, or down alone OK.
    frmOptions options;
    options.load();
    show(options, {press(A), release(A), press(Down), release(Down), press(Right), release(Right), press(A)});
    EXPECT_TRUE(options.unloaded());
    EXPECT_EQ(options.control(frmOptions::kSoundEffects).value, 1);
    EXPECT_EQ(options.bSoundEffects, 0);
    letGo();
    options.load();
    show(options, {press(A), release(A), press(Down), release(Down), press(A)});
    EXPECT_EQ(options.bSoundEffects, -1);
}

}  // namespace
}  // namespace vorn
