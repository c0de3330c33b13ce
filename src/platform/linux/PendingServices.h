#pragma once
// Services the program does not use on Linux yet. Each refuses honestly, so a
// caller never mistakes a missing service for success.
#include "platform/Sound.h"

namespace veltrano {

class UnavailableSound final : public Sound {
public:
    bool play(const QString &) override { return false; }
};

} // namespace veltrano
