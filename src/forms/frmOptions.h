// The options dialog "Vorn! Options": sound effects on or off (music is shown but cannot change).
#pragma once

#include <cstdint>

#include "platform/Dialog.h"

namespace vorn {

class frmOptions : public Dialog {
public:
    frmOptions();
    std::string caption() const override { return "Vorn! Options"; }
    int clientWidthTwips() const override { return 2895; }
    int clientHeightTwips() const override { return 1335; }
    void onActivate() override;
    void onClick(const std::string& controlName) override;
    // Creates the controls anew for a showing.
    void load();

    // The options as the dialog got them and hands them back: any value but 0 is on. Only OK
    // changes them, to -1 (on) or 0 (off); Cancel hands back exactly what it was given.
    int16_t bSoundEffects = 0;
    int16_t bMusic = 0;
};

}  // namespace vorn
