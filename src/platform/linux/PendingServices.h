#pragma once
// Services the program does not use on Linux yet. Each refuses honestly, so a
// caller never mistakes a missing service for success.
#include "platform/CdTray.h"
#include "platform/Power.h"

namespace veltrano {

class UnavailablePower final : public Power {
public:
    bool suspend() override { return false; }
};

class UnavailableCdTray final : public CdTray {
public:
    bool open() override { return false; }
    bool close() override { return false; }
};

} // namespace veltrano
