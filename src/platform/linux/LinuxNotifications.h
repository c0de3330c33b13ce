#pragma once
#include "platform/Notifications.h"

namespace veltrano {

// Standard error and the desktop's notification service (over D-Bus), asked
// and waited for briefly, since the program ends right after.
class LinuxNotifications final : public Notifications {
public:
    void notify(const QString &title, const QString &text) override;
};

} // namespace veltrano
