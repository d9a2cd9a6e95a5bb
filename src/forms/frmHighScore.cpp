#include "forms/frmHighScore.h"

#include "core/Windows1252.h"

namespace vorn {

namespace {

constexpr int kNameLength = 20;

}  // namespace

frmHighScore::frmHighScore() { load(); }

void frmHighScore::load() {
    controls_.clear();
    Control label{ControlKind::Label, std::string(kPrompt), "Enter your name", 240, 240, 2415, 255, 2};
    Control name{ControlKind::TextBox, std::string(kName), "", 240, 480, 2415, 285, 0};
    name.maxLength = kNameLength;
    Control ok{ControlKind::Button, std::string(kOK), "OK", 840, 960, 1095, 375, 1};
    ok.isDefault = true;
    controls_ = {label, name, ok};
}

void frmHighScore::onClick(std::string_view controlName) {
    if (controlName != kOK) return;
    // The box never holds more than 20 characters; the name is taken exactly as typed,
    // blanks included.
    sName = std::string(utf8Prefix(control(kName).text, kNameLength));
    unload();
}

}  // namespace vorn
