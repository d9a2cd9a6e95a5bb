// Modal dialogs drawn with Dear ImGui over the last game frame. The dialog's form gives the
// caption, the client size and the controls in twips; the player works them with the mouse,
// Tab and Shift+Tab (tab order), Space (the focused button or check box) and Enter (the
// default button), or with a game pad: the D-pad or the left stick moves between the controls
// through ImGui's gamepad navigation, A is Space and Start is Enter. Escape does nothing; the
// frame's close box and closing the game window end the showing without a click.
#pragma once

#include <bitset>
#include <functional>
#include <string>

#include "platform/Platform.h"

namespace vorn {

class SdlWindow;
class SdlDisplay;

class SdlDialogs : public DialogRunner {
public:
    SdlDialogs(SdlWindow& window, SdlDisplay& display);
    ~SdlDialogs() override;
    SdlDialogs(const SdlDialogs&) = delete;
    SdlDialogs& operator=(const SdlDialogs&) = delete;

    void runModal(Dialog& dialog) override;

    // Called after every frame of a showing with the frame's number from 1; the tests feed
    // their input through it.
    std::function<void(int frame)> afterFrame;

private:
    struct Showing;
    void start();
    void fitTo(float scale);
    void takeInput(Showing& showing);
    void drawFrame(Showing& showing);
    static void drawControls(Showing& showing, float scale, float titleHeight);
    static void carryOut(Showing& showing);
    std::bitset<4> padDirections();
    void feedPadDirections(Showing& showing);
    static void followNavigation(Showing& showing, int index);

    SdlWindow& window_;
    SdlDisplay& display_;
    bool started_ = false;
    float fittedScale_ = 0;
    std::string fontPath_;
    int fontIndex_ = 0;
    int frames_ = 0;
};

}  // namespace vorn
