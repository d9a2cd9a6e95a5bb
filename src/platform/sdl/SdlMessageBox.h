// Message boxes over SDL: a modal box titled "Vorn!" above the game, and the same text as one
// line on standard error. Without a window, or with VORN_NO_MESSAGE_BOX=1 in the environment
// (the end-to-end tests), standard error alone, so nothing waits for a click.
#pragma once

#include "platform/Platform.h"

namespace vorn {

class SdlWindow;

class SdlMessageBox : public MessageBox {
public:
    explicit SdlMessageBox(SdlWindow& window);
    void show(const std::string& text) override;

private:
    SdlWindow& window_;
    bool boxes_;
};

}  // namespace vorn
