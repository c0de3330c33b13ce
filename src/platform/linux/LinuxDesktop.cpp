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

// dpkg lists each package's files in a list named after the package (ours is
// not multi-arch, so no ":arch" suffix): one small file is read, and the
// thousands of lists beside it are never scanned at start-up.
bool LinuxDataLocations::isPackaged(const QString &path) const
{
    QFile file(QStringLiteral("/var/lib/dpkg/info/veltrano.list"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray wanted = QFile::encodeName(path);
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line == wanted)
            return true;
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
