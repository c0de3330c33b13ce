#pragma once
#include "platform/Clock.h"
#include "platform/DataLocations.h"
#include "platform/RegionalFormats.h"

namespace veltrano {

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

// The executable's folder, or %APPDATA%\Veltrano\ for a copy whose folder
// cannot be written (under Program Files) or that the installer put there.
class WindowsDataLocations final : public DataLocations {
public:
    QString executablePath() const override;
    bool isFolderWritable(const QString &folder) const override;
    QString perUserDataFolder() const override;
    // The installer leaves its uninstaller beside the program: data of an
    // installed copy go to the user's folder, not beside the program, so
    // that an update or an uninstall never touches them.
    bool isPackaged(const QString &path) const override;
};

// The short date and long time the user chose in the regional settings,
// asked of Windows every time, so a change there shows at once.
class WindowsRegionalFormats final : public RegionalFormats {
public:
    QString shortDate(const QDate &date) const override;
    QString longTime(const QTime &time) const override;
};

inline constexpr auto kUninstallerName = u"Uninstall Veltrano.exe";

} // namespace veltrano
