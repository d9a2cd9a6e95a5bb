// The name-entry dialog "High Score!": one text box of at most 20 characters and OK.
#pragma once

#include <string>
#include <string_view>

#include "platform/Dialog.h"

namespace vorn {

class frmHighScore : public Dialog {
public:
    // The controls' names, used wherever the form or a test reaches a control.
    static constexpr std::string_view kPrompt = "Label1";
    static constexpr std::string_view kName = "txtName";
    static constexpr std::string_view kOK = "cmdOK";

    frmHighScore();
    std::string caption() const override { return "High Score!"; }
    int clientWidthTwips() const override { return 2910; }
    int clientHeightTwips() const override { return 1575; }
    std::string focusOnActivate() const override { return std::string(kName); }
    void onClick(std::string_view controlName) override;
    // Creates the controls anew: every showing starts with an empty text box.
    void load();

    std::string sName;  // the name confirmed by the last OK of this run
};

}  // namespace vorn
