#include "forms/frmOptions.h"

namespace vorn {

frmOptions::frmOptions() { load(); }

void frmOptions::load() {
    controls_.clear();
    Control sound{ControlKind::CheckBox, "chkSoundEffects", "Sound Effects", 240, 240, 2295, 255, 0};
    // The game plays no music: the box sits at the bottom edge, below the buttons, mostly
    // outside the window, and cannot be used.
    Control music{ControlKind::CheckBox, "chkMusic", "Music", 240, 1200, 2295, 255, 1};
    music.enabled = false;
    Control ok{ControlKind::Button, "cmdOK", "OK", 240, 720, 1095, 375, 2};
    ok.isDefault = true;
    Control cancel{ControlKind::Button, "cmdCancel", "Cancel", 1560, 720, 1095, 375, 3};
    controls_ = {sound, music, ok, cancel};
}

void frmOptions::onActivate() {
    find("chkSoundEffects")->value = bSoundEffects != 0 ? 1 : 0;
    find("chkMusic")->value = bMusic != 0 ? 1 : 0;
}

void frmOptions::onClick(const std::string& controlName) {
    if (controlName == "cmdOK") {
        bSoundEffects = find("chkSoundEffects")->value != 0 ? -1 : 0;
        bMusic = find("chkMusic")->value != 0 ? -1 : 0;
        unload();
    } else if (controlName == "cmdCancel") {
        unload();
    }
}

}  // namespace vorn
