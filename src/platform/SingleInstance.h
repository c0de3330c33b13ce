#pragma once
#include <QString>
#include <memory>

namespace veltrano {

// Held for as long as this process is the running instance; releasing it
// (destroying the object) lets the next start through.
class InstanceMarker {
public:
    virtual ~InstanceMarker() = default;
};

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // The marker when this process is now the only holder of `name`; null when
    // another live process holds it. A holder that crashed or was killed does
    // not count.
    virtual std::unique_ptr<InstanceMarker> acquire(const QString &name) = 0;
};

} // namespace veltrano
