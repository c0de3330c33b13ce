#pragma once
#include "platform/Power.h"

namespace veltrano {

// Suspend through the login manager (systemd-logind or elogind) on the system
// bus, which is reached only when the user first asks for it.
class LinuxPower final : public Power {
public:
    bool suspend() override;
};

} // namespace veltrano
