// The options dialog "Vorn! Options": sound effects on or off (music is shown but cannot change).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Dialog.h"

namespace vorn {

class frmOptions : public Dialog {
public:
    // The controls' names, used wherever the form or a test reaches a control.
    static constexpr std::string_view kSoundEffects = "chkSoundEffects";
    static constexpr std::string_view kMusic = "chkMusic";
    static constexpr std::string_view kOK = "cmdOK";
    static constexpr std::string_view kCancel = "cmdCancel";

    frmOptions();
    std::string caption() const override { return "Vorn! Options"; }
    int clientWidthTwips() const override { return 2895; }
    int clientHeightTwips() const override { return 1335; }
    void onActivate() override;
    void onClick(std::string_view controlName) override;
    // Creates the controls anew for a showing.
    void load();

    // The options as the dialog got them and hands them back: any value but 0 is on. Only OK
    // changes them, to -1 (on) or 0 (off); Cancel hands back exactly what it was given.
    int16_t bSoundEffects = 0;
    int16_t bMusic = 0;
};

}  // namespace vorn
