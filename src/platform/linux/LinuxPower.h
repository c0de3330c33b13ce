#pragma once
#include "platform/Power.h"

#include <QObject>

namespace veltrano {

// Suspend through the login manager (systemd-logind or elogind) on the system
// bus, which is reached only when the user first asks for it. The request
// goes out once the login manager has said it may suspend; nothing waits for
// that answer.
class LinuxPower final : public QObject, public Power {
    Q_OBJECT
public:
    explicit LinuxPower(QObject *parent = nullptr);
    bool suspend() override;
};

} // namespace veltrano
