#pragma once

namespace veltrano {

class Power {
public:
    virtual ~Power() = default;
    // Asks the system to suspend, without waiting on it: false when the
    // request could not even be made. A system that then declines says
    // nothing (the caller reports no refusal either).
    virtual bool suspend() = 0;
};

} // namespace veltrano
