#include "platform/windows/WindowsDesktop.h"

#include "platform/qt/LongTimeFormat.h"
#include "platform/win32/Win32Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QUuid>

#include <windows.h>

namespace veltrano {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QString WindowsDataLocations::executablePath() const
{
    return QCoreApplication::applicationFilePath();
}

// Access rights on Windows are lists that no bit test can read the way the
// system will: the one sure answer is to make a file there and remove it.
bool WindowsDataLocations::isFolderWritable(const QString &folder) const
{
    const QString probe = QDir::toNativeSeparators(
        QDir(folder).filePath(QStringLiteral(".veltrano-probe-") + QUuid::createUuid().toString(QUuid::Id128)));
    HANDLE file = CreateFileW(wide(probe), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

QString WindowsDataLocations::perUserDataFolder() const
{
    // %APPDATA% itself: QStandardPaths would add the organisation's and the
    // program's names of its own.
    QString appData = qEnvironmentVariable("APPDATA");
    if (appData.isEmpty())
        appData = QDir::homePath() + QStringLiteral("/AppData/Roaming");
    return QDir::fromNativeSeparators(appData) + QStringLiteral("/Veltrano/");
}

bool WindowsDataLocations::isPackaged(const QString &path) const
{
    return QFileInfo(QFileInfo(path).absolutePath(), QString::fromUtf16(kUninstallerName)).isFile();
}

QString WindowsRegionalFormats::shortDate(const QDate &date) const
{
    SYSTEMTIME time = {};
    time.wYear = WORD(date.year());
    time.wMonth = WORD(date.month());
    time.wDay = WORD(date.day());
    time.wDayOfWeek = WORD(date.dayOfWeek() % 7);
    wchar_t text[128];
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 128, nullptr);
    if (length <= 0)
        return QLocale::system().toString(date, QLocale::ShortFormat);
    return fromWide(text, length - 1);
}

QString WindowsRegionalFormats::longTime(const QTime &time) const
{
    // The user's long time format (LOCALE_STIMEFORMAT) never names a time
    // zone, but it may leave the seconds out: the alarm compares to the
    // second, so they are put back as our other platforms do.
    wchar_t format[128];
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, format, 128);
    const QString windowsFormat = length > 0 ? fromWide(format, length - 1) : QStringLiteral("HH:mm:ss");
    // Windows writes AM/PM as "tt", Qt as "AP"; the rest reads alike.
    QString qtFormat = windowsFormat;
    qtFormat.replace(QLatin1String("tt"), QLatin1String("AP")).replace(u't', QLatin1String("A"));
    return QLocale::system().toString(time, longTimeFormatWithoutZone(qtFormat));
}

} // namespace veltrano
