#pragma once
#include <QDateTime>

namespace veltrano {

// Local wall-clock time. Injected everywhere so tests can fix and advance it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

} // namespace veltrano
