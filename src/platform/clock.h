// The timer the throttled redraw reads.
#pragma once

#include "state/types.h"

namespace qelt {

class Clock {
  public:
    virtual ~Clock() = default;
    // Seconds since midnight; starts again at 0 at midnight.
    virtual Single Timer() = 0;
};

// A timer that stands still at midnight: for a program without windows, which waits for nothing.
class StoppedClock : public Clock {
  public:
    Single Timer() override { return 0; }
};

}  // namespace qelt
