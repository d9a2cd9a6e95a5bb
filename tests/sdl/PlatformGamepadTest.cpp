// Game pads: SDL's virtual pads, plugged into the SDL platform on the dummy video driver, feed
// the keyboard snapshot and, through the main window's command keys, start and leave a game. The
// dummy driver never gives a window the input focus, so SDL is told to listen to the pads in
// the background.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "app/frmMain.h"
#include "game/state/Game.h"
#include "platform/sdl/SdlPlatform.h"
#include "sdl/VirtualPad.h"
#include "support/PlayFixture.h"

namespace vorn {
namespace {

using Keys = std::set<int>;

class Gamepads : public testing::Test {
protected:
    Gamepads() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
        sdl = std::make_unique<SdlPlatform>(true);
        sdl->keyboard.open();
        sdl->window.setKeyDownHandler([this](int vk) { commands.push_back(vk); });
    }
    ~Gamepads() override {
        sdl.reset();
        for (const char* name :
             {"SDL_VIDEODRIVER", "SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "VORN_NO_MESSAGE_BOX"})
            unsetenv(name);
    }

    // The keys down in a fresh snapshot.
    Keys held() {
        uint8_t state[256];
        sdl->keyboard.snapshot(state);
        Keys keys;
        for (int i = 0; i < 256; ++i)
            if (state[i] & 0x80) keys.insert(i);
        return keys;
    }
    std::vector<int> commandsAfterPump() {
        commands.clear();
        sdl->window.pumpMessages();
        return commands;
    }

    std::unique_ptr<SdlPlatform> sdl;
    std::vector<int> commands;
};

TEST_F(Gamepads, APadHoldsTheKeysItsButtonsAndItsLeftStickStandForAndTwoPadsAddUp) {
    test::VirtualPad pad;
    sdl->window.pumpMessages();
    ASSERT_EQ(sdl->window.gamepads().count(), 1);
    const std::pair<SDL_GameControllerButton, Keys> buttons[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, {key::Left}},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {key::Right}},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, {key::Up}},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, {key::Down}},
        {SDL_CONTROLLER_BUTTON_A, {key::Space}},
        {SDL_CONTROLLER_BUTTON_X, {key::LCtrl}},
        {SDL_CONTROLLER_BUTTON_B, {key::LCtrl}},
        {SDL_CONTROLLER_BUTTON_START, {key::P}},
        {SDL_CONTROLLER_BUTTON_Y, {}}};
    for (const auto& [button, keys] : buttons) {
        pad.set(button, true);
        EXPECT_EQ(held(), keys) << SDL_GameControllerGetStringForButton(button);
        pad.set(button, false);
    }
    const struct {
        Sint16 x, y;
        Keys keys;
        SDL_GameControllerAxis axis = SDL_CONTROLLER_AXIS_LEFTX;
    } sticks[] = {
        // A drifting stick, or a thumb pushing sideways and a little up, stays inside the dead zone.
        {-16000, 12000, {}},
        {-20000, 0, {key::Left}},
        {32767, 9000, {key::Right}},
        {0, 20000, {key::Down}},
        {23000, -23000, {key::Right, key::Up}},
        {-32768, 0, {}, SDL_CONTROLLER_AXIS_RIGHTX},
    };
    for (const auto& s : sticks) {
        pad.stick(s.x, s.y, s.axis);
        EXPECT_EQ(held(), s.keys) << s.x << "," << s.y;
        pad.stick(0, 0, s.axis);
    }

    test::VirtualPad second;
    sdl->window.pumpMessages();
    EXPECT_EQ(sdl->window.gamepads().count(), 2);
    pad.set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    second.set(SDL_CONTROLLER_BUTTON_X, true);
    EXPECT_EQ(held(), (Keys{key::Left, key::LCtrl}));
}

TEST_F(Gamepads, APadPulledOutLetsGoOfEveryKeyAtOnceAndAnotherIsTakenWithoutARestart) {
    test::VirtualPad stays, leaves;
    sdl->window.pumpMessages();
    stays.set(SDL_CONTROLLER_BUTTON_X, true);
    leaves.stick(-32768, 0);
    leaves.set(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_EQ(held(), (Keys{key::Left, key::Space, key::LCtrl}));

    // Released in the very next snapshot, before the message pump has heard of it.
    leaves.unplug();
    EXPECT_EQ(held(), Keys{key::LCtrl});
    EXPECT_EQ(commandsAfterPump(), std::vector<int>{}) << "letting go by pulling out is no command";
    EXPECT_EQ(sdl->window.gamepads().count(), 1);

    test::VirtualPad arrives;
    sdl->window.pumpMessages();
    EXPECT_EQ(sdl->window.gamepads().count(), 2);
    arrives.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(held(), (Keys{key::Right, key::LCtrl}));
}

// The game on the SDL keyboard and window with the main window's key handler.
TEST_F(Gamepads, StartOrAStartsAGameWhenLetGoBackLeavesItButNeverQuitsAndAPullOutStartsNothing) {
    test::PlayFixture play(sdl->keyboard, sdl->window, true);
    Globals globals;
    globals.gGame = &play.game;
    frmMain form(sdl->window, globals);
    form.Load();
    Game& game = play.game;
    test::VirtualPad pad;
    sdl->window.pumpMessages();
    ASSERT_EQ(sdl->window.gamepads().count(), 1);
    auto tap = [&](SDL_GameControllerButton button) {
        pad.set(button, true);
        sdl->window.pumpMessages();
        pad.set(button, false);
        sdl->window.pumpMessages();
    };
    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_FALSE(game.IsRunning() || globals.gExitRequested);

    for (auto button : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A}) {
        // Started on the release, so the game's first frame does not see the button.
        pad.set(button, true);
        sdl->window.pumpMessages();
        EXPECT_FALSE(game.IsRunning()) << SDL_GameControllerGetStringForButton(button);
        pad.set(button, false);
        sdl->window.pumpMessages();
        ASSERT_TRUE(game.IsRunning()) << SDL_GameControllerGetStringForButton(button);
        tap(SDL_CONTROLLER_BUTTON_BACK);
        EXPECT_FALSE(game.IsRunning() || globals.gExitRequested);
    }

    // A press that another loop took (a dialog's) starts nothing when it is let go here.
    pad.set(SDL_CONTROLLER_BUTTON_START, true);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONDOWN);
    pad.set(SDL_CONTROLLER_BUTTON_START, false);
    sdl->window.pumpMessages();
    EXPECT_FALSE(game.IsRunning());

    pad.set(SDL_CONTROLLER_BUTTON_A, true);
    pad.set(SDL_CONTROLLER_BUTTON_START, true);
    sdl->window.pumpMessages();
    pad.unplug();
    sdl->window.pumpMessages();
    EXPECT_FALSE(game.IsRunning());
}

}  // namespace
}  // namespace vorn
