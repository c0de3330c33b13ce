#pragma once

namespace veltrano {

class Power {
public:
    virtual ~Power() = default;
    // Asks the system to suspend; false when it refused.
    virtual bool suspend() = 0;
};

} // namespace veltrano
