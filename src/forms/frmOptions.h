// The options dialog "Vorn! Options": sound effects on or off (music is shown but cannot change).
#pragma once

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

    bool bSoundEffects = false;
    bool bMusic = false;
};

}  // namespace vorn
