// The keyboard focus inside a dialog: which control has it, where it starts when the dialog
// shows, and where Tab and Shift+Tab move it (tab order; labels and disabled controls are
// passed over).
#pragma once

#include <string>

#include "platform/Dialog.h"

namespace vorn {

class DialogFocus {
public:
    static bool canTakeFocus(const Control& control);

    // The named control when it can take the focus, else the first one in tab order.
    void activate(Dialog& dialog, const std::string& name);
    void next(Dialog& dialog) { step(dialog, +1); }
    void previous(Dialog& dialog) { step(dialog, -1); }
    void set(int index) { index_ = index; }
    // Index into dialog.controls(), -1 when no control can take the focus.
    int index() const { return index_; }
    Control* control(Dialog& dialog) const;

private:
    void step(Dialog& dialog, int direction);
    int index_ = -1;
};

// The enabled default button of a dialog, or null.
Control* defaultButton(Dialog& dialog);

}  // namespace vorn
