#pragma once
#include "platform/Platform.h"

#include <memory>

namespace veltrano {

// The Linux desktop (X11 first) behind the platform interfaces.
std::unique_ptr<Platform> createLinuxPlatform();

} // namespace veltrano
