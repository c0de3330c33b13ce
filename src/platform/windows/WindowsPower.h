#pragma once
#include "platform/Power.h"

namespace veltrano {

// Suspends through SetSuspendState, with the shutdown privilege switched on
// in our token first (Windows refuses without it).
class WindowsPower final : public Power {
public:
    bool suspend() override;
};

} // namespace veltrano
