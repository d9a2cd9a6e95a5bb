// Game pads: SDL's virtual pads, plugged into the SDL platform on the dummy video driver, feed
// the keyboard snapshot and the main window's command keys; the last tests play the game with
// one. The dummy driver never gives a window the input focus, so SDL is told to listen to the
// pads in the background.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
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
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS");
        unsetenv("VORN_NO_MESSAGE_BOX");
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

TEST_F(Gamepads, APadHoldsTheKeysItsButtonsAndItsLeftStickStandFor) {
    test::VirtualPad pad;
    sdl->window.pumpMessages();
    ASSERT_EQ(sdl->window.gamepads().count(), 1);
    EXPECT_EQ(held(), Keys{});

    const struct {
        SDL_GameControllerButton button;
        Keys keys;
    } buttons[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, {key::Left}},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, {key::Right}},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, {key::Up}},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, {key::Down}},
        {SDL_CONTROLLER_BUTTON_A, {key::Space}},
        {SDL_CONTROLLER_BUTTON_X, {key::LCtrl}},
        {SDL_CONTROLLER_BUTTON_B, {key::LCtrl}},
        {SDL_CONTROLLER_BUTTON_START, {key::P}},
        {SDL_CONTROLLER_BUTTON_BACK, {}},
        {SDL_CONTROLLER_BUTTON_Y, {}},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, {}},
    };
    for (const auto& b : buttons) {
        pad.set(b.button, true);
        EXPECT_EQ(held(), b.keys) << SDL_GameControllerGetStringForButton(b.button);
        pad.set(b.button, false);
    }
    EXPECT_EQ(held(), Keys{});

    const struct {
        Sint16 x, y;
        Keys keys;
        SDL_GameControllerAxis axis = SDL_CONTROLLER_AXIS_LEFTX;
    } sticks[] = {
        // A drifting stick, or a thumb pushing sideways and a little up, stays inside the dead zone.
        {-16000, 12000, {}},
        {-20000, 0, {key::Left}},
        {32767, 9000, {key::Right}},
        {0, -32768, {key::Up}},
        {0, 20000, {key::Down}},
        {23000, -23000, {key::Right, key::Up}},
        {-32768, 0, {}, SDL_CONTROLLER_AXIS_RIGHTX},
    };
    for (const auto& s : sticks) {
        pad.stick(s.x, s.y, s.axis);
        EXPECT_EQ(held(), s.keys) << s.x << "," << s.y;
        pad.stick(0, 0, s.axis);
    }

    // Two pads add up.
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
    ASSERT_EQ(sdl->window.gamepads().count(), 2);
    stays.set(SDL_CONTROLLER_BUTTON_X, true);
    leaves.stick(-32768, 0);
    leaves.set(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_EQ(held(), (Keys{key::Left, key::Space, key::LCtrl}));

    // Released in the very next snapshot, before the message pump has heard of it.
    leaves.unplug();
    EXPECT_EQ(held(), Keys{key::LCtrl});
    EXPECT_EQ(commandsAfterPump(), std::vector<int>{});
    EXPECT_EQ(sdl->window.gamepads().count(), 1);
    EXPECT_EQ(held(), Keys{key::LCtrl});

    test::VirtualPad arrives;
    sdl->window.pumpMessages();
    EXPECT_EQ(sdl->window.gamepads().count(), 2);
    arrives.set(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(held(), (Keys{key::Right, key::LCtrl}));
}

TEST_F(Gamepads, BackIsACommandWhenPressedStartAndAWhenLetGoAfterAPressThePumpSaw) {
    test::VirtualPad pad;
    sdl->window.pumpMessages();
    const struct {
        SDL_GameControllerButton button;
        std::vector<int> down, up;
    } buttons[] = {
        {SDL_CONTROLLER_BUTTON_BACK, {vk::PadBack}, {}}, {SDL_CONTROLLER_BUTTON_START, {}, {vk::PadStart}},
        {SDL_CONTROLLER_BUTTON_A, {}, {vk::PadA}},       {SDL_CONTROLLER_BUTTON_B, {}, {}},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, {}, {}},
    };
    for (const auto& b : buttons) {
        pad.set(b.button, true);
        EXPECT_EQ(commandsAfterPump(), b.down) << SDL_GameControllerGetStringForButton(b.button);
        pad.set(b.button, false);
        EXPECT_EQ(commandsAfterPump(), b.up) << SDL_GameControllerGetStringForButton(b.button);
    }

    // A press that another loop took (a dialog's) is no command when it is let go here.
    pad.set(SDL_CONTROLLER_BUTTON_START, true);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_CONTROLLERBUTTONDOWN, SDL_CONTROLLERBUTTONDOWN);
    pad.set(SDL_CONTROLLER_BUTTON_START, false);
    EXPECT_EQ(commandsAfterPump(), std::vector<int>{});
}

// A keyboard that lets the test move the pad before each snapshot the game takes.
class ScriptedKeyboard : public Keyboard {
public:
    explicit ScriptedKeyboard(Keyboard& keyboard) : keyboard_(keyboard) {}
    void open() override { keyboard_.open(); }
    void snapshot(uint8_t state[256]) override {
        ++snapshots;
        if (beforeSnapshot) beforeSnapshot(snapshots);
        keyboard_.snapshot(state);
    }
    std::function<void(int)> beforeSnapshot;
    int snapshots = 0;

private:
    Keyboard& keyboard_;
};

// The game on the SDL keyboard and window, with the main window's key handler, in developer
// mode so that no screen waits.
class PadPlay : public Gamepads {
protected:
    PadPlay() : keyboard(sdl->keyboard), play(keyboard, sdl->window, true), form(sdl->window, globals) {
        globals.gGame = &play.game;
        globals.gDevMode = true;
        form.Load();
        sdl->window.pumpMessages();
    }
    bool frame() {
        sdl->window.pumpMessages();
        return play.game.DoFrame();
    }

    ScriptedKeyboard keyboard;
    test::PlayFixture play;
    Globals globals;
    frmMain form;
    test::VirtualPad pad;
};

TEST_F(PadPlay, StartOrAStartsAGameFromTheTitleAndBackLeavesItButNeverQuits) {
    Game& game = play.game;
    auto tap = [&](SDL_GameControllerButton button) {
        pad.set(button, true);
        sdl->window.pumpMessages();
        pad.set(button, false);
        sdl->window.pumpMessages();
    };
    ASSERT_EQ(sdl->window.gamepads().count(), 1);
    ASSERT_FALSE(game.IsRunning());
    tap(SDL_CONTROLLER_BUTTON_BACK);
    EXPECT_FALSE(game.IsRunning());
    EXPECT_FALSE(globals.gExitRequested);

    for (auto button : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_A}) {
        // The game starts when the button is let go, so its first frame does not see it.
        pad.set(button, true);
        sdl->window.pumpMessages();
        EXPECT_FALSE(game.IsRunning()) << SDL_GameControllerGetStringForButton(button);
        pad.set(button, false);
        sdl->window.pumpMessages();
        ASSERT_TRUE(game.IsRunning()) << SDL_GameControllerGetStringForButton(button);
        EXPECT_EQ(game.Level, 1);
        const int snapshots = keyboard.snapshots;
        play.played().clear();
        ASSERT_TRUE(frame());
        EXPECT_EQ(keyboard.snapshots, snapshots + 1) << "the first frame paused";
        EXPECT_EQ(play.timesPlayed("Jump"), 0) << "the first frame jumped";

        tap(SDL_CONTROLLER_BUTTON_BACK);
        EXPECT_FALSE(game.IsRunning());
        EXPECT_FALSE(globals.gExitRequested);
    }

    // A pad pulled out while A or Start is held starts nothing.
    pad.set(SDL_CONTROLLER_BUTTON_A, true);
    pad.set(SDL_CONTROLLER_BUTTON_START, true);
    sdl->window.pumpMessages();
    pad.unplug();
    sdl->window.pumpMessages();
    EXPECT_FALSE(game.IsRunning());
}

TEST_F(PadPlay, ThePadRunsJumpsAndPausesTheGameAndAPullOutStopsTheRun) {
    Game& game = play.game;
    ASSERT_TRUE(game.StartGame());
    play.clearBombs();
    for (int i = 0; i < 100 && game.CharInAir != 0; ++i) ASSERT_TRUE(frame());
    ASSERT_EQ(game.CharInAir, 0);

    // Running right with the stick, then left at full speed.
    const float startX = game.CharX;
    pad.stick(30000, 0);
    for (int i = 0; i < 15; ++i) ASSERT_TRUE(frame());
    EXPECT_EQ(game.CharFacing, 1);
    EXPECT_GT(game.CharX, startX + 30);
    pad.stick(-30000, 0);
    for (int i = 0; i < 15; ++i) ASSERT_TRUE(frame());
    EXPECT_EQ(game.CharFacing, 0);
    ASSERT_EQ(game.CharVelX, -5.5f);

    // Pulled out while the stick is held: the very next frame slows down, and the run stops.
    pad.unplug();
    ASSERT_TRUE(frame());
    EXPECT_EQ(game.CharVelX, -2.75f);
    for (int i = 0; i < 20; ++i) ASSERT_TRUE(frame());
    EXPECT_GT(game.CharVelX, -0.01f);
    EXPECT_EQ(sdl->window.gamepads().count(), 0);

    // A new pad: A jumps.
    test::VirtualPad second;
    ASSERT_TRUE(frame());
    ASSERT_EQ(sdl->window.gamepads().count(), 1);
    play.played().clear();
    second.set(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(frame());
    EXPECT_EQ(game.CharInAir, 1);
    EXPECT_LT(game.CharVelY, 0.0f);
    EXPECT_EQ(play.timesPlayed("Jump"), 1);
    second.set(SDL_CONTROLLER_BUTTON_A, false);
    for (int i = 0; i < 60 && game.CharInAir != 0; ++i) ASSERT_TRUE(frame());

    // Start pauses: held through the first look of the pause, let go, pressed and let go
    // again, and the frame goes on. The window's key handler heard Start let go twice and
    // left the running game alone.
    const bool pressed[] = {true, true, false, true, false};
    const int snapshots = keyboard.snapshots;
    keyboard.beforeSnapshot = [&](int n) {
        const int step = n - snapshots - 1;
        if (step < static_cast<int>(std::size(pressed)))
            second.set(SDL_CONTROLLER_BUTTON_START, pressed[step]);
    };
    game.Score = 1234;
    const uint64_t slept = play.host.clock.slept;
    ASSERT_TRUE(frame());
    EXPECT_EQ(keyboard.snapshots - snapshots, 5);
    EXPECT_EQ(play.host.clock.slept - slept, 30u);
    EXPECT_TRUE(game.IsRunning());
    EXPECT_EQ(game.Score, 1234);
    keyboard.beforeSnapshot = nullptr;
    ASSERT_TRUE(frame());
    EXPECT_EQ(keyboard.snapshots - snapshots, 6);
}

}  // namespace
}  // namespace vorn
