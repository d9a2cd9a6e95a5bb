// A small modal dialog described as a form: caption, client size and controls in twips
// (15 twips = 1 pixel), tab order and a default button. The forms in src/forms fill the
// description and react to its events; a DialogRunner shows it and feeds it input.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

inline constexpr int kTwipsPerPixel = 15;

enum class ControlKind { Label, TextBox, CheckBox, Button };

struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;  // "cmdOK", "chkSoundEffects", ...
    std::string text;  // caption of labels, check boxes and buttons; content of a text box
    int left = 0, top = 0, width = 0, height = 0;  // twips
    int tabIndex = 0;
    bool isDefault = false;  // Enter anywhere in the dialog presses it
    bool enabled = true;     // a disabled control is shown but cannot be used
    int maxLength = 0;       // text boxes: 0 = no limit
    int value = 0;           // check boxes: 0 unchecked, 1 checked
};

class Dialog {
public:
    virtual ~Dialog() = default;
    virtual std::string caption() const = 0;
    virtual int clientWidthTwips() const = 0;
    virtual int clientHeightTwips() const = 0;
    std::vector<Control>& controls() { return controls_; }
    // The control of that name; a name the dialog lacks is a programming error and throws.
    Control& control(std::string_view name);

    // Events the runner raises.
    virtual void onActivate() {}
    virtual void onClick(std::string_view /*controlName*/) {}
    // The control that takes the focus on activation (by name), empty for the first in tab order.
    virtual std::string focusOnActivate() const { return {}; }

    // A dialog unloads itself from its event handlers; the runner then ends the modal run.
    bool unloaded() const { return unloaded_; }
    void unload() { unloaded_ = true; }
    void reload() { unloaded_ = false; }

protected:
    std::vector<Control> controls_;

private:
    bool unloaded_ = false;
};

inline Control& Dialog::control(std::string_view name) {
    for (auto& c : controls_)
        if (c.name == name) return c;
    throw std::logic_error("the dialog \"" + caption() + "\" has no control named " + std::string(name));
}

}  // namespace vorn
