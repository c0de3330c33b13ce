#pragma once
#include <QString>

namespace veltrano {

// Tells the user something when no window may wait for an answer: the system
// has asked the program to end (a terminate signal, the session ending) and
// nobody may be there to press OK. A line on standard error and a desktop
// notification, which outlives the program; returns once both are handed on.
class Notifications {
public:
    virtual ~Notifications() = default;
    virtual void notify(const QString &title, const QString &text) = 0;
};

} // namespace veltrano
