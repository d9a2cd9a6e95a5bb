// Time for the frame pacing: a 32-bit millisecond count since the machine started, which
// wraps after 49.7 days, and a sleep that gives the processor away.
#pragma once

#include "platform/Platform.h"

namespace vorn {

class SdlClock : public Clock {
public:
    uint32_t milliseconds() override;
    void sleep(uint32_t ms) override;
    uint64_t seedFromTime() override;
};

}  // namespace vorn
