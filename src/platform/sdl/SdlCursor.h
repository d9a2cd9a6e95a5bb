// The mouse pointer's visibility as a count: every hide must be matched by a show, and the
// pointer shows while the count is 0 or more.
#pragma once

#include "platform/Platform.h"

namespace vorn {

class SdlCursor : public Cursor {
public:
    int showCursor(bool show) override;
    int count() const { return count_; }

private:
    int count_ = 0;
};

}  // namespace vorn
