#pragma once
#include "platform/Clock.h"
#include "platform/DataLocations.h"
#include "platform/RegionalFormats.h"

namespace veltrano {

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

class LinuxDataLocations final : public DataLocations {
public:
    QString executablePath() const override;
    bool isFolderWritable(const QString &folder) const override;
    QString perUserDataFolder() const override;
    bool isPackaged(const QString &path) const override;
};

// The formats of the user's locale (LC_TIME and friends through QLocale::system()).
class LinuxRegionalFormats final : public RegionalFormats {
public:
    LinuxRegionalFormats();
    QString shortDate(const QDate &date) const override;
    QString longTime(const QTime &time) const override;

private:
    QString m_longTimeFormat;
};

} // namespace veltrano
