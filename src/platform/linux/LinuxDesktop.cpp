#include "platform/linux/LinuxDesktop.h"

#include "platform/qt/LongTimeFormat.h"

#include <QCoreApplication>
#include <QDir>
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

// dpkg lists each package's files in its own list; ours is named after the
// program, so this reads one small file, not the whole database.
bool LinuxDataLocations::isPackaged(const QString &path) const
{
    const QDir lists(QStringLiteral("/var/lib/dpkg/info"));
    for (const QString &list : lists.entryList({QStringLiteral("veltrano.list"), QStringLiteral("veltrano:*.list")})) {
        QFile file(lists.filePath(list));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray wanted = QFile::encodeName(path);
        while (!file.atEnd()) {
            QByteArray line = file.readLine();
            if (line.endsWith('\n'))
                line.chop(1);
            if (line == wanted)
                return true;
        }
    }
    return false;
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
