// The SDL platform on a real X server (Xvfb): keys pressed from outside reach the snapshot
// and the key handler, the picture fills the screen, and the dialogs answer the mouse.
#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "platform/Dialog.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/Xvfb.h"

namespace vorn {
namespace {

using Clock = std::chrono::steady_clock;

class PlatformOnX : public testing::Test {
protected:
    void open(bool windowed) {
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
        sdl = std::make_unique<SdlPlatform>(windowed);
        ASSERT_NE(sdl->window.renderer(), nullptr) << sdl->window.openError();
        ASSERT_TRUE(x.waitForWindow("Vorn!"));
        sdl->display.open(800, 600, 16);
        // Gives the window the keyboard whatever the pointer does.
        test::Xvfb::run({"xdotool", "search", "--name", "Vorn!", "windowfocus", "--sync"});
        settle(200);
    }
    ~PlatformOnX() override {
        sdl.reset();
        unsetenv("VORN_NO_MESSAGE_BOX");
    }

    // Lets SDL take in what the X server sent meanwhile.
    void settle(int ms) {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < end) {
            sdl->window.pumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // Pumps until `done` holds or two seconds pass.
    bool until(const std::function<bool()>& done) {
        const auto end = Clock::now() + std::chrono::seconds(2);
        while (Clock::now() < end) {
            sdl->window.pumpMessages();
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    test::Xvfb x;
    std::unique_ptr<SdlPlatform> sdl;
};

TEST_F(PlatformOnX, HeldKeysShowInTheSnapshotAndCommandKeysReachTheHandler) {
    open(true);
    sdl->keyboard.open();
    uint8_t keys[256];
    std::string downNow;
    auto held = [&](std::initializer_list<int> codes) {
        sdl->keyboard.snapshot(keys);
        int down = 0;
        downNow.clear();
        for (int i = 0; i < 256; ++i)
            if (keys[i] & 0x80) {
                ++down;
                downNow += std::to_string(i) + " ";
            }
        for (int c : codes)
            if (!(keys[c] & 0x80)) return false;
        return down == static_cast<int>(codes.size());
    };
    ASSERT_TRUE(x.keyDown("shift+Right"));
    EXPECT_TRUE(until([&] { return held({0x2A, 0xCD}); })) << downNow;
    ASSERT_TRUE(x.keyUp("shift+Right"));
    EXPECT_TRUE(until([&] { return held({}); }));
    // The right Control by its key number: by name, xdotool also holds the left one down to
    // set the modifier.
    ASSERT_TRUE(x.keyDown("105"));
    ASSERT_TRUE(x.keyDown("Up"));
    EXPECT_TRUE(until([&] { return held({0x9D, 0xC8}); })) << downNow;
    ASSERT_TRUE(x.keyUp("Up"));
    ASSERT_TRUE(x.keyUp("105"));
    EXPECT_TRUE(until([&] { return held({}); }));

    std::vector<int> pressed;
    sdl->window.setKeyDownHandler([&](int vk) { pressed.push_back(vk); });
    ASSERT_TRUE(x.key("F2"));
    ASSERT_TRUE(x.key("Escape"));
    EXPECT_TRUE(until([&] { return pressed.size() >= 2; }));
    EXPECT_EQ(pressed, std::vector<int>({113, 27}));

    // Full screen and back, below the game: the handler hears nothing of it.
    ASSERT_TRUE(x.key("alt+Return"));
    EXPECT_TRUE(until([&] { return sdl->window.fullScreen(); }));
    ASSERT_TRUE(x.key("F11"));
    EXPECT_TRUE(until([&] { return !sdl->window.fullScreen(); }));
    settle(100);
    // The Alt key itself is a key like any other; the Enter and the F11 never arrive.
    EXPECT_EQ(std::count(pressed.begin(), pressed.end(), 13), 0);
    EXPECT_EQ(std::count(pressed.begin(), pressed.end(), 122), 0);
}

// Full screen needs a window manager, which Xvfb lacks; a window resized from the program
// shows the same scaling.
TEST_F(PlatformOnX, ThePictureFillsTheWindowWithBarsBesideAndPresentsQuickly) {
    open(true);
    Surface& primary = *sdl->display.primary();
    const uint16_t red = toRgb565(rgb(255, 0, 0)), blue = toRgb565(rgb(0, 0, 255));
    for (int y = 0; y < 600; ++y)
        for (int xx = 0; xx < 800; ++xx) primary.setPixel(xx, y, xx < 400 ? red : blue);
    SDL_SetWindowPosition(sdl->window.sdl(), 0, 0);
    SDL_SetWindowSize(sdl->window.sdl(), 1000, 600);
    settle(300);
    sdl->display.presentPrimary();
    settle(100);

    const test::Xvfb::Image screen = x.capture();
    ASSERT_EQ(screen.width, 1024);
    auto at = [&](int px, int py) { return screen.pixel(px, py) & 0xF0F0F0; };
    EXPECT_EQ(at(50, 300), 0u);
    EXPECT_EQ(at(105, 5), 0xF00000u);
    EXPECT_EQ(at(495, 595), 0xF00000u);
    EXPECT_EQ(at(505, 5), 0x0000F0u);
    EXPECT_EQ(at(895, 595), 0x0000F0u);
    EXPECT_EQ(at(950, 300), 0u);

    for (const auto& [w, h] : {std::pair{800, 600}, std::pair{1024, 768}}) {
        SDL_SetWindowSize(sdl->window.sdl(), w, h);
        settle(200);
        // The best of three runs, so a busy moment of the machine does not count.
        double ms = 1e9;
        for (int run = 0; run < 3; ++run) {
            const int presents = 30;
            const auto start = Clock::now();
            for (int i = 0; i < presents; ++i) sdl->display.presentPrimary();
            ms = std::min(ms,
                          std::chrono::duration<double, std::milli>(Clock::now() - start).count() / presents);
        }
        std::printf("presentPrimary into %d x %d: %.2f ms\n", w, h, ms);
        RecordProperty("presentPrimaryMs" + std::to_string(w), std::to_string(ms));
        // Well under a millisecond on a graphics card; here the X server and the renderer share
        // the processor with everything else, so only a whole 30 ms frame counts as a fault.
        EXPECT_LT(ms, 30.0);
    }
}

class OptionsLike : public Dialog {
public:
    OptionsLike() {
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
        find("chkSoundEffects")->value = 1;
        find("chkMusic")->value = 1;
    }
    void onClick(const std::string& control) override {
        clicks.push_back(control);
        unload();
    }
    std::vector<std::string> clicks;
};

class DialogOnX : public PlatformOnX {
protected:
    void run(Dialog& dialog) {
        sdl->dialogs.afterFrame = [this](int frame) {
            const auto at = script.find(frame);
            if (at != script.end()) at->second();
            if (frame == 300) test::Xvfb::run({"xdotool", "search", "--name", "Vorn!", "windowclose"});
            if (frame == 400) {
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            }
        };
        sdl->dialogs.runModal(dialog);
        script.clear();
    }
    // The screen point of a point of the dialog's client area, given in twips.
    void clickClient(int leftTwips, int topTwips) {
        ImGuiWindow* dialog = ImGui::FindWindowByName("###dialog");
        ASSERT_NE(dialog, nullptr);
        const float scale = std::max(1.0f, sdl->display.scale());
        clickWindow(dialog->Pos.x + leftTwips / 15.0f * scale,
                    dialog->Pos.y + ImGui::GetFrameHeight() + topTwips / 15.0f * scale);
    }
    void clickWindow(float wx, float wy) {
        int left = 0, top = 0;
        SDL_GetWindowPosition(sdl->window.sdl(), &left, &top);
        x.click(left + static_cast<int>(wx), top + static_cast<int>(wy));
    }

    std::map<int, std::function<void()>> script;
};

TEST_F(DialogOnX, TheMouseWorksCheckBoxesAndButtonsButNotDisabledControls) {
    open(true);
    OptionsLike dialog;
    script[3] = [this] { clickClient(240 + 300, 240 + 120); };  // the sound check box
    script[8] = [this] {
        // The dialog is on the screen, not only in ImGui: its caption bar shows above its face.
        const test::Xvfb::Image screen = x.capture();
        ImGuiWindow* window = ImGui::FindWindowByName("###dialog");
        int left = 0, top = 0;
        SDL_GetWindowPosition(sdl->window.sdl(), &left, &top);
        ASSERT_EQ(screen.width, 1024);
        const int cx = left + static_cast<int>(window->Pos.x + window->Size.x / 2);
        EXPECT_EQ(screen.pixel(cx, top + static_cast<int>(window->Pos.y) + 3), 0x000080u);
        const int right = left + static_cast<int>(window->Pos.x + window->Size.x) - 4;
        EXPECT_EQ(screen.pixel(right, top + static_cast<int>(window->Pos.y + window->Size.y) - 3) & 0xF0F0F0,
                  0xD0D0C0u);
        clickClient(240 + 300, 1200 + 40);  // the disabled music box at the bottom edge
    };
    script[13] = [this] { clickClient(1560 + 500, 720 + 180); };  // Cancel
    run(dialog);
    EXPECT_EQ(dialog.find("chkSoundEffects")->value, 0);
    EXPECT_EQ(dialog.find("chkMusic")->value, 1);
    EXPECT_EQ(dialog.clicks, std::vector<std::string>({"cmdCancel"}));
}

TEST_F(DialogOnX, TheCloseBoxEndsTheShowingWithoutAClick) {
    open(true);
    OptionsLike dialog;
    script[3] = [this] {
        ImGuiWindow* window = ImGui::FindWindowByName("###dialog");
        ASSERT_NE(window, nullptr);
        clickWindow(
            window->Pos.x + window->Size.x - ImGui::GetStyle().FramePadding.x - ImGui::GetFontSize() / 2,
            window->Pos.y + ImGui::GetFrameHeight() / 2);
    };
    run(dialog);
    EXPECT_TRUE(dialog.clicks.empty());
    EXPECT_TRUE(dialog.unloaded() == false);
    EXPECT_FALSE(sdl->window.closeRequested());
}

TEST_F(DialogOnX, TypedKeysAndEnterWorkTheDialog) {
    open(true);
    OptionsLike dialog;
    script[3] = [this] { x.key("space"); };    // unticks the focused sound box
    script[6] = [this] { x.key("Escape"); };   // does nothing
    script[9] = [this] { x.key("Tab Tab"); };  // to Cancel
    script[12] = [this] { x.key("Return"); };  // still the default OK
    run(dialog);
    EXPECT_EQ(dialog.find("chkSoundEffects")->value, 0);
    EXPECT_EQ(dialog.clicks, std::vector<std::string>({"cmdOK"}));
}

}  // namespace
}  // namespace vorn
