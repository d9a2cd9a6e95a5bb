// The dialogs of the SDL platform on a real X server (Xvfb), where the mouse can work them
// (keys and text are scripted on SDL's dummy driver in the unit suite).
#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <thread>

#include "forms/frmOptions.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/Xvfb.h"

namespace vorn {
namespace {

// The options dialog, given sound effects on, in a window of its own and worked by a script
// frame by frame.
class DialogOnX : public testing::Test {
protected:
    void SetUp() override {
        setenv("VORN_NO_MESSAGE_BOX", "1", 1);
        sdl = std::make_unique<SdlPlatform>(true);
        ASSERT_NE(sdl->window.renderer(), nullptr) << sdl->window.openError();
        ASSERT_TRUE(x.waitForWindow("Vorn!"));
        sdl->display.open(800, 600, 16);
        // Lets SDL take in what the X server sent meanwhile.
        for (int i = 0; i < 20; ++i) {
            sdl->window.pumpMessages();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    void TearDown() override {
        sdl.reset();
        unsetenv("VORN_NO_MESSAGE_BOX");
    }

    void run() {
        dialog.load();
        dialog.bSoundEffects = -1;
        dialog.bMusic = -1;
        sdl->dialogs.afterFrame = [this](int frame) {
            const auto at = script.find(frame);
            if (at != script.end()) at->second();
            // A showing that never ends fails the test instead of hanging it.
            if (frame == 300) test::Xvfb::run({"xdotool", "search", "--name", "Vorn!", "windowclose"});
            if (frame == 400) {
                SDL_Event quit{};
                quit.type = SDL_QUIT;
                SDL_PushEvent(&quit);
            }
        };
        sdl->dialogs.runModal(dialog);
    }
    // Clicks the screen point of a window point, or of a point of the dialog's client area in twips.
    void clickWindow(float wx, float wy) {
        int left = 0, top = 0;
        SDL_GetWindowPosition(sdl->window.sdl(), &left, &top);
        x.click(left + static_cast<int>(wx), top + static_cast<int>(wy));
    }
    void clickClient(int leftTwips, int topTwips) {
        ImGuiWindow* window = ImGui::FindWindowByName("###dialog");
        ASSERT_NE(window, nullptr);
        const float scale = std::max(1.0f, sdl->display.scale());
        clickWindow(window->Pos.x + leftTwips / 15.0f * scale,
                    window->Pos.y + ImGui::GetFrameHeight() + topTwips / 15.0f * scale);
    }

    test::Xvfb x;
    std::unique_ptr<SdlPlatform> sdl;
    frmOptions dialog;
    std::map<int, std::function<void()>> script;
};

// The close box keeps what the dialog was given, as Cancel does, without a click on either.
TEST_F(DialogOnX, TheMouseWorksCheckBoxesAndTheCloseBoxButNotDisabledControls) {
    script[3] = [this] { clickClient(240 + 300, 240 + 120); };  // the sound check box
    script[8] = [this] { clickClient(240 + 300, 1200 + 40); };  // the disabled music box at the bottom edge
    script[13] = [this] {
        ImGuiWindow* window = ImGui::FindWindowByName("###dialog");
        ASSERT_NE(window, nullptr);
        clickWindow(
            window->Pos.x + window->Size.x - ImGui::GetStyle().FramePadding.x - ImGui::GetFontSize() / 2,
            window->Pos.y + ImGui::GetFrameHeight() / 2);
    };
    run();
    EXPECT_FALSE(dialog.unloaded());
    EXPECT_FALSE(sdl->window.closeRequested());
    EXPECT_EQ(dialog.control(frmOptions::kSoundEffects).value, 0);
    EXPECT_EQ(dialog.control(frmOptions::kMusic).value, 1);
    EXPECT_EQ(dialog.bSoundEffects, -1);
}

}  // namespace
}  // namespace vorn
