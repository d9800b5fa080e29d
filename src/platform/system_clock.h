// The real local clock of the machine.
#pragma once

#include "platform/clock.h"

namespace ambon {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override;
};

}  // namespace ambon
