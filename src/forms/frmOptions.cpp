#include "forms/frmOptions.h"

namespace vorn {

frmOptions::frmOptions() { load(); }

void frmOptions::load() {
    controls_.clear();
    Control sound{ControlKind::CheckBox, std::string(kSoundEffects), "Sound Effects", 240, 240, 2295, 255, 0};
    // The game plays no music: the box sits at the bottom edge, below the buttons, mostly
    // outside the window, and cannot be used.
    Control music{ControlKind::CheckBox, std::string(kMusic), "Music", 240, 1200, 2295, 255, 1};
    music.enabled = false;
    Control ok{ControlKind::Button, std::string(kOK), "OK", 240, 720, 1095, 375, 2};
    ok.isDefault = true;
    Control cancel{ControlKind::Button, std::string(kCancel), "Cancel", 1560, 720, 1095, 375, 3};
    controls_ = {sound, music, ok, cancel};
}

void frmOptions::onActivate() {
    control(kSoundEffects).value = bSoundEffects != 0 ? 1 : 0;
    control(kMusic).value = bMusic != 0 ? 1 : 0;
}

void frmOptions::onClick(std::string_view controlName) {
    if (controlName == kOK) {
        bSoundEffects = control(kSoundEffects).value != 0 ? -1 : 0;
        bMusic = control(kMusic).value != 0 ? -1 : 0;
        unload();
    } else if (controlName == kCancel) {
        unload();
    }
}

}  // namespace vorn
