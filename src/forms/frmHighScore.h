// The name-entry dialog "High Score!": one text box of at most 20 characters and OK.
#pragma once

#include <string>

#include "platform/Dialog.h"

namespace vorn {

class frmHighScore : public Dialog {
public:
    frmHighScore();
    std::string caption() const override { return "High Score!"; }
    int clientWidthTwips() const override { return 2910; }
    int clientHeightTwips() const override { return 1575; }
    std::string focusOnActivate() const override { return "txtName"; }
    void onClick(const std::string& controlName) override;
    // Creates the controls anew: every showing starts with an empty text box.
    void load();

    std::string sName;  // the name confirmed by the last OK of this run
};

}  // namespace vorn
