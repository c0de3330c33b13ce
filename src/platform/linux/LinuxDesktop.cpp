#include "platform/linux/LinuxDesktop.h"

#include "platform/qt/LongTimeFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>

#include <unistd.h>

namespace veltrano {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QString LinuxDataLocations::executablePath() const
{
    return QCoreApplication::applicationFilePath();
}

bool LinuxDataLocations::isFolderWritable(const QString &folder) const
{
    // Creating and renaming files needs write and search permission on the folder.
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

QString LinuxDataLocations::perUserDataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Veltrano/");
}

LinuxRegionalFormats::LinuxRegionalFormats()
    : m_longTimeFormat(longTimeFormatWithoutZone(QLocale::system().timeFormat(QLocale::LongFormat)))
{
}

QString LinuxRegionalFormats::shortDate(const QDate &date) const
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

QString LinuxRegionalFormats::longTime(const QTime &time) const
{
    return QLocale::system().toString(time, m_longTimeFormat);
}

} // namespace veltrano
